#pragma once

#include <string>

#include "calc/numbers.h"
#include "calc/outcome.h"

namespace calc {

struct SpearmanBrownFields {
    std::string items;
    std::string correlation;
};

// Reliability of k items that correlate r on average, by Spearman-Brown: k r / (1 + (k - 1) r),
// rounded down to four decimals. For k 7 and r .15, 1.05 / 1.9 gives 0.5526. A negative r with
// more items than itemLimit(r) is refused with the limit message.
Outcome reliabilityFromCorrelation(const SpearmanBrownFields& fields, const NumberLocale& locale);

}  // namespace calc

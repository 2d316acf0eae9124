#pragma once

#include <string>

#include "calc/numbers.h"
#include "calc/outcome.h"

namespace calc {

struct InterItemFields {
    std::string items;
    std::string alpha;
};

// The average inter-item correlation that alpha implies for k items, Spearman-Brown solved for
// r: alpha / (k - (k - 1) alpha), rounded down to four decimals. For k 6 and alpha .65,
// .65 / 2.75 gives 0.2363. A negative alpha is warned about before the result is written.
Outcome correlationFromAlpha(const InterItemFields& fields, const NumberLocale& locale);

}  // namespace calc

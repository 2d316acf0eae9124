#pragma once

#include <string>

#include "calc/numbers.h"
#include "calc/outcome.h"

namespace calc {

struct AlphaFields {
    std::string items;
    std::string scaleVariance;
    std::string sumOfItemVariances;
};

// Coefficient alpha from the number of items k, the scale variance and the sum of the item
// variances: ((scale - sum) x k) / ((k - 1) x scale), rounded down to four decimals and written
// as plain text. For k 6, scale variance 4.5 and sum 2.4 the product 12.6 over 22.5 gives 0.56.
Outcome alphaFromVariances(const AlphaFields& fields, const NumberLocale& locale);

}  // namespace calc

#pragma once

#include <string>

#include "calc/numbers.h"
#include "calc/outcome.h"

namespace calc {

struct ItemsNeededFields {
    std::string correlation;
    std::string desiredReliability;
};

// How many items reach a desired reliability rho when they correlate r on average:
// kx = rho (1 - r) / (r (1 - rho)), rounded up with a tolerance, |floor(kx + 0.999995)|.
// For r .2 and rho .8, kx is 16.000000000000007 and the count is 16, not 17. A negative r is
// warned about with its item limit, and a count beyond that limit is called invalid after it
// has been written.
Outcome itemsNeeded(const ItemsNeededFields& fields, const NumberLocale& locale);

}  // namespace calc

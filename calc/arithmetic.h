#pragma once

#include <cmath>

#include "calc/failure.h"

// Double arithmetic that fails where the classic run time raised an error: C++ gives an
// infinity or NaN instead, so each named operation checks its own result.
namespace calc::detail {

inline double finite(double value) {
    if (!std::isfinite(value)) {
        throw Failure("result beyond the range of a double");
    }
    return value;
}

inline double divide(double numerator, double denominator) {
    if (denominator == 0) {
        throw Failure("division by zero");
    }
    return finite(numerator / denominator);
}

}  // namespace calc::detail

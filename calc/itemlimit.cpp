#include "calc/itemlimit.h"

#include <cmath>

#include "calc/arithmetic.h"
#include "calc/numbers.h"

namespace calc {
namespace {

std::string limitStatement(double r, double limit) {
    return "For an inter-item correlation is " + signedText(r) + ", there must be " +
           signedText(limit);
}

}  // namespace

double itemLimit(double r) { return std::floor(detail::finite(detail::divide(-1, r) - 1)); }

std::string limitMessage(double r, double limit) {
    return limitStatement(r, limit) + " or fewer items.";
}

std::string limitExceededMessage(double r, double limit, double items) {
    return limitStatement(r, limit) + " or fewer items, therefore, " + signedText(items) +
           " is an invalid calculation.";
}

}  // namespace calc

#include "calc/itemsneeded.h"

#include <cmath>

#include "calc/arithmetic.h"
#include "calc/itemlimit.h"
#include "calc/messages.h"

namespace calc {

Outcome itemsNeeded(const ItemsNeededFields& fields, const NumberLocale& locale) {
    return runTrapped<Outcome>([&](Outcome& outcome) {
        if (fields.correlation.empty()) {
            return outcome.message(messages::kEnterCorrelation);
        }
        const double r = readNumber(fields.correlation, locale);
        if (r == 0) {
            return outcome.message(messages::kZeroCorrelation);
        }
        if (r < -1 || r > 1) {
            return outcome.message(messages::kCorrelationRange);
        }
        const bool negative = r < 0;
        const double limit = negative ? itemLimit(r) : 0;
        if (negative) {
            outcome.message(limitMessage(r, limit));
        }
        if (fields.desiredReliability.empty()) {
            return outcome.message(messages::kEnterDesiredReliability);
        }
        const double rho = readNumber(fields.desiredReliability, locale);
        if (rho < r || rho >= 1) {
            return outcome.message(messages::kDesiredReliabilityRange);
        }
        const double numerator = rho * (1 - r);
        const double denominator = r * (1 - rho);
        const double exactCount = detail::divide(numerator, denominator);
        // Counts a hair above a whole number, from rounding in the formula, are not rounded up.
        const double count = std::fabs(std::floor(exactCount + 0.999995));
        outcome.write(plainText(count, locale));
        if (negative && count > limit) {
            outcome.message(limitExceededMessage(r, limit, count));
        }
    });
}

}  // namespace calc

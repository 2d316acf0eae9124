#include "calc/spearmanbrown.h"

#include <cstdint>

#include "calc/arithmetic.h"
#include "calc/itemlimit.h"
#include "calc/messages.h"

namespace calc {

Outcome reliabilityFromCorrelation(const SpearmanBrownFields& fields, const NumberLocale& locale) {
    return runTrapped<Outcome>([&](Outcome& outcome) {
        if (fields.items.empty()) {
            return outcome.message(messages::kItemsPositive);
        }
        const std::int16_t k = readItemCount(fields.items, locale);
        if (k < 1) {
            return outcome.message(messages::kItemsPositive);
        }
        if (fields.correlation.empty()) {
            return outcome.message(messages::kEnterCorrelation);
        }
        const double r = readNumber(fields.correlation, locale);
        if (r < -1 || r > 1) {
            return outcome.message(messages::kCorrelationRange);
        }
        if (r < 0) {
            const double limit = itemLimit(r);
            if (limit < k) {
                return outcome.message(limitMessage(r, limit));
            }
        }
        const double numerator = k * r;
        const std::int16_t itemsLessOne = static_cast<std::int16_t>(k - 1);
        const double denominator = 1 + itemsLessOne * r;
        const double reliability = detail::divide(numerator, denominator);
        outcome.write(plainText(floorToFourPlaces(reliability), locale));
    });
}

}  // namespace calc

#include "calc/alpha.h"

#include <cstdint>

#include "calc/arithmetic.h"
#include "calc/messages.h"

namespace calc {

Outcome alphaFromVariances(const AlphaFields& fields, const NumberLocale& locale) {
    return runTrapped<Outcome>([&](Outcome& outcome) {
        if (fields.items.empty()) {
            return outcome.message(messages::kItemsPositive);
        }
        const std::int16_t k = readItemCount(fields.items, locale);
        if (k < 1) {
            return outcome.message(messages::kItemsPositive);
        }
        if (fields.scaleVariance.empty()) {
            return outcome.message(messages::kVariancesPositive);
        }
        const double scale = readNumber(fields.scaleVariance, locale);
        if (scale <= 0) {
            return outcome.message(messages::kVariancesPositive);
        }
        if (fields.sumOfItemVariances.empty()) {
            return outcome.message(messages::kVariancesPositive);
        }
        const double sum = readNumber(fields.sumOfItemVariances, locale);
        if (sum <= 0) {
            return outcome.message(messages::kVariancesPositive);
        }
        const double numerator = detail::finite(detail::finite(scale - sum) * k);
        const std::int16_t itemsLessOne = static_cast<std::int16_t>(k - 1);
        const double denominator = detail::finite(itemsLessOne * scale);
        const double alpha = detail::divide(numerator, denominator);
        outcome.write(plainText(floorToFourPlaces(alpha), locale));
    });
}

}  // namespace calc

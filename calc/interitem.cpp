#include "calc/interitem.h"

#include <cstdint>

#include "calc/arithmetic.h"
#include "calc/messages.h"

namespace calc {

Outcome correlationFromAlpha(const InterItemFields& fields, const NumberLocale& locale) {
    return runTrapped<Outcome>([&](Outcome& outcome) {
        if (fields.items.empty()) {
            return outcome.message(messages::kItemsPositive);
        }
        const std::int16_t k = readItemCount(fields.items, locale);
        if (k < 1) {
            return outcome.message(messages::kItemsPositive);
        }
        if (fields.alpha.empty()) {
            return outcome.message(messages::kEnterAlpha);
        }
        const double alpha = readNumber(fields.alpha, locale);
        if (alpha > 1 || alpha < -1) {
            return outcome.message(messages::kAlphaRange);
        }
        if (alpha < 0) {
            outcome.message(messages::kNegativeAlpha);
        }
        const std::int16_t itemsLessOne = static_cast<std::int16_t>(k - 1);
        const double denominator = k - itemsLessOne * alpha;
        const double r = detail::divide(alpha, denominator);
        outcome.write(plainText(floorToFourPlaces(r), locale));
    });
}

}  // namespace calc

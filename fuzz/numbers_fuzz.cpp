// The number rules on any text: a text either fails or reads as a finite number made only of
// what a number is written with, and every rule built on reading agrees with the reading.

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "calc/failure.h"
#include "calc/numbers.h"
#include "fuzz/fuzzing.h"

namespace {

using fuzzing::require;

template <class Rule>
auto attempt(Rule rule) -> std::optional<decltype(rule())> {
    try {
        return rule();
    } catch (const calc::Failure&) {
        return std::nullopt;
    }
}

bool onlyNumberCharacters(std::string_view text, const calc::NumberLocale& locale) {
    const std::string allowed = "0123456789+-.eE \t" + locale.decimalSeparator;
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

void checkTextForms(double x, const calc::NumberLocale& locale) {
    const std::string plain = calc::plainText(x, locale);
    const auto again = attempt([&] { return calc::readNumber(plain, locale); });
    require(again.has_value(), "plain text does not read back", plain);
    require(calc::plainText(*again, locale) == plain, "plain text not stable", plain);
    const std::string sign = calc::signedText(x);
    const auto signedValue = attempt([&] { return calc::readNumber(sign, {}); });
    require(signedValue == again, "signed and plain text disagree", sign);

    const std::string fourPlaces = calc::fourPlaceText(x);
    const auto rounded = attempt([&] { return calc::readNumber(fourPlaces, {}); });
    require(rounded.has_value(), "four-place text does not read back", fourPlaces);
    require(std::fabs(*rounded - x) <= 5e-5 + std::fabs(x) * 1e-14, "four-place text too far",
            fourPlaces);
}

void checkRoundings(double x, std::string_view text, const calc::NumberLocale& locale) {
    if (const auto count = attempt([&] { return calc::readItemCount(text, locale); })) {
        require(std::fabs(*count - x) <= 0.5, "item count not the nearest integer");
    } else {
        require(std::fabs(x) >= 32767.5, "item count in 16 bits refused");
    }
    if (const auto bound = attempt([&] { return calc::readRangeBound(text, locale); })) {
        require(*bound <= x && x < *bound + 1, "range bound not the floor");
    } else {
        require(x < -32768 || x >= 32768, "range bound in 16 bits refused");
    }
    if (const auto floored = attempt([&] { return calc::floorToFourPlaces(x); })) {
        const double slack = std::fabs(x) * 1e-15;
        require(*floored <= x + slack && x - *floored <= 1e-4 + slack, "not floored to 1e-4");
    } else {
        require(std::fabs(x) > 1e300, "floor to four places refused a moderate number");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const auto x = attempt([&] { return calc::readNumber(text, locale); });
        if (!x) {
            require(!attempt([&] { return calc::readItemCount(text, locale); }),
                    "item count read from a non-number");
            continue;
        }
        require(std::isfinite(*x), "reading gave a non-finite number");
        require(onlyNumberCharacters(text, locale), "a non-number read as a number");
        require(attempt([&] { return calc::readNumber(text, locale); }) == x, "not repeatable");
        checkTextForms(*x, locale);
        checkRoundings(*x, text, locale);
    }
    return 0;
}

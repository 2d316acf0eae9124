#include "calc/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "calc/failure.h"

namespace calc {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

[[noreturn]] void notANumber() { throw Failure("not a number"); }

constexpr long long kExponentBound = 1'000'000'000'000'000;

// The pieces of a number as the user typed it, already checked against the grammar.
struct NumberText {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    // Clamped beyond any text's length, so that it cannot overflow and still outweighs any
    // number of leading zeros a text can hold.
    long long exponent = 0;
};

bool consume(std::string_view& rest, std::string_view token) {
    if (token.empty() || !rest.starts_with(token)) {
        return false;
    }
    rest.remove_prefix(token.size());
    return true;
}

std::string takeDigits(std::string_view& rest) {
    std::string digits;
    while (!rest.empty() && isDigit(rest.front())) {
        digits += rest.front();
        rest.remove_prefix(1);
    }
    return digits;
}

NumberText splitNumber(std::string_view text, const NumberLocale& locale) {
    std::string_view rest = trimBlanks(text);
    NumberText number;
    if (consume(rest, "-")) {
        number.negative = true;
    } else {
        consume(rest, "+");
    }
    number.integerDigits = takeDigits(rest);
    if (consume(rest, ".") || consume(rest, locale.decimalSeparator)) {
        number.fractionDigits = takeDigits(rest);
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) {
        notANumber();
    }
    if (consume(rest, "e") || consume(rest, "E")) {
        bool negativeExponent = consume(rest, "-");
        if (!negativeExponent) {
            consume(rest, "+");
        }
        std::string digits = takeDigits(rest);
        if (digits.empty()) {
            notANumber();
        }
        for (char d : digits) {
            number.exponent = std::min(number.exponent * 10 + (d - '0'), kExponentBound);
        }
        if (negativeExponent) {
            number.exponent = -number.exponent;
        }
    }
    if (!rest.empty()) {
        notANumber();
    }
    return number;
}

// The significant digits of a number and the place of the first: 1.5 is 0.15 times ten to 1,
// 0.05 is 0.5 times ten to -1. Writing the number this way keeps the exponent handed to the
// conversion small however many zeros the text holds before its first significant digit.
struct Significand {
    std::string digits;  // empty for zero
    long long place = 0;
};

Significand significand(const NumberText& number) {
    const std::string digits = number.integerDigits + number.fractionDigits;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};
    }
    const auto integerPlaces = static_cast<long long>(number.integerDigits.size());
    return {digits.substr(first), integerPlaces - static_cast<long long>(first) + number.exponent};
}

// No double needs more than 767 significant digits to be told from its neighbours: the first
// 799 stand for the rest, with one more that is not zero if any of the rest is not, so that the
// C library is never handed a mebibyte of digits (some read one as infinity).
std::string roundingDigits(const std::string& digits) {
    constexpr std::size_t kKept = 799;
    if (digits.size() <= kKept) {
        return digits;
    }
    std::string kept = digits.substr(0, kKept);
    if (digits.find_first_not_of('0', kKept) != std::string::npos) {
        kept += '1';
    }
    return kept;
}

}  // namespace

double readNumber(std::string_view text, const NumberLocale& locale) {
    const NumberText number = splitNumber(text, locale);
    const double zero = number.negative ? -0.0 : 0.0;
    const Significand significant = significand(number);
    // Beyond these places the value is certain to overflow, or to be too small for a double.
    if (significant.digits.empty() || significant.place < -400) {
        return zero;
    }
    if (significant.place > 400) {
        throw Failure("number beyond the range of a double");
    }
    // Digits and exponent without a decimal separator: the C library reads them alike under any
    // locale, and every toolchain Mirtavo is built with has a correctly rounding strtod.
    const std::string digits = roundingDigits(significant.digits);
    const auto exponent = significant.place - static_cast<long long>(digits.size());
    const std::string plain = digits + "e" + std::to_string(exponent);
    errno = 0;
    char* end = nullptr;
    const double magnitude = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size()) {
        notANumber();
    }
    if (errno == ERANGE && magnitude > 1) {
        throw Failure("number beyond the range of a double");
    }
    return number.negative ? -magnitude : magnitude;
}

std::int16_t readItemCount(std::string_view text, const NumberLocale& locale) {
    const double value = readNumber(text, locale);
    if (!(std::fabs(value) < 65536)) {
        throw Failure("item count outside 16 bits");
    }
    // Round half to even by hand: the result must not depend on the floating-point mode.
    const double below = std::floor(value);
    const double excess = value - below;
    double rounded = below;
    if (excess > 0.5 || (excess == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1;
    }
    if (rounded < -32768 || rounded > 32767) {
        throw Failure("item count outside 16 bits");
    }
    return static_cast<std::int16_t>(rounded);
}

std::int16_t readRangeBound(std::string_view text, const NumberLocale& locale) {
    const double bound = std::floor(readNumber(text, locale));
    if (bound < -32768 || bound > 32767) {
        throw Failure("range bound outside 16 bits");
    }
    return static_cast<std::int16_t>(bound);
}

double floorToFourPlaces(double x) {
    const double scaled = x * 10000;
    if (!std::isfinite(scaled)) {
        throw Failure("result beyond the range of a double");
    }
    return std::floor(scaled) / 10000;
}

}  // namespace calc

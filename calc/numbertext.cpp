#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "calc/numbers.h"

namespace calc {
namespace {

// A double as the 15 significant digits it is shown with: value = 0.digits x 10^(exponent + 1),
// digits without trailing zeros. Zero has the digits "0".
struct Digits15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Whole numbers below 10^15 are their own 15-digit text; they skip the general formatting, which
// matters for the table's column of item counts.
bool isSmallWholeNumber(double x) { return std::fabs(x) < 1e15 && x == std::trunc(x); }

std::string wholeNumberDigits(double x) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<long long>(std::fabs(x)));
    return {buffer.data(), result.ptr};
}

Digits15 toDigits15(double x) {
    Digits15 d;
    if (x == 0) {  // also -0, which is shown as plain zero
        d.digits = "0";
        return d;
    }
    d.negative = x < 0;
    if (isSmallWholeNumber(x)) {
        d.digits = wholeNumberDigits(x);
        d.exponent = static_cast<int>(d.digits.size()) - 1;
        d.digits.erase(d.digits.find_last_not_of('0') + 1);
        return d;
    }
    // printf rounds correctly on every toolchain Mirtavo is built with; the separator it writes
    // is the C locale's, which the toolkit may have set to the user's, so only the digits are
    // taken from its "d.dddddddddddddde+XX".
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.14e", std::fabs(x));
    const std::string_view text(buffer.data());
    const auto e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            d.digits += c;
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    d.exponent = std::stoi(std::string(text.substr(e + 1)));
    return d;
}

bool needsExponentForm(const Digits15& d) { return d.exponent >= 15 || d.exponent < -4; }

// 1E+15, 1.5E-05: the mantissa as the positional form would write it, and at least two exponent
// digits.
std::string exponentForm(const Digits15& d, const std::string& separator) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += separator + d.digits.substr(1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    text += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    return text;
}

// The digits with the separator in place; a magnitude below 1 gets `zeroBeforeSeparator` in
// front ("0" in plain text, nothing in signed text).
std::string positionalForm(const Digits15& d, const std::string& separator,
                           const std::string& zeroBeforeSeparator) {
    if (d.exponent < 0) {
        return zeroBeforeSeparator + separator + std::string(-d.exponent - 1, '0') + d.digits;
    }
    const auto wholeDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= wholeDigits) {
        return d.digits + std::string(wholeDigits - d.digits.size(), '0');
    }
    return d.digits.substr(0, wholeDigits) + separator + d.digits.substr(wholeDigits);
}

// Adds one to a string of decimal digits, growing it when the carry runs off the front.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string plainText(double x, const NumberLocale& locale) {
    const Digits15 d = toDigits15(x);
    const std::string sign = d.negative ? "-" : "";
    if (needsExponentForm(d)) {
        return sign + exponentForm(d, locale.decimalSeparator);
    }
    return sign + positionalForm(d, locale.decimalSeparator, "0");
}

std::string signedText(double x) {
    const Digits15 d = toDigits15(x);
    const std::string sign = d.negative ? "-" : " ";
    if (needsExponentForm(d)) {
        return sign + exponentForm(d, ".");
    }
    return sign + positionalForm(d, ".", "");
}

std::string fourPlaceText(double x) {
    const Digits15 d = toDigits15(x);
    // All digits of the 15-digit text down to the fifth decimal, with the point four places from
    // the end of `rounded` once the fifth decimal is taken off.
    const int wholeDigits = std::max(d.exponent + 1, 0);
    std::string all = std::string(std::max(-(d.exponent + 1), 0), '0') + d.digits;
    all.resize(static_cast<std::size_t>(wholeDigits) + 5, '0');
    std::string rounded = all.substr(0, all.size() - 1);
    if (all.back() >= '5') {
        incrementDigits(rounded);
    }
    std::string whole = rounded.substr(0, rounded.size() - 4);
    whole.erase(0, whole.find_first_not_of('0'));
    const std::string decimals = rounded.substr(rounded.size() - 4);
    const bool isZero = whole.empty() && decimals == "0000";
    return (d.negative && !isZero ? "-" : "") + whole + "." + decimals;
}

}  // namespace calc

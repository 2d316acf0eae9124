#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// How the user's locale writes numbers. Passed in, never read from a global, so that every rule
// below gives the same answer in a test as on the user's desktop.
struct NumberLocale {
    std::string decimalSeparator = ".";
};

// Reads a field's text as a double: blanks around the number, an optional sign, digits with an
// optional decimal separator (the point, or the locale's own), an optional exponent. Anything
// else fails, and so do infinities, NaN and values beyond the range of a double; a value too
// small for a double reads as zero. Thousands separators fail rather than risk reading "1,5"
// as fifteen.
//
//   readNumber(" -.25 ", {}) == -0.25;   readNumber("1e3", {}) == 1000;   readNumber(" ", {}) fails
double readNumber(std::string_view text, const NumberLocale& locale);

// An item count: the number rounded to the nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4), which must fit 16 bits.
std::int16_t readItemCount(std::string_view text, const NumberLocale& locale);

// A bound of the table's range: the floor of the number (2.9 -> 2, -0.5 -> -1), which must fit
// 16 bits.
std::int16_t readRangeBound(std::string_view text, const NumberLocale& locale);

// Rounds down to four decimals: floor(x * 10000) / 10000, so -0.12345 -> -0.1235 and
// 0.56789 -> 0.5678. A product beyond the range of a double fails.
double floorToFourPlaces(double x);

// The shortest text of x in at most 15 significant digits, with the locale's separator and a
// leading zero: 0.56, -0.0715, 16. Exponent form (1E+15, 1.5E-05) only where the positional
// form could not show the value in 15 digits.
std::string plainText(double x, const NumberLocale& locale);

// As plainText, but with a blank in the sign position of a number of zero or more, always a
// point, and no zero before it: " .15", "-.2", " 6".
std::string signedText(double x);

// The value of the 15-digit text of x with exactly four decimals, a 5 in the fifth decimal
// rounding up, and no zero before the point: 0.461538461538462 -> ".4615", 1 -> "1.0000",
// 0 -> ".0000".
std::string fourPlaceText(double x);

}  // namespace calc

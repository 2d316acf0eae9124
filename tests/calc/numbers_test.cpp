#include "calc/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/failure.h"

namespace calc {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

struct ReadCase {
    const char* text;
    double value;
};

class ReadsNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsNumber, AsTheUserMeantIt) {
    EXPECT_DOUBLE_EQ(readNumber(GetParam().text, kPoint), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Number, ReadsNumber,
                         testing::Values(ReadCase{"6", 6}, ReadCase{"4.5", 4.5},
                                         ReadCase{".15", 0.15}, ReadCase{"-.2", -0.2},
                                         ReadCase{"-.20", -0.2}, ReadCase{"+3", 3},
                                         ReadCase{"  2.4  ", 2.4}, ReadCase{"\t7", 7},
                                         ReadCase{"5.", 5}, ReadCase{"1e3", 1000},
                                         ReadCase{"1E-2", 0.01}, ReadCase{"-2.5e+1", -25},
                                         ReadCase{"0.0", 0}, ReadCase{"007", 7},
                                         ReadCase{"1e-400", 0}, ReadCase{"1.7e308", 1.7e308}));

class RefusesNumber : public testing::TestWithParam<const char*> {};

TEST_P(RefusesNumber, AsFailure) { EXPECT_THROW(readNumber(GetParam(), kPoint), Failure); }

INSTANTIATE_TEST_SUITE_P(Number, RefusesNumber,
                         testing::Values("", " ", "   ", "abc", "1,5", "1.2.3", "inf", "-inf",
                                         "nan", "1e", "e5", ".", "-", "+", "1e400", "-1e400",
                                         "0x10", "1 2", "- 5", "5-", "1..2", "1e+", "1.5.", "12abc",
                                         "1e5.5",
                                         "\xc2\xa0"
                                         "1",
                                         "1\n"));

TEST(Number, AcceptsTheLocaleSeparatorBesideThePoint) {
    EXPECT_DOUBLE_EQ(readNumber("1,5", kComma), 1.5);
    EXPECT_DOUBLE_EQ(readNumber("1.5", kComma), 1.5);
    EXPECT_DOUBLE_EQ(readNumber(",25", kComma), 0.25);
    EXPECT_THROW(readNumber("1,5,0", kComma), Failure);
    EXPECT_THROW(readNumber("1.000,5", kComma), Failure);
}

// A mebibyte pasted into a field is read like any other text, in one pass.
TEST(Number, ReadsAMebibyteOfTextByTheSameRules) {
    const std::string digits(1 << 20, '9');
    const std::string zeros(1 << 20, '0');
    EXPECT_THROW(readNumber(digits, kPoint), Failure);
    EXPECT_THROW(readNumber(std::string(1 << 20, ' '), kPoint), Failure);
    EXPECT_THROW(readNumber(digits + "x", kPoint), Failure);
    EXPECT_DOUBLE_EQ(readNumber("0." + digits, kPoint), 1);
    EXPECT_DOUBLE_EQ(readNumber(zeros + "25", kPoint), 25);
    EXPECT_DOUBLE_EQ(readNumber("." + zeros + "5e1048578", kPoint), 50);
    EXPECT_DOUBLE_EQ(readNumber("1e-" + digits, kPoint), 0);
    EXPECT_THROW(readNumber("1e" + digits, kPoint), Failure);
}

// 1 + 2^-53 lies halfway between 1 and the next double: exactly it rounds to the even 1, and any
// digit beyond it that is not zero, however far out, tips it up.
TEST(Number, RoundsByEveryDigitHoweverFarOut) {
    const std::string halfway = "1.00000000000000011102230246251565404236316680908203125";
    const std::string farOut(1000, '0');
    EXPECT_EQ(readNumber(halfway + farOut, kPoint), 1.0);
    EXPECT_EQ(readNumber(halfway + farOut + "1", kPoint), std::nextafter(1.0, 2.0));
}

TEST(Number, ReadsAMultiByteLocaleSeparator) {
    const NumberLocale arabic{"\xd9\xab"};  // U+066B ARABIC DECIMAL SEPARATOR
    EXPECT_DOUBLE_EQ(readNumber("1\xd9\xab"
                                "5",
                                arabic),
                     1.5);
}

struct CountCase {
    const char* text;
    int count;
};

class ItemCount : public testing::TestWithParam<CountCase> {};

TEST_P(ItemCount, RoundsHalvesToEven) {
    EXPECT_EQ(readItemCount(GetParam().text, kPoint), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Count, ItemCount,
                         testing::Values(CountCase{"2.5", 2}, CountCase{"3.5", 4},
                                         CountCase{"0.5", 0}, CountCase{"1.5", 2},
                                         CountCase{"-2.5", -2}, CountCase{"-3.5", -4},
                                         CountCase{"2.4999", 2}, CountCase{"2.5001", 3},
                                         CountCase{"6", 6}, CountCase{"32767", 32767},
                                         CountCase{"32767.4", 32767}, CountCase{"-32768", -32768},
                                         CountCase{"-32768.5", -32768}, CountCase{"-0.4", 0}));

TEST(ItemCount, FailsOutside16Bits) {
    for (const char* text :
         {"32767.5", "32768", "40000", "-32768.6", "-32769", "1e10", "abc", " "}) {
        EXPECT_THROW(readItemCount(text, kPoint), Failure) << text;
    }
}

struct BoundCase {
    const char* text;
    int bound;
};

class RangeBound : public testing::TestWithParam<BoundCase> {};

TEST_P(RangeBound, IsTheFloor) {
    EXPECT_EQ(readRangeBound(GetParam().text, kPoint), GetParam().bound);
}

INSTANTIATE_TEST_SUITE_P(Bound, RangeBound,
                         testing::Values(BoundCase{"2.9", 2}, BoundCase{"0.5", 0},
                                         BoundCase{"-0.5", -1}, BoundCase{"0.9", 0},
                                         BoundCase{"3.7", 3}, BoundCase{"32767.9", 32767},
                                         BoundCase{"-32768", -32768}));

TEST(RangeBound, FailsOutside16Bits) {
    for (const char* text : {"32768", "40000", "-32768.1", "abc"}) {
        EXPECT_THROW(readRangeBound(text, kPoint), Failure) << text;
    }
}

struct FloorCase {
    double value;
    double floored;
};

class FloorToFourPlaces : public testing::TestWithParam<FloorCase> {};

TEST_P(FloorToFourPlaces, RoundsDown) {
    EXPECT_EQ(floorToFourPlaces(GetParam().value), GetParam().floored);
}

INSTANTIATE_TEST_SUITE_P(
    Floor, FloorToFourPlaces,
    testing::Values(FloorCase{0.56789, 0.5678}, FloorCase{-0.12345, -0.1235},
                    FloorCase{0.5600000000000001, 0.56}, FloorCase{-2.0000000000000004, -2.0001},
                    // 0.57 x 10000 is 5699.999999999999 in doubles, just under a whole number.
                    FloorCase{0.57, 0.5699}, FloorCase{0.5526315789473685, 0.5526},
                    FloorCase{-0.07142857142857142, -0.0715}, FloorCase{1, 1}, FloorCase{0, 0},
                    FloorCase{-4, -4}));

TEST(FloorToFourPlaces, FailsBeyondTheRangeOfADouble) {
    EXPECT_THROW(floorToFourPlaces(1e305), Failure);
    EXPECT_THROW(floorToFourPlaces(-std::numeric_limits<double>::max()), Failure);
}

struct TextCase {
    double value;
    const char* text;
};

class PlainText : public testing::TestWithParam<TextCase> {};

TEST_P(PlainText, ShowsUpTo15Digits) {
    EXPECT_EQ(plainText(GetParam().value, kPoint), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, PlainText,
    testing::Values(TextCase{0.56, "0.56"}, TextCase{-4, "-4"}, TextCase{0, "0"},
                    TextCase{-0.0, "0"}, TextCase{0.8333, "0.8333"}, TextCase{-0.0715, "-0.0715"},
                    TextCase{16, "16"}, TextCase{989901, "989901"}, TextCase{-2.0001, "-2.0001"},
                    TextCase{0.1 + 0.2, "0.3"}, TextCase{2.0 / 3, "0.666666666666667"},
                    TextCase{123456789012345, "123456789012345"}, TextCase{1e15, "1E+15"},
                    TextCase{999999999999999.9, "1E+15"}, TextCase{1.5e20, "1.5E+20"},
                    TextCase{1e100, "1E+100"}, TextCase{0.0001, "0.0001"},
                    TextCase{0.00001, "1E-05"}, TextCase{-1.5e-7, "-1.5E-07"},
                    TextCase{1e-300, "1E-300"}, TextCase{100, "100"}));

TEST(PlainText, UsesTheLocaleSeparator) {
    EXPECT_EQ(plainText(0.56, kComma), "0,56");
    EXPECT_EQ(plainText(-1.5e-5, kComma), "-1,5E-05");
    EXPECT_EQ(plainText(16, kComma), "16");
}

class SignedText : public testing::TestWithParam<TextCase> {};

TEST_P(SignedText, PutsABlankForThePlusSign) {
    EXPECT_EQ(signedText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Text, SignedText,
                         testing::Values(TextCase{0.15, " .15"}, TextCase{-0.2, "-.2"},
                                         TextCase{6, " 6"}, TextCase{0, " 0"}, TextCase{-0.0, " 0"},
                                         TextCase{-1, "-1"}, TextCase{4, " 4"},
                                         TextCase{32767, " 32767"},
                                         TextCase{6.0 / 13, " .461538461538462"},
                                         TextCase{1e15, " 1E+15"}, TextCase{-1.5e-5, "-1.5E-05"},
                                         TextCase{12.5, " 12.5"}));

class FourPlaceText : public testing::TestWithParam<TextCase> {};

TEST_P(FourPlaceText, RoundsThe15DigitTextHalfUp) {
    EXPECT_EQ(fourPlaceText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FourPlaceText,
    testing::Values(TextCase{0.3, ".3000"}, TextCase{6.0 / 13, ".4615"}, TextCase{0.5625, ".5625"},
                    TextCase{0, ".0000"}, TextCase{1, "1.0000"}, TextCase{0.99995, "1.0000"},
                    TextCase{0.99994999, ".9999"}, TextCase{0.00005, ".0001"},
                    TextCase{0.00001, ".0000"},
                    // The double nearest 0.46155 lies below it; its 15-digit text does not.
                    TextCase{0.46155, ".4616"}, TextCase{12.34565, "12.3457"},
                    TextCase{-0.5, "-.5000"}, TextCase{-0.00001, ".0000"},
                    TextCase{9.99996, "10.0000"}));

}  // namespace
}  // namespace calc

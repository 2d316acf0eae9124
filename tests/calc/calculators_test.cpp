// The four single-result computations, each a table of fields and the steps they must produce.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/alpha.h"
#include "calc/interitem.h"
#include "calc/itemsneeded.h"
#include "calc/messages.h"
#include "calc/spearmanbrown.h"
#include "steps.h"

namespace calc {
namespace {

using Steps = std::vector<Step>;
namespace m = messages;

const NumberLocale kPoint{"."};

struct AlphaCase {
    AlphaFields fields;
    Steps steps;
};

class Alpha : public testing::TestWithParam<AlphaCase> {};

TEST_P(Alpha, ChecksInOrderThenWritesTheFlooredResult) {
    EXPECT_EQ(alphaFromVariances(GetParam().fields, kPoint).steps, GetParam().steps);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Variances, Alpha,
    testing::Values(
        AlphaCase{{"6", "4.5", "2.4"}, {writes("0.56")}},
        AlphaCase{{"10", "20", "5"}, {writes("0.8333")}},
        AlphaCase{{"2", "1", "3"}, {writes("-4")}},
        AlphaCase{{"3", "2", "2"}, {writes("0")}},
        AlphaCase{{"1.5", "20", "5"}, {writes("1.5")}},
        AlphaCase{{"1", "4.5", "2.4"}, {shows(m::kErrorTrap)}},
        AlphaCase{{"0.5", "4.5", "2.4"}, {shows(m::kItemsPositive)}},
        AlphaCase{{"", "", ""}, {shows(m::kItemsPositive)}},
        AlphaCase{{"0", "4.5", "2.4"}, {shows(m::kItemsPositive)}},
        AlphaCase{{"-3", "4.5", "2.4"}, {shows(m::kItemsPositive)}},
        AlphaCase{{"abc", "", ""}, {shows(m::kErrorTrap)}},
        AlphaCase{{"32768", "4.5", "2.4"}, {shows(m::kErrorTrap)}},
        AlphaCase{{"6", "", ""}, {shows(m::kVariancesPositive)}},
        AlphaCase{{"6", "-1", "2.4"}, {shows(m::kVariancesPositive)}},
        AlphaCase{{"6", "0", "2.4"}, {shows(m::kVariancesPositive)}},
        AlphaCase{{"6", " ", "2.4"}, {shows(m::kErrorTrap)}},
        AlphaCase{{"6", "word", "2.4"}, {shows(m::kErrorTrap)}},
        AlphaCase{{"6", "4.5", ""}, {shows(m::kVariancesPositive)}},
        AlphaCase{{"6", "4.5", "0"}, {shows(m::kVariancesPositive)}},
        AlphaCase{{"6", "4.5", "word"}, {shows(m::kErrorTrap)}},
        // An overflowing product fails rather than showing an infinity.
        AlphaCase{{"32767", "1e308", "1e-308"}, {shows(m::kErrorTrap)}},
        AlphaCase{{"2", "1e-320", "1e300"}, {shows(m::kErrorTrap)}}));
// clang-format on

struct SpearmanBrownCase {
    SpearmanBrownFields fields;
    Steps steps;
};

class SpearmanBrown : public testing::TestWithParam<SpearmanBrownCase> {};

TEST_P(SpearmanBrown, ChecksInOrderThenWritesTheFlooredResult) {
    EXPECT_EQ(reliabilityFromCorrelation(GetParam().fields, kPoint).steps, GetParam().steps);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    InterItemR, SpearmanBrown,
    testing::Values(
        SpearmanBrownCase{{"7", ".15"}, {writes("0.5526")}},
        // -2.0000000000000004 before rounding, so the floor lands below -2.
        SpearmanBrownCase{{"4", "-0.2"}, {writes("-2.0001")}},
        SpearmanBrownCase{{"6", "-0.2"},
                          {shows("For an inter-item correlation is -.2, there must be  4 or "
                                 "fewer items.")}},
        SpearmanBrownCase{{"5", "-0.2"},
                          {shows("For an inter-item correlation is -.2, there must be  4 or "
                                 "fewer items.")}},
        SpearmanBrownCase{{"6", "-.20"},
                          {shows("For an inter-item correlation is -.2, there must be  4 or "
                                 "fewer items.")}},
        SpearmanBrownCase{{"2", "-0.5"},
                          {shows("For an inter-item correlation is -.5, there must be  1 or "
                                 "fewer items.")}},
        SpearmanBrownCase{{"1", "-0.5"}, {writes("-0.5")}},
        SpearmanBrownCase{{"1", "-1"},
                          {shows("For an inter-item correlation is -1, there must be  0 or "
                                 "fewer items.")}},
        SpearmanBrownCase{{"10", "-0.1"}, {shows("For an inter-item correlation is -.1, there "
                                                 "must be  9 or fewer items.")}},
        SpearmanBrownCase{{"5", "-0.15"}, {writes("-1.875")}},
        SpearmanBrownCase{{"3", "0"}, {writes("0")}},
        SpearmanBrownCase{{"3", "0.0"}, {writes("0")}},
        SpearmanBrownCase{{"32767", "1"}, {writes("1")}},
        SpearmanBrownCase{{"1", "1"}, {writes("1")}},
        SpearmanBrownCase{{"2.5", ".15"}, {writes("0.2608")}},
        SpearmanBrownCase{{"5", "1.5"}, {shows(m::kCorrelationRange)}},
        SpearmanBrownCase{{"5", "-1.5"}, {shows(m::kCorrelationRange)}},
        SpearmanBrownCase{{"", ""}, {shows(m::kItemsPositive)}},
        SpearmanBrownCase{{"0", ".2"}, {shows(m::kItemsPositive)}},
        SpearmanBrownCase{{"-3", ".2"}, {shows(m::kItemsPositive)}},
        SpearmanBrownCase{{"5", ""}, {shows(m::kEnterCorrelation)}},
        SpearmanBrownCase{{"5", "word"}, {shows(m::kErrorTrap)}},
        SpearmanBrownCase{{"word", ""}, {shows(m::kErrorTrap)}},
        SpearmanBrownCase{{"99999", ".2"}, {shows(m::kErrorTrap)}},
        // -1 / r overflows for the smallest negative r: the limit cannot be computed.
        SpearmanBrownCase{{"2", "-5e-324"}, {shows(m::kErrorTrap)}}));
// clang-format on

struct InterItemCase {
    InterItemFields fields;
    Steps steps;
};

class InterItem : public testing::TestWithParam<InterItemCase> {};

TEST_P(InterItem, ChecksInOrderThenWritesTheFlooredResult) {
    EXPECT_EQ(correlationFromAlpha(GetParam().fields, kPoint).steps, GetParam().steps);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FromAlpha, InterItem,
    testing::Values(InterItemCase{{"6", ".65"}, {writes("0.2363")}},
                    InterItemCase{{"10", ".8"}, {writes("0.2857")}},
                    InterItemCase{{"5", "-.5"}, {shows(m::kNegativeAlpha), writes("-0.0715")}},
                    InterItemCase{{"3", "-1"}, {shows(m::kNegativeAlpha), writes("-0.2")}},
                    InterItemCase{{"1", ".7"}, {writes("0.7")}},
                    InterItemCase{{"9", "1"}, {writes("1")}},
                    InterItemCase{{"9", "0"}, {writes("0")}},
                    InterItemCase{{"9", "1.0001"}, {shows(m::kAlphaRange)}},
                    InterItemCase{{"9", "-1.0001"}, {shows(m::kAlphaRange)}},
                    InterItemCase{{"", ".7"}, {shows(m::kItemsPositive)}},
                    InterItemCase{{"0.5", ".7"}, {shows(m::kItemsPositive)}},
                    InterItemCase{{"1.5", ".65"}, {writes("0.4814")}},
                    InterItemCase{{"abc", ""}, {shows(m::kErrorTrap)}},
                    InterItemCase{{"32768", ""}, {shows(m::kErrorTrap)}},
                    InterItemCase{{"6", ""}, {shows(m::kEnterAlpha)}},
                    InterItemCase{{"6", "word"}, {shows(m::kErrorTrap)}}));
// clang-format on

struct ItemsNeededCase {
    ItemsNeededFields fields;
    Steps steps;
};

class ItemsNeeded : public testing::TestWithParam<ItemsNeededCase> {};

TEST_P(ItemsNeeded, ChecksInOrderThenWritesTheCount) {
    EXPECT_EQ(itemsNeeded(GetParam().fields, kPoint).steps, GetParam().steps);
}

const std::string kLimitFour =
    "For an inter-item correlation is -.2, there must be  4 or fewer items.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Count, ItemsNeeded,
    testing::Values(
        // 16.000000000000007 lies within the tolerance of 16.
        ItemsNeededCase{{".2", ".8"}, {writes("16")}},
        ItemsNeededCase{{".15", ".68"}, {writes("13")}},
        ItemsNeededCase{{".25", ".75"}, {writes("9")}},
        ItemsNeededCase{{".3", ".3"}, {writes("1")}},
        // 989900.9999999991 also lies within it.
        ItemsNeededCase{{".0001", ".99"}, {writes("989901")}},
        ItemsNeededCase{{"-.2", ".5"},
                        {shows(kLimitFour), writes("6"),
                         shows("For an inter-item correlation is -.2, there must be  4 or fewer "
                               "items, therefore,  6 is an invalid calculation.")}},
        ItemsNeededCase{{"-.2", "-.1"}, {shows(kLimitFour), writes("1")}},
        ItemsNeededCase{{"-.2", "0"}, {shows(kLimitFour), writes("0")}},
        ItemsNeededCase{{"-1", ".5"},
                        {shows("For an inter-item correlation is -1, there must be  0 or fewer "
                               "items."),
                         writes("2"),
                         shows("For an inter-item correlation is -1, there must be  0 or fewer "
                               "items, therefore,  2 is an invalid calculation.")}},
        ItemsNeededCase{{"0", ".5"}, {shows(m::kZeroCorrelation)}},
        ItemsNeededCase{{"0.0", ".5"}, {shows(m::kZeroCorrelation)}},
        ItemsNeededCase{{"1", ".5"}, {shows(m::kDesiredReliabilityRange)}},
        ItemsNeededCase{{"1", "1"}, {shows(m::kDesiredReliabilityRange)}},
        ItemsNeededCase{{"0.2", ".9"}, {writes("36")}},
        ItemsNeededCase{{"-0.2", "-0.1"}, {shows(kLimitFour), writes("1")}},
        ItemsNeededCase{{"0.3", "0.25"}, {shows(m::kDesiredReliabilityRange)}},
        ItemsNeededCase{{"0.3", "1"}, {shows(m::kDesiredReliabilityRange)}},
        ItemsNeededCase{{"1.5", ".5"}, {shows(m::kCorrelationRange)}},
        ItemsNeededCase{{"-1.5", ".5"}, {shows(m::kCorrelationRange)}},
        ItemsNeededCase{{"-.2", ""}, {shows(kLimitFour), shows(m::kEnterDesiredReliability)}},
        ItemsNeededCase{{".2", ""}, {shows(m::kEnterDesiredReliability)}},
        ItemsNeededCase{{"", ".5"}, {shows(m::kEnterCorrelation)}},
        ItemsNeededCase{{"word", ""}, {shows(m::kErrorTrap)}},
        ItemsNeededCase{{".2", "word"}, {shows(m::kErrorTrap)}},
        ItemsNeededCase{{"-.2", "word"}, {shows(kLimitFour), shows(m::kErrorTrap)}},
        // The divisor underflows to zero for a correlation this small.
        ItemsNeededCase{{"1e-320", ".5"}, {shows(m::kErrorTrap)}}));
// clang-format on

}  // namespace
}  // namespace calc

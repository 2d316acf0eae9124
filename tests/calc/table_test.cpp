#include "calc/table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/messages.h"

namespace calc {
namespace {

namespace m = messages;

const NumberLocale kPoint{"."};

std::string rowsOf(const TableOutcome& outcome) {
    return outcome.table ? outcome.table->text : std::string("(no table)");
}

TEST(ReliabilityTable, ListsTheExampleByteForByte) {
    const TableOutcome outcome = reliabilityTable({".3", "1", "3"}, kPoint);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(rowsOf(outcome),
              "Number of items\tAlpha\r\n"
              " 1\t\t.3000\r\n"
              " 2\t\t.4615\r\n"
              " 3\t\t.5625\r\n");
    ASSERT_TRUE(outcome.table);
    EXPECT_EQ(outcome.table->lower, 1);
    EXPECT_EQ(outcome.table->upper, 3);
    const std::vector<double> expected{0.3, 6.0 / 13, 9.0 / 16};
    ASSERT_EQ(outcome.table->reliabilities.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(outcome.table->reliabilities[i], expected[i]);
    }
}

TEST(ReliabilityTable, ListsZeroAndOneForTheExtremeCorrelations) {
    EXPECT_EQ(rowsOf(reliabilityTable({"0", "2", "4"}, kPoint)),
              "Number of items\tAlpha\r\n 2\t\t.0000\r\n 3\t\t.0000\r\n 4\t\t.0000\r\n");
    EXPECT_EQ(rowsOf(reliabilityTable({"1", "2", "4"}, kPoint)),
              "Number of items\tAlpha\r\n 2\t\t1.0000\r\n 3\t\t1.0000\r\n 4\t\t1.0000\r\n");
}

TEST(ReliabilityTable, ReadsBoundsByTheirFloor) {
    const TableOutcome outcome = reliabilityTable({".3", "2.9", "4.2"}, kPoint);
    ASSERT_TRUE(outcome.table);
    EXPECT_EQ(outcome.table->lower, 2);
    EXPECT_EQ(outcome.table->upper, 4);
    EXPECT_EQ(outcome.table->reliabilities.size(), 3U);
}

TEST(ReliabilityTable, ListsEveryRowUpToTheLast16BitCount) {
    const TableOutcome outcome = reliabilityTable({".3", "32760", "32767"}, kPoint);
    ASSERT_TRUE(outcome.messages.empty());
    ASSERT_TRUE(outcome.table);
    EXPECT_EQ(outcome.table->reliabilities.size(), 8U);
    const std::string& text = outcome.table->text;
    EXPECT_NE(text.find("\r\n 32760\t\t"), std::string::npos);
    EXPECT_TRUE(text.ends_with(" 32767\t\t.9999\r\n")) << text;
}

TEST(ReliabilityTable, ListsTheFullRange) {
    const TableOutcome outcome = reliabilityTable({".3", "1", "32767"}, kPoint);
    ASSERT_TRUE(outcome.messages.empty());
    ASSERT_TRUE(outcome.table);
    EXPECT_EQ(outcome.table->reliabilities.size(), 32767U);
    EXPECT_DOUBLE_EQ(outcome.table->reliabilities.back(), spearmanBrown(32767, 0.3));
}

struct RefusalCase {
    TableFields fields;
    const char* message;
};

class TableRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(TableRefusal, ShowsOneMessageAndListsNothing) {
    const TableOutcome outcome = reliabilityTable(GetParam().fields, kPoint);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{GetParam().message});
    EXPECT_FALSE(outcome.table);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, TableRefusal,
    testing::Values(RefusalCase{{"", "", ""}, m::kEnterGraphCorrelation},
                    RefusalCase{{"1.5", "1", "3"}, m::kGraphCorrelationRange},
                    RefusalCase{{"-0.1", "", ""}, m::kGraphCorrelationRange},
                    RefusalCase{{"abc", "1", "3"}, m::kErrorTrap},
                    RefusalCase{{".3", "", ""}, m::kEnterLowerNumber},
                    // The lower number is read before the upper field is looked at ...
                    RefusalCase{{".3", "abc", ""}, m::kErrorTrap},
                    // ... the upper field's emptiness comes before the lower bound ...
                    RefusalCase{{".3", "0", ""}, m::kEnterUpperNumber},
                    // ... and the lower bound before the upper number is read.
                    RefusalCase{{".3", "0", "abc"}, m::kLowerAtLeastOne},
                    RefusalCase{{".3", "0.9", "5"}, m::kLowerAtLeastOne},
                    RefusalCase{{".3", "-0.5", "5"}, m::kLowerAtLeastOne},
                    RefusalCase{{".3", "3", "3.7"}, m::kUpperAboveLower},
                    RefusalCase{{".3", "5", "2"}, m::kUpperAboveLower},
                    RefusalCase{{".3", "1", "40000"}, m::kErrorTrap},
                    RefusalCase{{".3", "40000", "1"}, m::kErrorTrap},
                    RefusalCase{{".3", "1", "abc"}, m::kErrorTrap}));

}  // namespace
}  // namespace calc

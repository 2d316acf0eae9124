// The checks the fuzz targets and the soak test hold every outcome against: they must accept
// everything the program says and writes, and nothing that is merely close to it.
#include "tests/support/ownmessages.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/itemlimit.h"

namespace check {
namespace {

TEST(OwnMessages, AcceptTheComposedLimitMessages) {
    for (const double r : {-1.0, -0.5, -0.2, -0.1, -0.013, -1e-300}) {
        const double limit = calc::itemLimit(r);
        EXPECT_TRUE(isOwnMessage(Window::SpearmanBrown, calc::limitMessage(r, limit))) << r;
        EXPECT_TRUE(isOwnMessage(Window::ItemsNeeded, calc::limitMessage(r, limit))) << r;
        EXPECT_TRUE(
            isOwnMessage(Window::ItemsNeeded, calc::limitExceededMessage(r, limit, limit + 2)))
            << r;
    }
}

TEST(OwnMessages, RefuseNearMisses) {
    const std::string limit =
        "For an inter-item correlation is -.2, there must be  4 or fewer items";
    EXPECT_TRUE(isLimitMessage(limit + "."));
    for (const std::string& text : {
             limit,         // no full stop
             limit + "..",  // one too many
             std::string("For an inter-item correlation is  .2, there must be  4 or fewer items."),
             std::string("For an inter-item correlation is -.2, there must be -4 or fewer items."),
             std::string(
                 "For an inter-item correlation is -.2, there must be  4.5 or fewer items."),
             std::string("For an inter-item correlation is -2, there must be  4 or fewer items."),
             limit + ", therefore,  3 is an invalid calculation.",  // not above the limit
         }) {
        EXPECT_FALSE(isOwnMessage(Window::ItemsNeeded, text)) << text;
    }
    EXPECT_TRUE(isLimitExceededMessage(limit + ", therefore,  6 is an invalid calculation."));
}

TEST(OwnMessages, BelongToTheirWindowOnly) {
    EXPECT_TRUE(isOwnMessage(Window::Alpha, calc::messages::kVariancesPositive));
    EXPECT_FALSE(isOwnMessage(Window::SpearmanBrown, calc::messages::kVariancesPositive));
    EXPECT_TRUE(isOwnMessage(Window::InterItem, calc::messages::kNegativeAlpha));
    EXPECT_FALSE(isOwnMessage(Window::Alpha, calc::messages::kNegativeAlpha));
    EXPECT_FALSE(isOwnMessage(
        Window::Table, "For an inter-item correlation is -.2, there must be  4 or fewer items."));
    for (const Window window : {Window::Alpha, Window::SpearmanBrown, Window::InterItem,
                                Window::ItemsNeeded, Window::Table}) {
        EXPECT_TRUE(isOwnMessage(window, calc::messages::kErrorTrap));
        EXPECT_FALSE(isOwnMessage(window, ""));
        EXPECT_FALSE(isOwnMessage(window, "Error occurs. Please check Help file"));
    }
}

TEST(WrittenResults, AreCanonicalPlainTextWithAtMostFourDecimals) {
    const calc::NumberLocale point{"."};
    const calc::NumberLocale comma{","};
    for (const char* text : {"0.56", "-0.0715", "16", "0", "1", "-2.0001", "1E+15", "1.5E-05"}) {
        EXPECT_TRUE(isWrittenResult(text, point)) << text;
    }
    EXPECT_TRUE(isWrittenResult("0,5526", comma));
    for (const char* text : {"", "0.56789", ".56", "0.560", "+1", " 1", "1e15", "abc", "0,5526"}) {
        EXPECT_FALSE(isWrittenResult(text, point)) << text;
    }
}

}  // namespace
}  // namespace check

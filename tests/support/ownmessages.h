#pragma once

// What each computation window may say and write, checked from the outside: the fuzz targets and
// the soak test hold every outcome against these, so that a message or a result the program has
// no business producing is caught wherever it comes from.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "calc/failure.h"
#include "calc/messages.h"
#include "calc/numbers.h"

namespace check {

enum class Window { Alpha, SpearmanBrown, InterItem, ItemsNeeded, Table };

namespace detail {

inline std::optional<double> numberIn(std::string_view text) {
    try {
        return calc::readNumber(text, {});
    } catch (const calc::Failure&) {
        return std::nullopt;
    }
}

inline bool isWhole(std::optional<double> x, double atLeast) {
    return x && std::floor(*x) == *x && *x >= atLeast;
}

// Splits "For an inter-item correlation is <r>, there must be <limit>" off the front of text.
struct LimitStatement {
    double r = 0;
    double limit = 0;
    std::string_view rest;
};

inline std::optional<LimitStatement> limitStatement(std::string_view text) {
    constexpr std::string_view opening = "For an inter-item correlation is ";
    constexpr std::string_view middle = ", there must be ";
    constexpr std::string_view closing = " or fewer items";
    if (!text.starts_with(opening)) {
        return std::nullopt;
    }
    text.remove_prefix(opening.size());
    const std::size_t comma = text.find(middle);
    const std::size_t orFewer = text.find(closing);
    if (comma == std::string_view::npos || orFewer == std::string_view::npos || orFewer < comma) {
        return std::nullopt;
    }
    const auto r = numberIn(text.substr(0, comma));
    const auto limit =
        numberIn(text.substr(comma + middle.size(), orFewer - comma - middle.size()));
    // A negative r allows at most floor(-1 / r - 1) items, which is never negative.
    if (!r || *r < -1 || *r >= 0 || !isWhole(limit, 0)) {
        return std::nullopt;
    }
    return LimitStatement{*r, *limit, text.substr(orFewer + closing.size())};
}

}  // namespace detail

// "For an inter-item correlation is -.2, there must be  4 or fewer items."
inline bool isLimitMessage(std::string_view text) {
    const auto statement = detail::limitStatement(text);
    return statement && statement->rest == ".";
}

// The limit message carried on to a whole count above the limit.
inline bool isLimitExceededMessage(std::string_view text) {
    const auto statement = detail::limitStatement(text);
    constexpr std::string_view therefore = ", therefore, ";
    constexpr std::string_view invalid = " is an invalid calculation.";
    if (!statement || !statement->rest.starts_with(therefore) ||
        !statement->rest.ends_with(invalid)) {
        return false;
    }
    std::string_view count = statement->rest;
    count.remove_prefix(therefore.size());
    count.remove_suffix(invalid.size());
    const auto items = detail::numberIn(count);
    // In 15 digits a count just above a limit of 1E+15 or more can read the same as the limit.
    return detail::isWhole(items, 0) && *items >= statement->limit;
}

inline bool isOneOf(std::string_view text, std::initializer_list<std::string_view> texts) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Whether a message box with this text belongs to the window.
inline bool isOwnMessage(Window window, std::string_view text) {
    namespace m = calc::messages;
    switch (window) {
        case Window::Alpha:
            return isOneOf(text, {m::kErrorTrap, m::kItemsPositive, m::kVariancesPositive});
        case Window::SpearmanBrown:
            return isOneOf(text, {m::kErrorTrap, m::kItemsPositive, m::kEnterCorrelation,
                                  m::kCorrelationRange}) ||
                   isLimitMessage(text);
        case Window::InterItem:
            return isOneOf(text, {m::kErrorTrap, m::kItemsPositive, m::kEnterAlpha, m::kAlphaRange,
                                  m::kNegativeAlpha});
        case Window::ItemsNeeded:
            return isOneOf(text, {m::kErrorTrap, m::kEnterCorrelation, m::kZeroCorrelation,
                                  m::kCorrelationRange, m::kEnterDesiredReliability,
                                  m::kDesiredReliabilityRange}) ||
                   isLimitMessage(text) || isLimitExceededMessage(text);
        case Window::Table:
            return isOneOf(text, {m::kErrorTrap, m::kEnterGraphCorrelation,
                                  m::kGraphCorrelationRange, m::kEnterLowerNumber,
                                  m::kEnterUpperNumber, m::kLowerAtLeastOne, m::kUpperAboveLower});
    }
    return false;
}

// Whether a result field's text is a number as the program writes one: it reads back under the
// locale and is already in its own plain text form, and, written positionally, it has at most
// four decimals (results are rounded to four places before they are written).
inline bool isWrittenResult(std::string_view text, const calc::NumberLocale& locale) {
    double value = 0;
    try {
        value = calc::readNumber(text, locale);
    } catch (const calc::Failure&) {
        return false;
    }
    if (calc::plainText(value, locale) != text) {
        return false;
    }
    const std::size_t separator = text.find(locale.decimalSeparator);
    const bool positional = text.find('E') == std::string_view::npos;
    return !positional || separator == std::string_view::npos ||
           text.size() - separator - locale.decimalSeparator.size() <= 4;
}

}  // namespace check

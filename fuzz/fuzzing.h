#pragma once

// What every fuzz target shares: the fuzzer's bytes cut into field texts, the two locales each
// input is run under, and a check that stops the run with a readable report.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/numbers.h"
#include "calc/outcome.h"
#include "tests/support/ownmessages.h"

namespace fuzzing {

// One field per line, so that a corpus file reads as what a user typed: "6\n4.5\n2.4". Fields
// past the input's end are empty; any byte but the line feed can stand in a field.
inline std::vector<std::string> fields(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
    std::vector<std::string> texts(count);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (std::size_t i = 0; i < count && start <= input.size(); ++i) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        texts[i] = std::string(input.substr(start, end - start));
        start = end + 1;
    }
    return texts;
}

// A user whose locale writes numbers with a point, and one whose locale uses a comma.
inline const std::vector<calc::NumberLocale>& locales() {
    static const std::vector<calc::NumberLocale> all = {{"."}, {","}};
    return all;
}

inline void require(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

inline std::size_t countWrites(const calc::Outcome& outcome) {
    std::size_t writes = 0;
    for (const calc::Step& step : outcome.steps) {
        writes += step.kind == calc::Step::Kind::Write ? 1 : 0;
    }
    return writes;
}

// Every message is one of the window's own and every write is a result as the program writes
// one. The same fields must give the same click again: nothing may depend on earlier runs.
// Returns the click, for the checks of the window's own step order.
template <class Compute, class Fields>
calc::Outcome checkClick(check::Window window, Compute compute, const Fields& texts,
                         const calc::NumberLocale& locale) {
    const calc::Outcome outcome = compute(texts, locale);
    for (const calc::Step& step : outcome.steps) {
        if (step.kind == calc::Step::Kind::Message) {
            require(check::isOwnMessage(window, step.text), "message of another window", step.text);
        } else {
            require(check::isWrittenResult(step.text, locale), "malformed result", step.text);
        }
    }
    require(countWrites(outcome) <= 1, "more than one result written");
    require(compute(texts, locale).steps == outcome.steps, "same fields, different click");
    return outcome;
}

inline bool isMessage(const calc::Step& step, std::string_view text) {
    return step.kind == calc::Step::Kind::Message && step.text == text;
}

inline double writtenValue(const calc::Step& step, const calc::NumberLocale& locale) {
    return calc::readNumber(step.text, locale);
}

}  // namespace fuzzing

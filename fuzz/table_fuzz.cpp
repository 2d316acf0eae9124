// The reliability table from any three field texts: one of the window's messages and no table,
// or a table of one row per item count of a range within 1 to 32,767, each row the count and a
// four-place reliability in [0, 1] that grows with the count.

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "calc/table.h"
#include "fuzz/fuzzing.h"

namespace {

using fuzzing::require;

void checkRow(std::string_view& text, int k, double reliability) {
    const std::size_t end = text.find("\r\n");
    require(end != std::string_view::npos, "row without CR LF");
    const std::string_view row = text.substr(0, end);
    text.remove_prefix(end + 2);

    const std::size_t tabs = row.find("\t\t");
    require(row.starts_with(' ') && tabs != std::string_view::npos, "row shape", row);
    int count = 0;
    const auto [last, error] = std::from_chars(row.data() + 1, row.data() + tabs, count);
    require(error == std::errc() && last == row.data() + tabs && count == k, "row count", row);

    const std::string_view shown = row.substr(tabs + 2);
    require(shown == "1.0000" || (shown.size() == 5 && shown[0] == '.' &&
                                  shown.find_first_not_of("0123456789", 1) == shown.npos),
            "four-place reliability", row);
    const double value = calc::readNumber(shown, {});
    require(std::fabs(value - reliability) <= 5e-5 + 1e-12, "row disagrees with the plot", row);
}

void checkTable(const calc::ReliabilityTable& table) {
    require(table.lower >= 1 && table.upper > table.lower, "range outside 1 to 32,767");
    const auto rows = static_cast<std::size_t>(table.upper - table.lower + 1);
    require(table.reliabilities.size() == rows, "one reliability per count");
    std::string_view text = table.text;
    constexpr std::string_view header = "Number of items\tAlpha\r\n";
    require(text.starts_with(header), "table header");
    text.remove_prefix(header.size());
    double previous = 0;
    for (int k = table.lower; k <= table.upper; ++k) {
        const double reliability = table.reliabilities[static_cast<std::size_t>(k - table.lower)];
        require(reliability >= 0 && reliability <= 1, "reliability outside [0, 1]");
        require(reliability >= previous - 1e-15, "reliability falls as items are added");
        previous = reliability;
        checkRow(text, k, reliability);
    }
    require(text.empty(), "text after the last row");
}

bool same(const calc::TableOutcome& a, const calc::TableOutcome& b) {
    if (a.messages != b.messages || a.table.has_value() != b.table.has_value()) {
        return false;
    }
    return !a.table ||
           (a.table->text == b.table->text && a.table->reliabilities == b.table->reliabilities &&
            a.table->lower == b.table->lower && a.table->upper == b.table->upper);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzzing::fields(data, size, 3);
    const calc::TableFields fields{texts[0], texts[1], texts[2]};
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const calc::TableOutcome outcome = calc::reliabilityTable(fields, locale);
        require(same(outcome, calc::reliabilityTable(fields, locale)), "not repeatable");
        if (outcome.table) {
            require(outcome.messages.empty(), "a message and a table");
            checkTable(*outcome.table);
        } else {
            require(outcome.messages.size() == 1, "a refusal is one message");
            require(check::isOwnMessage(check::Window::Table, outcome.messages.front()),
                    "message of another window", outcome.messages.front());
        }
    }
    return 0;
}

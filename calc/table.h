#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/numbers.h"

namespace calc {

struct TableFields {
    std::string correlation;
    std::string lower;
    std::string upper;
};

// What a successful run lists and plots: the range, the table text and one reliability per
// item count, reliabilities[k - lower].
struct ReliabilityTable {
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::string text;
    std::vector<double> reliabilities;
};

// One run of the table-and-graph window: at most one message (a refusal, or the error trap's),
// or the table. All its checks come before anything is listed, so a run is one or the other.
struct TableOutcome {
    std::vector<std::string> messages;
    std::optional<ReliabilityTable> table;

    void message(std::string text) { messages.push_back(std::move(text)); }
};

// The Spearman-Brown reliability k r / (1 + (k - 1) r) for every k from the lower to the upper
// number, each bound read as the floor of its number. For r .3 and the range 1 to 3 the text is
// "Number of items\tAlpha\r\n 1\t\t.3000\r\n 2\t\t.4615\r\n 3\t\t.5625\r\n".
TableOutcome reliabilityTable(const TableFields& fields, const NumberLocale& locale);

// The rows' reliability alone, without the checks: what reliabilityTable lists for k.
double spearmanBrown(int k, double r);

}  // namespace calc

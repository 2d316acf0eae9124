#include "calc/table.h"

#include "calc/outcome.h"

namespace calc {
namespace {

constexpr char kHeader[] = "Number of items\tAlpha\r\n";

ReliabilityTable listTable(double r, std::int16_t lower, std::int16_t upper) {
    ReliabilityTable table{lower, upper, kHeader, {}};
    const auto rows = static_cast<std::size_t>(upper - lower + 1);
    table.reliabilities.reserve(rows);
    table.text.reserve(table.text.size() + rows * 16);
    // An int counter: a 16-bit one would overflow stepping past an upper number of 32,767.
    for (int k = lower; k <= upper; ++k) {
        const double reliability = spearmanBrown(k, r);
        table.text += signedText(k);
        table.text += "\t\t";
        table.text += fourPlaceText(reliability);
        table.text += "\r\n";
        table.reliabilities.push_back(reliability);
    }
    return table;
}

}  // namespace

double spearmanBrown(int k, double r) { return (k * r) / (1 + (k - 1) * r); }

TableOutcome reliabilityTable(const TableFields& fields, const NumberLocale& locale) {
    return runTrapped<TableOutcome>([&](TableOutcome& outcome) {
        if (fields.correlation.empty()) {
            return outcome.message(messages::kEnterGraphCorrelation);
        }
        const double r = readNumber(fields.correlation, locale);
        if (r < 0 || r > 1) {
            return outcome.message(messages::kGraphCorrelationRange);
        }
        if (fields.lower.empty()) {
            return outcome.message(messages::kEnterLowerNumber);
        }
        const std::int16_t lower = readRangeBound(fields.lower, locale);
        if (fields.upper.empty()) {
            return outcome.message(messages::kEnterUpperNumber);
        }
        if (lower < 1) {
            return outcome.message(messages::kLowerAtLeastOne);
        }
        const std::int16_t upper = readRangeBound(fields.upper, locale);
        if (upper <= lower) {
            return outcome.message(messages::kUpperAboveLower);
        }
        outcome.table = listTable(r, lower, upper);
    });
}

}  // namespace calc

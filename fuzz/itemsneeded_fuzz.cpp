// The number of items needed, from any two field texts. A negative r's limit message may come
// first; then either a refusal, or a whole count of zero or more, which for a negative r may be
// followed by the statement that it exceeds that same limit.

#include <cmath>
#include <string_view>

#include <vector>

#include "calc/itemsneeded.h"
#include "fuzz/fuzzing.h"

namespace {

bool continues(std::string_view exceeded, std::string_view limit) {
    limit.remove_suffix(1);  // the full stop the longer message replaces with its continuation
    return exceeded.starts_with(limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzzing::fields(data, size, 2);
    const calc::ItemsNeededFields fields{texts[0], texts[1]};
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const calc::Outcome outcome =
            fuzzing::checkClick(check::Window::ItemsNeeded, calc::itemsNeeded, fields, locale);
        const std::vector<calc::Step>& steps = outcome.steps;
        std::size_t next = 0;
        const bool warned = !steps.empty() && check::isLimitMessage(steps[0].text);
        next += warned ? 1 : 0;
        fuzzing::require(next < steps.size(), "items needed: nothing after the limit message");
        const calc::Step& answer = steps[next++];
        if (answer.kind == calc::Step::Kind::Write) {
            const double count = fuzzing::writtenValue(answer, locale);
            fuzzing::require(count >= 0 && std::floor(count) == count, "count not whole",
                             answer.text);
            if (next < steps.size()) {
                fuzzing::require(warned && check::isLimitExceededMessage(steps[next].text) &&
                                     continues(steps[next].text, steps[0].text),
                                 "items needed: unexpected step after the count", steps[next].text);
                ++next;
            }
        }
        fuzzing::require(next == steps.size(), "items needed: steps after the end");
    }
    return 0;
}

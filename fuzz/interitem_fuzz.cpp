// The inter-item r implied by alpha, from any two field texts: the result, a refusal, or the
// negative-alpha warning followed by the result. For alpha in [-1, 1] and k >= 1 the implied r
// alpha / (k - (k - 1) alpha) lies in [-1, 1] too.

#include <vector>

#include "calc/interitem.h"
#include "calc/messages.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzzing::fields(data, size, 2);
    const calc::InterItemFields fields{texts[0], texts[1]};
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const calc::Outcome outcome = fuzzing::checkClick(
            check::Window::InterItem, calc::correlationFromAlpha, fields, locale);
        const std::vector<calc::Step>& steps = outcome.steps;
        fuzzing::require(steps.size() == 1 || steps.size() == 2, "inter-item r: step count");
        if (steps.size() == 2) {
            fuzzing::require(fuzzing::isMessage(steps[0], calc::messages::kNegativeAlpha),
                             "inter-item r: two steps without the warning first");
        }
        const calc::Step& last = steps.back();
        fuzzing::require(steps.size() == 1 || last.kind == calc::Step::Kind::Write,
                         "inter-item r: warning not followed by the result");
        if (last.kind == calc::Step::Kind::Write) {
            const double r = fuzzing::writtenValue(last, locale);
            fuzzing::require(r >= -1 && r <= 1, "inter-item r outside [-1, 1]", last.text);
        }
    }
    return 0;
}

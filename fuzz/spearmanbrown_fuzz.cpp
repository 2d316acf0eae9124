// Spearman-Brown reliability from any two field texts: one step, the result or a refusal. With
// r at most 1 the reliability k r / (1 + (k - 1) r) is at most 1.

#include "calc/spearmanbrown.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzzing::fields(data, size, 2);
    const calc::SpearmanBrownFields fields{texts[0], texts[1]};
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const calc::Outcome outcome = fuzzing::checkClick(
            check::Window::SpearmanBrown, calc::reliabilityFromCorrelation, fields, locale);
        fuzzing::require(outcome.steps.size() == 1, "reliability: not exactly one step");
        const calc::Step& step = outcome.steps.front();
        if (step.kind == calc::Step::Kind::Write) {
            fuzzing::require(fuzzing::writtenValue(step, locale) <= 1, "reliability above 1",
                             step.text);
        }
    }
    return 0;
}

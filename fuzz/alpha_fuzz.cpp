// Coefficient alpha from any three field texts: one step, either the result or a refusal. A
// result is at most k / (k - 1), so at most 2: the sum of item variances is positive, though it
// may be too small beside the scale variance to change it in double precision.

#include "calc/alpha.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzzing::fields(data, size, 3);
    const calc::AlphaFields fields{texts[0], texts[1], texts[2]};
    for (const calc::NumberLocale& locale : fuzzing::locales()) {
        const calc::Outcome outcome =
            fuzzing::checkClick(check::Window::Alpha, calc::alphaFromVariances, fields, locale);
        fuzzing::require(outcome.steps.size() == 1, "alpha: not exactly one step");
        const calc::Step& step = outcome.steps.front();
        if (step.kind == calc::Step::Kind::Write) {
            fuzzing::require(fuzzing::writtenValue(step, locale) <= 2, "alpha above 2", step.text);
        }
    }
    return 0;
}

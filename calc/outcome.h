#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/failure.h"
#include "calc/messages.h"

namespace calc {

// One thing a click does that the user sees: a message box, or text written into the window's
// result field.
struct Step {
    enum class Kind { Message, Write };
    Kind kind;
    std::string text;

    friend bool operator==(const Step&, const Step&) = default;
};

// The ordered steps of one click of a single-result window. Every message box has only an OK
// button, so nothing the user does changes what follows: a click is fully known from its fields.
struct Outcome {
    std::vector<Step> steps;

    void message(std::string text) { steps.push_back({Step::Kind::Message, std::move(text)}); }
    void write(std::string text) { steps.push_back({Step::Kind::Write, std::move(text)}); }
};

// Runs `body` on a fresh Result under the error trap: a Failure abandons the rest of the body,
// keeps what it had produced and adds the trap's message. Result is any outcome with a
// message(std::string) member.
template <class Result, class Body>
Result runTrapped(Body&& body) {
    Result result;
    try {
        std::forward<Body>(body)(result);
    } catch (const Failure&) {
        result.message(messages::kErrorTrap);
    }
    return result;
}

}  // namespace calc

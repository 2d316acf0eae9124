#pragma once

#include <functional>

#include "calc/outcome.h"

class QLineEdit;

namespace ui {

class MessageBox;

// Plays a click's outcome back in its order: each result written into the window's result
// field, each message in the box. At a message it returns; the box's closing plays the rest,
// and `then`, if given, runs after the last step. A result field gone by then is skipped.
void playOutcome(calc::Outcome outcome, MessageBox& messageBox, QLineEdit* resultField,
                 std::function<void()> then = {});

}  // namespace ui

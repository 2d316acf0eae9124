#pragma once

#include "calc/outcome.h"

class QLineEdit;

namespace ui {

class MessageBox;

// Plays a click's outcome back in its order: each message in the modal box, each result
// written into the window's result field.
void playOutcome(const calc::Outcome& outcome, MessageBox& messageBox, QLineEdit* resultField);

}  // namespace ui

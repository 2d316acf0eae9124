#pragma once

namespace ui {

// Leaves the event loop, so that the program ends. In a browser the loop never hands control
// back to main(), so the page is told instead and shows that the program has ended.
void quitProgram();

}  // namespace ui

#pragma once

class QWidget;

namespace ui {

class Screen;

// Where a window's edge goes: the free space (screen less window) divided by `divisor`, in
// double precision and stored as single precision, as every twips coordinate is. A window larger
// than the screen gets a negative edge; nothing clamps it. On a screen 15,360 twips wide a
// window 6,570 wide placed with divisor 1.2 gets the left edge 7,325.
float placedEdge(float screenTwips, float windowTwips, double divisor);

// Places a top-level window before it is shown: the left edge of its frame by `leftDivisor`
// (2 centres it), the top edge centred. The rule works on the outer size, frame and caption
// included, as the desktop will draw them; without a window manager that is the client size.
void placeWindow(QWidget& window, const Screen& screen, double leftDivisor);

}  // namespace ui

#pragma once

class QWidget;

namespace ui {

class Screen;

// Where a window's edge goes: the free space (screen less window) divided by `divisor`, in
// double precision and stored as single precision, as every twips coordinate is. A window larger
// than the screen gets a negative edge; nothing clamps it. On a screen 15,360 twips wide a
// window 6,570 wide placed with divisor 1.2 gets the left edge 7,325.
float placedEdge(float screenTwips, float windowTwips, double divisor);

// Places a top-level window: left edge by `leftDivisor` (2 centres it), top edge centred. The
// outer size is used where the platform knows the frame, else the client size.
void placeWindow(QWidget& window, const Screen& screen, double leftDivisor);

}  // namespace ui

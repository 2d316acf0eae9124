#pragma once

class QWidget;

namespace ui {

// A straight decorative line from (x1, y1) to (x2, y2) in twips, one pixel wide, in the window
// text colour. Only horizontal and vertical lines occur in the designs.
QWidget* addLine(QWidget* window, const char* name, int x1, int y1, int x2, int y2);

}  // namespace ui

#pragma once

// Where windows and controls stand:
//
//   twips.h          twips to pixels, and a control's place in its window
//   screen.h         the screen's size in twips, which tests fix
//   placement.h      a window placed from the screen's size and its outer size
//
// Includes point one way: windows over controls over geometry over calc; platform beside.

#include <QtGlobal>

class QWidget;

namespace ui {

// Layouts are designed in twips; one logical pixel is 15 twips (96 dots per inch). The device
// pixel ratio of a high-DPI screen scales logical pixels, so layouts need nothing more.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return qRound(twips / kTwipsPerPixel); }

// Sets a control's place in its window from the design's left, top, width and height in twips.
void place(QWidget* widget, int left, int top, int width, int height);

}  // namespace ui

#pragma once

#include <vector>

namespace ui {

class DrawingArea;

// The graph of reliability against the number of items, drawn with straight lines in twips of
// the drawing area: an open blue frame (no top line) from x 800 (the lower number) to 5300 (the
// upper number) and from y 800 (reliability 1) to 4300 (reliability 0), blue ticks, and the red
// curve through the reliabilities.
namespace graph {

// Clears the area and draws the left, bottom and right axes, in that order.
void drawEmptyFrame(DrawingArea& area);
// Ten tick pairs on the vertical axes, 351 twips apart from y 800 down to 3959.
void drawVerticalTicks(DrawingArea& area);
// One red segment per pair of consecutive item counts, drawn from the later back to the
// earlier one; reliabilities[k - lower] belongs to item count k.
void drawCurve(DrawingArea& area, int lower, int upper, const std::vector<double>& reliabilities);
// Ticks on the bottom axis at the item counts that are multiples of a spacing chosen by the
// size of the range: every count up to a range of 49, then multiples of 2, 10, 20 or 100.
void drawItemCountTicks(DrawingArea& area, int lower, int upper);

}  // namespace graph
}  // namespace ui

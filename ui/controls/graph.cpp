#include "ui/controls/graph.h"

#include <QRgb>

#include <array>

#include "ui/controls/drawingarea.h"

namespace ui::graph {
namespace {

constexpr float kLeft = 800;
constexpr float kRight = 5300;
constexpr float kTop = 800;
constexpr float kBottom = 4300;
constexpr double kWidth = 4500;
constexpr double kHeight = 3500;
constexpr float kVerticalTickSpacing = 351;
constexpr float kVerticalTickLength = 40;
constexpr float kItemTickLength = 100;

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

float xOf(int k, int lower, int upper) {
    return static_cast<float>(kLeft + static_cast<double>(4500 * (k - lower)) / (upper - lower));
}

float yOf(double reliability) { return static_cast<float>((1 - reliability) * kHeight + kTop); }

// The wider the range, the sparser the item-count ticks: a count gets one only if it is a
// multiple of the divisor of every threshold the range exceeds.
bool getsTick(int count, int range) {
    struct Rule {
        int threshold;
        int divisor;
    };
    constexpr std::array<Rule, 5> kRules{{{999, 100}, {499, 20}, {249, 10}, {99, 5}, {49, 2}}};
    for (const Rule& rule : kRules) {
        if (range > rule.threshold && count % rule.divisor != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

void drawEmptyFrame(DrawingArea& area) {
    area.clear();
    area.drawLine(kLeft, kTop, kLeft, kBottom, kBlue);
    area.drawLine(kLeft, kBottom, kRight, kBottom, kBlue);
    area.drawLine(kRight, kBottom, kRight, kTop, kBlue);
}

void drawVerticalTicks(DrawingArea& area) {
    for (int i = 1; i <= 10; ++i) {
        const float y = kTop + static_cast<float>(i - 1) * kVerticalTickSpacing;
        area.drawLine(kLeft, y, kLeft + kVerticalTickLength, y, kBlue);
        area.drawLine(kRight, y, kRight - kVerticalTickLength, y, kBlue);
    }
}

void drawCurve(DrawingArea& area, int lower, int upper, const std::vector<double>& reliabilities) {
    float previousX = kLeft;
    float previousY = yOf(reliabilities.at(0));
    for (int k = lower + 1; k <= upper; ++k) {
        const float x = xOf(k, lower, upper);
        const float y = yOf(reliabilities.at(static_cast<std::size_t>(k - lower)));
        area.drawLine(x, y, previousX, previousY, kRed);
        previousX = x;
        previousY = y;
    }
}

void drawItemCountTicks(DrawingArea& area, int lower, int upper) {
    const int range = upper - lower;
    const double step = kWidth / range;
    for (int j = lower; j <= upper; ++j) {
        if (getsTick(j, range)) {
            const auto x = static_cast<float>((j - lower) * step + kLeft);
            area.drawLine(x, kBottom, x, kBottom - kItemTickLength, kBlue);
        }
    }
}

}  // namespace ui::graph

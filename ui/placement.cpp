#include "ui/placement.h"

#include <QWidget>

#include "ui/screen.h"
#include "ui/twips.h"

namespace ui {

float placedEdge(float screenTwips, float windowTwips, double divisor) {
    return static_cast<float>((static_cast<double>(screenTwips) - windowTwips) / divisor);
}

void placeWindow(QWidget& window, const Screen& screen, double leftDivisor) {
    const QSizeF screenSize = screen.sizeInTwips();
    const QSize outer = window.frameGeometry().size();
    const auto outerWidth = static_cast<float>(outer.width() * kTwipsPerPixel);
    const auto outerHeight = static_cast<float>(outer.height() * kTwipsPerPixel);
    const float left = placedEdge(static_cast<float>(screenSize.width()), outerWidth, leftDivisor);
    const float top = placedEdge(static_cast<float>(screenSize.height()), outerHeight, 2);
    window.move(twipsToPixels(left), twipsToPixels(top));
}

}  // namespace ui

#include "ui/geometry/placement.h"

#include <QWidget>

#include "ui/geometry/screen.h"
#include "ui/geometry/twips.h"
#include "ui/geometry/windowframe.h"

namespace ui {

float placedEdge(float screenTwips, float windowTwips, double divisor) {
    return static_cast<float>((static_cast<double>(screenTwips) - windowTwips) / divisor);
}

void placeWindow(QWidget& window, const Screen& screen, double leftDivisor) {
    const QSizeF screenSize = screen.sizeInTwips();
    const QMargins frame = expectedFrameMargins(window);
    const QSize outer = window.size().grownBy(frame);
    const auto outerWidth = static_cast<float>(outer.width() * kTwipsPerPixel);
    const auto outerHeight = static_cast<float>(outer.height() * kTwipsPerPixel);
    const float left = placedEdge(static_cast<float>(screenSize.width()), outerWidth, leftDivisor);
    const float top = placedEdge(static_cast<float>(screenSize.height()), outerHeight, 2);
    // The rule places the frame; the client area goes inside it.
    const QPoint client(twipsToPixels(left) + frame.left(), twipsToPixels(top) + frame.top());
    window.setGeometry(QRect(client, window.size()));
}

}  // namespace ui

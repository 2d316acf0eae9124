#include "ui/geometry/placement.h"

#include <QWidget>

#include "ui/geometry/screen.h"
#include "ui/geometry/twips.h"
#include "ui/platform/platform.h"

namespace ui {
namespace {

// What Qt's platform already knows of the frame: on Windows, everything; under X11, nothing
// until the window has been mapped.
QMargins knownFrameMargins(QWidget& window) {
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The frame (border and caption) that a top-level window will have on this desktop, known
// before the window is first shown, so that it can be placed by its outer size. Without a
// window manager there is no frame.
QMargins expectedFrameMargins(QWidget& window) {
    window.winId();
    if (const auto margins = platform::windowManagerFrame(window)) {
        return *margins;
    }
    return knownFrameMargins(window);
}

}  // namespace

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

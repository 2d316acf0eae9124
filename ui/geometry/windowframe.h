#pragma once

#include <QMargins>

class QWidget;

namespace ui {

// The frame (border and caption) that a top-level window will have on this desktop, known
// before the window is first shown, so that it can be placed by its outer size. Under X11 the
// window manager is asked for the frame it will put around the window; on Windows the frame
// follows from the window's style. Without a window manager there is no frame.
// The window's native window is created if it did not exist yet.
QMargins expectedFrameMargins(QWidget& window);

}  // namespace ui

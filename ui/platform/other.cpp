// Everything that is neither a Unix desktop nor a browser: Windows, whose frame Qt knows before
// a window is shown, and macOS.
#include "ui/platform/platform.h"

namespace ui::platform {

bool hasDisplay() { return true; }

void prepare() {}

void start(QApplication& /*application*/) {}

std::optional<QFont> defaultFace() { return std::nullopt; }

std::optional<QMargins> windowManagerFrame(QWidget& /*window*/) { return std::nullopt; }

bool clipboardTakesPictures() { return true; }

void programEnded() {}

}  // namespace ui::platform

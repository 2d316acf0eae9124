#include "ui/geometry/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/geometry/twips.h"

namespace ui {

QSizeF DesktopScreen::sizeInTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize pixels = screen->size();
    return {pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel};
}

}  // namespace ui

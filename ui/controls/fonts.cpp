#include "ui/controls/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <string_view>

#include "ui/platform/platform.h"

namespace ui {

void installFontSubstitutes() {
    // Builds without the desktop's fonts (the browser's) carry the substitutes inside them.
    const QDir embedded(QStringLiteral(":/mirtavo/fonts"));
    for (const QString& file : embedded.entryList(QDir::Files)) {
        QFontDatabase::addApplicationFont(embedded.filePath(file));
    }
    if (const auto face = platform::defaultFace()) {
        QGuiApplication::setFont(*face);
    }
    QFont::insertSubstitutions(kSansSerif, {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions(kSerif, {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions(kScript, {"Z003", "URW Chancery L", "DejaVu Serif"});
}

QFont designFont(const char* face, double points, bool bold) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    if (std::string_view(face) == kScript) {
        // Should no script face be found, a serif italic keeps the title's handwritten feel.
        font.setStyleHint(QFont::Serif);
        font.setItalic(true);
    }
    return font;
}

}  // namespace ui

#include "ui/fonts.h"

#include <QStringList>

#include <string_view>

namespace ui {

void installFontSubstitutes() {
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

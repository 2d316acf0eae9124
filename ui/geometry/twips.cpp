#include "ui/geometry/twips.h"

#include <QWidget>

namespace ui {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

}  // namespace ui

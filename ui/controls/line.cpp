#include "ui/controls/line.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>

#include "ui/geometry/twips.h"

namespace ui {

QWidget* addLine(QWidget* window, const char* name, int x1, int y1, int x2, int y2) {
    auto* line = new QWidget(window);
    line->setObjectName(name);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    const int left = twipsToPixels(std::min(x1, x2));
    const int top = twipsToPixels(std::min(y1, y2));
    const int width = std::max(twipsToPixels(std::max(x1, x2)) - left, 1);
    const int height = std::max(twipsToPixels(std::max(y1, y2)) - top, 1);
    line->setGeometry(left, top, width, height);
    return line;
}

}  // namespace ui

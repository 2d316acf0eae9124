#include "ui/drawingarea.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <map>

#include "ui/twips.h"

namespace ui {

DrawingArea::DrawingArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setLineWidth(2);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void DrawingArea::clear() {
    m_segments.clear();
    changed();
}

void DrawingArea::drawLine(float x1, float y1, float x2, float y2, QRgb colour) {
    m_segments.push_back({x1, y1, x2, y2, colour});
    changed();
}

void DrawingArea::changed() {
    m_rendered = QPixmap();
    update();
}

void DrawingArea::placeInside(QWidget* child, int left, int top, int width, int height) const {
    const QPoint inner = contentsRect().topLeft();
    child->setGeometry(inner.x() + twipsToPixels(left), inner.y() + twipsToPixels(top),
                       twipsToPixels(width), twipsToPixels(height));
}

void DrawingArea::renderTo(QPaintDevice& device) const {
    QPainter painter(&device);
    painter.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    // Lines of one colour go to the painter together: one call for a whole curve.
    std::map<QRgb, QList<QLineF>> byColour;
    for (const Segment& s : m_segments) {
        byColour[s.colour].append(QLineF(s.x1, s.y1, s.x2, s.y2));
    }
    // One pixel of the design, in whole device pixels so that lines stay sharp when scaled.
    const int width = std::max(1, qRound(device.devicePixelRatioF()));
    for (const auto& [colour, lines] : byColour) {
        QPen pen{QColor::fromRgb(colour)};
        pen.setCosmetic(true);
        pen.setWidth(width);
        painter.setPen(pen);
        painter.drawLines(lines);
    }
}

QImage DrawingArea::image() const {
    const qreal ratio = devicePixelRatioF();
    QImage image(contentsRect().size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Base));
    renderTo(image);
    return image;
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size() * ratio;
    if (m_rendered.size() != size || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap(size);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        renderTo(m_rendered);
    }
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_rendered);
}

}  // namespace ui

#include "ui/controls/drawingarea.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPen>

#include <algorithm>

#include "ui/geometry/twips.h"

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
    // One pixel of the design, in whole device pixels so that lines stay sharp when scaled.
    const int width = std::max(1, qRound(device.devicePixelRatioF()));
    // Lines are painted in the order they were drawn, so that a later line covers an earlier
    // one where they cross; a run of lines of one colour (a whole curve) goes to the painter
    // in one call.
    QList<QLineF> run;
    for (auto s = m_segments.begin(); s != m_segments.end();) {
        const QRgb colour = s->colour;
        run.clear();
        for (; s != m_segments.end() && s->colour == colour; ++s) {
            run.append(QLineF(s->x1, s->y1, s->x2, s->y2));
        }
        QPen pen{QColor::fromRgb(colour)};
        pen.setCosmetic(true);
        pen.setWidth(width);
        painter.setPen(pen);
        painter.drawLines(run);
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

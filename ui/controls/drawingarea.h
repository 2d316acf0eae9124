#pragma once

#include <QFrame>
#include <QPixmap>
#include <QRgb>

#include <vector>

namespace ui {

// One straight line of a drawing, in twips of the drawing area's inner area (y grows downward),
// as single-precision coordinates.
struct Segment {
    float x1;
    float y1;
    float x2;
    float y2;
    QRgb colour;

    friend bool operator==(const Segment&, const Segment&) = default;
};

// A drawing area that keeps its image: what is drawn stays until the area is cleared, also
// while the window is hidden or covered. The drawing is a display list of line segments that
// paintEvent renders one pixel wide; tests read the list.
class DrawingArea : public QFrame {
public:
    explicit DrawingArea(QWidget* parent);

    void clear();
    void drawLine(float x1, float y1, float x2, float y2, QRgb colour);
    const std::vector<Segment>& displayList() const { return m_segments; }

    // Places a child control (a label inside the graph) relative to the inner area, in twips.
    void placeInside(QWidget* child, int left, int top, int width, int height) const;
    // The inner area as it is drawn, at the screen's pixel density.
    QImage image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void renderTo(QPaintDevice& device) const;
    void changed();

    std::vector<Segment> m_segments;
    // The rendered segments, made again only after the list changes: a curve may have tens of
    // thousands of segments, and covering and uncovering the window must stay instant.
    mutable QPixmap m_rendered;
};

}  // namespace ui

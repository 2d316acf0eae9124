// The graph's drawing operations, read back from the drawing area's display list, and the
// multi-line field's CR LF text.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QTest>

#include <algorithm>
#include <vector>

#include "calc/table.h"
#include "ui/controls/drawingarea.h"
#include "ui/controls/graph.h"
#include "ui/controls/multilinefield.h"

using ui::Segment;

namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

const std::vector<Segment> kFrame{
    {800, 800, 800, 4300, kBlue}, {800, 4300, 5300, 4300, kBlue}, {5300, 4300, 5300, 800, kBlue}};

std::vector<Segment> ofColour(const ui::DrawingArea& area, QRgb colour) {
    std::vector<Segment> found;
    std::copy_if(area.displayList().begin(), area.displayList().end(), std::back_inserter(found),
                 [colour](const Segment& s) { return s.colour == colour; });
    return found;
}

// The x of every item-count tick: the blue lines from the bottom axis 100 twips up.
std::vector<float> itemTickXs(const ui::DrawingArea& area) {
    std::vector<float> xs;
    for (const Segment& s : area.displayList()) {
        if (s.y1 == 4300 && s.y2 == 4200) {
            xs.push_back(s.x1);
        }
    }
    return xs;
}

float tickX(int count, int lower, int upper) {
    return static_cast<float>((count - lower) * (4500.0 / (upper - lower)) + 800);
}

std::vector<double> reliabilities(int lower, int upper, double r) {
    std::vector<double> list;
    for (int k = lower; k <= upper; ++k) {
        list.push_back(calc::spearmanBrown(k, r));
    }
    return list;
}

}  // namespace

class GraphTest : public QObject {
    Q_OBJECT

private slots:
    void emptyFrameIsThreeBlueAxesWithoutATop() {
        ui::DrawingArea area(nullptr);
        area.drawLine(1, 2, 3, 4, kRed);
        ui::graph::drawEmptyFrame(area);
        QCOMPARE(area.displayList(), kFrame);
    }

    void verticalTicksAre351TwipsApart() {
        ui::DrawingArea area(nullptr);
        ui::graph::drawVerticalTicks(area);
        QCOMPARE(area.displayList().size(), std::size_t{20});
        const float ys[] = {800, 1151, 1502, 1853, 2204, 2555, 2906, 3257, 3608, 3959};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(area.displayList()[2 * i], (Segment{800, ys[i], 840, ys[i], kBlue}));
            QCOMPARE(area.displayList()[2 * i + 1], (Segment{5300, ys[i], 5260, ys[i], kBlue}));
        }
    }

    void curveRunsFromEachLaterPointBackToTheEarlier() {
        ui::DrawingArea area(nullptr);
        ui::graph::drawCurve(area, 1, 3, reliabilities(1, 3, 0.3));
        const std::vector<Segment> curve = ofColour(area, kRed);
        QCOMPARE(curve.size(), std::size_t{2});
        const auto y = [](double rho) { return static_cast<float>((1 - rho) * 3500 + 800); };
        QCOMPARE(curve[0], (Segment{3050, y(6.0 / 13), 800, y(0.3), kRed}));
        QCOMPARE(curve[1], (Segment{5300, y(9.0 / 16), 3050, y(6.0 / 13), kRed}));
    }

    void extremeCorrelationsGiveLevelCurves() {
        for (const auto& [r, level] : {std::pair{1.0, 800.0f}, std::pair{0.0, 4300.0f}}) {
            ui::DrawingArea area(nullptr);
            ui::graph::drawCurve(area, 2, 40, reliabilities(2, 40, r));
            for (const Segment& s : area.displayList()) {
                QCOMPARE(s.y1, level);
                QCOMPARE(s.y2, level);
            }
        }
    }

    // At r = 0 the curve lies on the bottom axis, and each item-count tick, drawn after the
    // curve, must cover it where they cross: lines are painted in the order they were drawn.
    void aTickDrawnAfterTheCurveCoversIt() {
        ui::DrawingArea area(nullptr);
        area.resize(400, 340);
        ui::graph::drawEmptyFrame(area);
        ui::graph::drawVerticalTicks(area);
        ui::graph::drawCurve(area, 1, 10, reliabilities(1, 10, 0));
        ui::graph::drawItemCountTicks(area, 1, 10);
        const QImage image = area.image();

        const auto count = [&](QRgb colour, const QRect& box) {
            int n = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    n += image.pixel(x, y) == colour ? 1 : 0;
                }
            }
            return n;
        };
        // The first of from..to with the highest score.
        const auto best = [](int from, int to, auto score) {
            int found = from;
            for (int i = from; i <= to; ++i) {
                found = score(i) > score(found) ? i : found;
            }
            return found;
        };
        // The curve lies on the row with the most red; the tick, in the column with the most
        // blue in the five rows above it, near item count 5 at x 2800 twips.
        const auto row = [&](int y) { return QRect(0, y, image.width(), 1); };
        const int curveRow =
            best(0, image.height() - 1, [&](int y) { return count(kRed, row(y)); });
        QVERIFY(count(kRed, row(curveRow)) > 100);
        const auto aboveCurve = [&](int x) { return QRect(x, curveRow - 5, 1, 5); };
        const int middle = qRound(2800 / 15.0);
        const int tickColumn =
            best(middle - 3, middle + 3, [&](int x) { return count(kBlue, aboveCurve(x)); });
        QCOMPARE(count(kBlue, aboveCurve(tickColumn)), 5);
        QCOMPARE(QColor(image.pixel(tickColumn, curveRow)), QColor(kBlue));
    }

    void rangeOfTwoIsOneSegmentWithTicksAtBothEnds() {
        ui::DrawingArea area(nullptr);
        ui::graph::drawCurve(area, 1, 2, reliabilities(1, 2, 0.5));
        ui::graph::drawItemCountTicks(area, 1, 2);
        const std::vector<Segment> curve = ofColour(area, kRed);
        QCOMPARE(curve.size(), std::size_t{1});
        QCOMPARE(curve[0].x1, 5300.0f);
        QCOMPARE(curve[0].x2, 800.0f);
        QCOMPARE(itemTickXs(area), (std::vector<float>{800, 5300}));
    }

    void itemCountTicksThinOutWithTheRange_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("spacing");
        QTest::newRow("d = 49: every count") << 1 << 50 << 1 << 1;
        QTest::newRow("d = 50: even counts") << 1 << 51 << 2 << 2;
        QTest::newRow("d = 150: multiples of 10, not 5") << 1 << 151 << 10 << 10;
        QTest::newRow("d = 300: multiples of 10") << 1 << 301 << 10 << 10;
        QTest::newRow("d = 600: multiples of 20") << 1 << 601 << 20 << 20;
        QTest::newRow("d = 1000: multiples of 100") << 1 << 1001 << 100 << 100;
        QTest::newRow("multiples of the count, not from the lower") << 3 << 60 << 4 << 2;
        QTest::newRow("the full range") << 1 << 32767 << 100 << 100;
    }
    void itemCountTicksThinOutWithTheRange() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, first);
        QFETCH(int, spacing);
        ui::DrawingArea area(nullptr);
        ui::graph::drawItemCountTicks(area, lower, upper);
        std::vector<float> expected;
        for (int j = first; j <= upper; j += spacing) {
            expected.push_back(tickX(j, lower, upper));
        }
        QCOMPARE(itemTickXs(area), expected);
    }

    void multiLineFieldCountsCrLfAsTwoCharacters() {
        ui::MultiLineField field(nullptr, "field");
        field.setText("ab\r\ncd\r\n");
        QCOMPARE(field.length(), 8);
        QCOMPARE(field.text(), QStringLiteral("ab\r\ncd\r\n"));
        QVERIFY(field.textCursor().atEnd());
        field.setInsertionPoint(4);  // the start of "cd"
        field.insert("xy\r\n");
        QCOMPARE(field.text(), QStringLiteral("ab\r\nxy\r\ncd\r\n"));
        field.setInsertionPoint(field.length());
        field.insert("e");
        QCOMPARE(field.text(), QStringLiteral("ab\r\nxy\r\ncd\r\ne"));
        QCOMPARE(field.length(), 13);
    }
};

QTEST_MAIN(GraphTest)
#include "graph_test.moc"

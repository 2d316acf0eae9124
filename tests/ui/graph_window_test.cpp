#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "calc/messages.h"
#include "harness.h"
#include "ui/controls/drawingarea.h"
#include "ui/controls/fonts.h"
#include "ui/controls/multilinefield.h"
#include "ui/windows/frmGraph.h"

using namespace testing_ui;

namespace {

struct GraphWindow {
    explicit GraphWindow(Harness& h) : window(&h.forms.show<ui::frmGraph>()) {}

    void run(const QString& r, const QString& lower, const QString& upper) {
        typeInto(control(window, "txt5r"), r);
        typeInto(control(window, "txt5low"), lower);
        typeInto(control(window, "txt5upper"), upper);
        QTest::mouseClick(control<QPushButton>(window, "cmd5go"), Qt::LeftButton);
    }
    ui::MultiLineField* table() const { return control<ui::MultiLineField>(window, "txt5list"); }
    const std::vector<ui::Segment>& drawing() const {
        return control<ui::DrawingArea>(window, "pic5graph")->displayList();
    }
    QString range() const {
        return control<QLabel>(window, "lbl5LN")->text() + "-" +
               control<QLabel>(window, "lbl5UN")->text();
    }

    ui::frmGraph* window;
};

constexpr QRgb kRed = qRgb(255, 0, 0);

std::size_t redSegments(const std::vector<ui::Segment>& drawing) {
    return static_cast<std::size_t>(std::count_if(
        drawing.begin(), drawing.end(), [](const ui::Segment& s) { return s.colour == kRed; }));
}

const QString kExample =
    QStringLiteral("Number of items\tAlpha\r\n 1\t\t.3000\r\n 2\t\t.4615\r\n 3\t\t.5625\r\n");

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void opensRightOfCentreWithTheEmptyGraph() {
        Harness h;
        GraphWindow graph(h);
        QCOMPARE(
            graph.window->windowTitle(),
            QStringLiteral("Table and graph reliability as a function of the number of items"));
        // Outer size 9270 x 4905 twips, frame included: (15360 - 9270) / 1.01 = 6029.7 twips;
        // (11520 - 4905) / 2 = 3307.5 twips.
        QCOMPARE(graph.window->pos(), QPoint(402, 221));
        QCOMPARE(graph.drawing().size(), std::size_t{23});
        QCOMPARE(redSegments(graph.drawing()), std::size_t{0});
        QCOMPARE(graph.range(), QStringLiteral("-"));
        QCOMPARE(graph.window->focusWidget(), control(graph.window, "txt5r"));
    }

    void runListsTheTableAndDrawsTheGraph() {
        Harness h;
        GraphWindow graph(h);
        graph.run(".3", "1", "3");
        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(graph.table()->text(), kExample);
        QVERIFY(graph.table()->textCursor().atEnd());
        QCOMPARE(graph.range(), QStringLiteral("1-3"));
        // Frame, ten tick pairs, two curve segments and a tick at each of the three counts.
        QCOMPARE(graph.drawing().size(), std::size_t{3 + 20 + 2 + 3});
        QCOMPARE(redSegments(graph.drawing()), std::size_t{2});
    }

    void aRefusedRunKeepsTheTableButLeavesTheBareFrame() {
        Harness h;
        GraphWindow graph(h);
        graph.run(".3", "1", "3");
        graph.run(".3", "3", "3.7");
        QCOMPARE(h.messages.shown, QStringList{calc::messages::kUpperAboveLower});
        QCOMPARE(graph.table()->text(), kExample);
        QCOMPARE(graph.range(), QStringLiteral("1-3"));
        QCOMPARE(graph.drawing().size(), std::size_t{3});
    }

    void theFullRangeIsListedAndDrawnWithoutAnError() {
        Harness h;
        GraphWindow graph(h);
        graph.run(".3", "1", "32767");
        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(graph.table()->document()->blockCount(), 32767 + 2);
        QVERIFY(graph.table()->text().endsWith(" 32767\t\t.9999\r\n"));
        QCOMPARE(graph.range(), QStringLiteral("1-32767"));
        QCOMPARE(redSegments(graph.drawing()), std::size_t{32766});
        QCOMPARE(graph.drawing().size(), std::size_t{3 + 20 + 32766 + 327});
        // The five digits are shown whole, inside the drawing area.
        const auto* upper = control<QLabel>(graph.window, "lbl5UN");
        const auto* area = control<ui::DrawingArea>(graph.window, "pic5graph");
        QVERIFY(upper->width() >= upper->sizeHint().width());
        QVERIFY(upper->geometry().right() <= area->contentsRect().right());
    }

    void resetReturnsToTheLoadState() {
        Harness h;
        GraphWindow graph(h);
        graph.run(".3", "1", "3");
        QTest::mouseClick(control<QPushButton>(graph.window, "cmdReset"), Qt::LeftButton);
        releaseUnloadedWindows();
        GraphWindow fresh(h);
        QVERIFY(fresh.window != graph.window);
        QVERIFY(fresh.table()->text().isEmpty());
        QCOMPARE(fresh.range(), QStringLiteral("-"));
        QCOMPARE(fresh.drawing().size(), std::size_t{23});
        for (const char* name : {"txt5r", "txt5low", "txt5upper"}) {
            QVERIFY2(control(fresh.window, name)->text().isEmpty(), name);
        }
    }

    // The copy is the drawing area as shown, curve and labels, and it draws nothing itself.
    // The context menu that offers it opens and returns at once, with no loop of its own.
    void copyGraphPutsTheDrawingAreaOnTheClipboard() {
        Harness h;
        GraphWindow graph(h);
        graph.run(".3", "1", "51");
        auto* area = control<ui::DrawingArea>(graph.window, "pic5graph");
        QContextMenuEvent request(QContextMenuEvent::Mouse, area->rect().center(),
                                  area->mapToGlobal(area->rect().center()));
        QApplication::sendEvent(area, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().size(), 1);
        QAction* copy = menu->actions().front();
        QCOMPARE(copy->text(), QStringLiteral("Copy graph"));
        QVERIFY(area->actions().contains(copy));
        menu->close();
        QGuiApplication::clipboard()->clear();
        const std::vector<ui::Segment> before = graph.drawing();

        copy->trigger();

        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), area->contentsRect().size() * area->devicePixelRatio());
        QCOMPARE(image.pixelColor(image.width() - 2, 2), area->palette().color(QPalette::Base));
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += image.pixel(x, y) == kRed ? 1 : 0;
            }
        }
        QVERIFY2(red > 100, qPrintable(QString::number(red)));
        QVERIFY(graph.drawing() == before);
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"

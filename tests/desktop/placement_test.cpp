// Where the windows stand on a real X11 desktop with a window manager: the frame that the
// window manager draws, caption and border included, obeys the placement rule on its outer
// size, when a window first opens, after Reset, and after a close and a new show.
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QPushButton>
#include <QRect>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <optional>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "tests/ui/harness.h"
#include "ui/controls/fonts.h"
#include "ui/controls/messagebox.h"
#include "ui/geometry/placement.h"
#include "ui/geometry/screen.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"

using namespace testing_ui;

namespace {

class NoMessages : public ui::MessageBox {
public:
    void show(const QString& text, Closed /*closed*/) override {
        qFatal("unexpected message %s", qPrintable(text));
    }
};

// The outermost window that holds `client` below the root: the window manager's frame,
// measured by the X server, not by what Qt believes.
std::optional<QRect> frameOf(const QWidget& client) {
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto window = static_cast<xcb_window_t>(client.winId());
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        if (!tree) {
            return std::nullopt;
        }
        if (tree->parent == tree->root) {
            break;
        }
        window = tree->parent;
    }
    if (window == client.winId()) {
        return std::nullopt;  // not framed yet
    }
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry) {
        return std::nullopt;
    }
    const int border = geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + 2 * border,
                 geometry->height + 2 * border);
}

// The frame once the window manager has framed the window and it stands still.
QRect settledFrame(const QWidget& window) {
    std::optional<QRect> last;
    int steady = 0;
    const bool settled = QTest::qWaitFor(
        [&] {
            const std::optional<QRect> now = frameOf(window);
            steady = now && now == last ? steady + 1 : 0;
            last = now;
            return steady >= 5;
        },
        5000);
    return settled ? *last : QRect();
}

// Where the rule puts a frame of this size, in whole pixels.
QPoint ruledPlace(QSize outer, double leftDivisor) {
    const QSizeF screen = ui::DesktopScreen().sizeInTwips();
    const float left =
        ui::placedEdge(static_cast<float>(screen.width()),
                       static_cast<float>(outer.width() * ui::kTwipsPerPixel), leftDivisor);
    const float top = ui::placedEdge(static_cast<float>(screen.height()),
                                     static_cast<float>(outer.height() * ui::kTwipsPerPixel), 2);
    return {ui::twipsToPixels(left), ui::twipsToPixels(top)};
}

struct PlacedWindow {
    const char* name;
    ui::Form& (*show)(ui::Forms&);
    ui::Form* (*find)(ui::Forms&);
    double leftDivisor;
    bool resets;
};

template <class F>
PlacedWindow placed(const char* name, double leftDivisor, bool resets) {
    return {name, &showWindow<F>, &loadedWindow<F>, leftDivisor, resets};
}

const PlacedWindow kWindows[] = {
    placed<app::frmMain>("frmMain", 2, false),
    placed<ui::frmAlpha>("frmAlpha", 2, true),
    placed<ui::frmGraph>("frmGraph", 1.01, true),
    placed<app::frmHelp>("frmHelp", 1.2, false),
};

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        ui::installFontSubstitutes();
    }

    void frameObeysTheRule_data() { windows(); }
    void frameObeysTheRule() {
        QFETCH(int, index);
        const PlacedWindow& design = kWindows[index];
        ui::Forms forms(m_screen, m_messages);
        ui::Form& window = design.show(forms);
        checkPlaced(window, design.leftDivisor);

        // A new show after a close builds and places the window afresh.
        window.move(window.pos() + QPoint(-40, 30));
        window.close();
        releaseUnloadedWindows();
        checkPlaced(design.show(forms), design.leftDivisor);
    }

    void resetPlacesTheFrameAgain_data() { windows(); }
    void resetPlacesTheFrameAgain() {
        QFETCH(int, index);
        const PlacedWindow& design = kWindows[index];
        if (!design.resets) {
            QSKIP("no Reset button");
        }
        ui::Forms forms(m_screen, m_messages);
        ui::Form& window = design.show(forms);
        settledFrame(window);
        window.move(window.pos() + QPoint(60, -25));
        settledFrame(window);
        auto* reset = window.findChild<QPushButton*>("cmdReset");
        QVERIFY(reset != nullptr);
        QTest::mouseClick(reset, Qt::LeftButton);
        releaseUnloadedWindows();
        ui::Form* fresh = design.find(forms);
        QVERIFY(fresh != nullptr && fresh != &window);
        checkPlaced(*fresh, design.leftDivisor);
    }

private:
    static void windows() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kWindows)); ++i) {
            QTest::newRow(kWindows[i].name) << i;
        }
    }

    static void checkPlaced(const QWidget& window, double leftDivisor) {
        const QRect frame = settledFrame(window);
        QVERIFY2(frame.isValid(), "the window manager never framed the window");
        // A frame at all: caption and border around the client area.
        QVERIFY(frame.height() > window.height());
        const QPoint ruled = ruledPlace(frame.size(), leftDivisor);
        const QString where = QStringLiteral("frame %1,%2 %3x%4, rule %5,%6")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(ruled.x())
                                  .arg(ruled.y());
        QVERIFY2(std::abs(frame.x() - ruled.x()) <= 1, qPrintable(where));
        QVERIFY2(std::abs(frame.y() - ruled.y()) <= 1, qPrintable(where));
    }

    ui::DesktopScreen m_screen;
    NoMessages m_messages;
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"

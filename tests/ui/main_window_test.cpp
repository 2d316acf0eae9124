#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/frmMain.h"
#include "app/programicon.h"
#include "harness.h"
#include "ui/controls/fonts.h"
#include "ui/geometry/placement.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"
#include "ui/windows/frmSbalpha.h"

using namespace testing_ui;

namespace {

struct MenuOption {
    const char* name;
    int (*openWindows)();  // how many windows of the class it shows are open
};

template <class F>
int openWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += dynamic_cast<F*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return count;
}

const MenuOption kMenu[] = {
    {"Option1", &openWindows<ui::frmAlpha>},   {"Option2", &openWindows<ui::frmSbalpha>},
    {"Option3", &openWindows<ui::frmRfromal>}, {"Option4", &openWindows<ui::frmItemneed>},
    {"Option5", &openWindows<ui::frmGraph>},
};

QImage drawnAt(const QIcon& icon, int side, qreal ratio) {
    QImage canvas(QSize(side, side) * ratio, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(0, 0, side, side));
    return canvas;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void startsCentredWithNoOptionSelected() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QCOMPARE(main.windowTitle(), QStringLiteral("Mirtavo -- Reliability Computation"));
        // The offscreen platform frames every window with 2 px (30 twips) on each side, and the
        // rule places the frame by the outer size: (15360 - 7590) / 2 = 3885 twips = 259 px;
        // (11520 - 3435) / 2 = 4042.5 twips.
        QCOMPARE(main.pos(), QPoint(259, 270));
        for (const char* name :
             {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"}) {
            QVERIFY2(!control<QRadioButton>(&main, name)->isChecked(), name);
        }
        QCOMPARE(h.forms.find<ui::frmAlpha>(), nullptr);
        QCOMPARE(main.focusWidget(), control<QRadioButton>(&main, "Option2"));
    }

    void tabOrderStartsAtTheSecondOption() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QStringList order;
        QWidget* widget = control<QRadioButton>(&main, "Option2");
        for (int i = 0; i < 7; ++i) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus)) {
                widget = widget->nextInFocusChain();
            }
        }
        QCOMPARE(order, QStringList({"Option2", "Option1", "Option3", "Option4", "Option5",
                                     "Option6", "cmdHelp"}));
    }

    void firstOptionOpensTheAlphaWindowOnce() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, "Option1"), Qt::LeftButton);
        auto* alpha = h.forms.find<ui::frmAlpha>();
        QVERIFY(alpha != nullptr);
        QVERIFY(alpha->isVisible());
        QVERIFY(control<QRadioButton>(&main, "Option1")->isChecked());
        QVERIFY(main.isVisible());

        typeInto(control(alpha, "txt1k"), "6");
        QTest::mouseClick(control<QRadioButton>(&main, "Option1"), Qt::LeftButton);
        QCOMPARE(h.forms.find<ui::frmAlpha>(), alpha);
        QCOMPARE(control(alpha, "txt1k")->text(), QStringLiteral("6"));
    }

    // What a screen reader or voice control does to choose an option: its accessible action.
    void eachOptionsAccessibleActionRunsItsHandlerOnce_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kMenu)); ++i) {
            QTest::newRow(kMenu[i].name) << i;
        }
    }
    void eachOptionsAccessibleActionRunsItsHandlerOnce() {
        QFETCH(int, index);
        const MenuOption& option = kMenu[index];
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        auto* button = control<QRadioButton>(&main, option.name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
        QCOMPARE(accessible->role(), QAccessible::RadioButton);
        QCOMPARE(accessible->text(QAccessible::Name), button->text());
        const QStringList actions = accessible->actionInterface()->actionNames();
        QVERIFY(actions.contains(QAccessibleActionInterface::toggleAction()));

        QSignalSpy clicks(button, &QRadioButton::clicked);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(clicks.size(), 1);
        QVERIFY(button->isChecked());
        QVERIFY(accessible->state().checked);
        QCOMPARE(option.openWindows(), 1);
        // Choosing it again only brings the same window back, as a second click does.
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(option.openWindows(), 1);
    }

    void endThisProgramThroughItsAccessibleAction() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control<QRadioButton>(&main, "Option6"));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!main.isVisible());
    }

    void endThisProgramHidesEveryWindow() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, "Option1"), Qt::LeftButton);
        QTest::mouseClick(control<QRadioButton>(&main, "Option6"), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QVERIFY(!h.forms.find<ui::frmAlpha>()->isVisible());
    }

    void closingTheMainWindowLeavesOthersOpen() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, "Option1"), Qt::LeftButton);
        main.close();
        releaseUnloadedWindows();
        QCOMPARE(h.forms.find<app::frmMain>(), nullptr);
        QVERIFY(h.forms.find<ui::frmAlpha>()->isVisible());
    }

    void aWindowLargerThanTheScreenGetsNegativeEdges() {
        Harness h;
        h.screen.size = QSizeF(3000, 1500);
        auto& main = h.forms.show<app::frmMain>();
        // (3000 - 7590) / 2 = -2295 twips = -153 px; (1500 - 3435) / 2 = -967.5 twips.
        QCOMPARE(main.pos(), QPoint(-153, -65));
    }

    // The icon that reads its pictures late draws what an icon of the same files draws: the
    // picture picked, its scaling, never enlarged, at either pixel ratio.
    void iconReadWhenDrawnDrawsAsAnIconOfItsFiles() {
        QTemporaryDir folder;
        QList<std::pair<int, QString>> files;
        QIcon eager;
        for (int side : {64, 16, 32}) {
            QImage picture(side, side, QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.fillRect(0, 0, side / 2, side, QColor(side * 3, 40, 200));
            painter.drawLine(0, side - 1, side - 1, 0);
            painter.end();
            const QString file = folder.filePath(QStringLiteral("%1.png").arg(side));
            QVERIFY(picture.save(file));
            files.append({side, file});
            eager.addFile(file, QSize(side, side));
        }
        const QIcon late = app::iconReadWhenDrawn(files);
        QCOMPARE(late.availableSizes().size(), 3);
        for (int side : {12, 16, 20, 32, 48, 64, 100}) {
            const QSize size(side, side);
            QCOMPARE(late.actualSize(size), eager.actualSize(size));
            QCOMPARE(late.pixmap(size).toImage(), eager.pixmap(size).toImage());
            for (qreal ratio : {1.0, 2.0}) {
                QCOMPARE(drawnAt(late, side, ratio), drawnAt(eager, side, ratio));
            }
        }
    }

    void placedEdgeDividesTheFreeSpace() {
        QCOMPARE(ui::placedEdge(15360, 6570, 1.2), 7325.0f);
        QCOMPARE(ui::placedEdge(15360, 6570, 2), 4395.0f);
        QCOMPARE(ui::placedEdge(15360, 9300, 1.01), 6000.0f);
        QCOMPARE(ui::placedEdge(11520, 3375, 2), 4072.5f);
        QCOMPARE(ui::placedEdge(3000, 7530, 2), -2265.0f);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

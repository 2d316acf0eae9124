#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/frmMain.h"
#include "harness.h"
#include "ui/fonts.h"
#include "ui/frmAlpha.h"
#include "ui/placement.h"

using namespace testing_ui;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void startsCentredWithNoOptionSelected() {
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QCOMPARE(main.windowTitle(), QStringLiteral("Mirtavo -- Reliability Computation"));
        // (15360 - 7530) / 2 = 3915 twips = 261 px; (11520 - 3375) / 2 = 4072.5 twips.
        QCOMPARE(main.pos(), QPoint(261, 272));
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
        // (3000 - 7530) / 2 = -2265 twips = -151 px; (1500 - 3375) / 2 = -937.5 twips.
        QCOMPARE(main.pos(), QPoint(-151, -63));
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

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calc/messages.h"
#include "harness.h"
#include "ui/controls/fonts.h"
#include "ui/windows/frmAlpha.h"

using namespace testing_ui;

namespace {

struct AlphaWindow {
    explicit AlphaWindow(Harness& h) : window(&h.forms.show<ui::frmAlpha>()) {}

    void run(const QString& k, const QString& scale, const QString& sum) {
        typeInto(control(window, "txt1k"), k);
        typeInto(control(window, "txt1sv"), scale);
        typeInto(control(window, "txt1siv"), sum);
        QTest::mouseClick(control<QPushButton>(window, "cmd1go"), Qt::LeftButton);
    }
    QString result() const { return control(window, "txt1alpha")->text(); }

    ui::frmAlpha* window;
};

}  // namespace

class AlphaWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void opensCentredAndEmptyWithFocusInTheItemCount() {
        Harness h;
        AlphaWindow alpha(h);
        QCOMPARE(alpha.window->windowTitle(),
                 QStringLiteral("Estimate reliability using variances"));
        // The rule places the frame by the outer size, client area 5250 x 1605 twips and the
        // offscreen frame of 30 on every side: (15360 - 5310) / 2 = 5025 twips = 335 px;
        // (11520 - 1665) / 2 = 4927.5 twips.
        QCOMPARE(alpha.window->pos(), QPoint(335, 329));
        QCOMPARE(alpha.window->size(), QSize(350, 107));
        for (const char* name : {"txt1k", "txt1sv", "txt1siv", "txt1alpha"}) {
            QVERIFY2(control(alpha.window, name)->text().isEmpty(), name);
        }
        QCOMPARE(alpha.window->focusWidget(), control(alpha.window, "txt1k"));
    }

    void fieldsAreNamedByTheirLabels() {
        Harness h;
        AlphaWindow alpha(h);
        QCOMPARE(control<QLabel>(alpha.window, "Label3")->buddy(),
                 control(alpha.window, "txt1siv"));
        QCOMPARE(control<QLabel>(alpha.window, "Label4")->buddy(),
                 control(alpha.window, "txt1alpha"));
    }

    void runWritesTheFlooredAlpha() {
        Harness h;
        AlphaWindow alpha(h);
        alpha.run("6", "4.5", "2.4");
        QCOMPARE(alpha.result(), QStringLiteral("0.56"));
        QVERIFY(h.messages.shown.isEmpty());
    }

    void enterPressesRun() {
        Harness h;
        AlphaWindow alpha(h);
        QApplication::setActiveWindow(alpha.window);
        typeInto(control(alpha.window, "txt1k"), "10");
        typeInto(control(alpha.window, "txt1sv"), "20");
        typeInto(control(alpha.window, "txt1siv"), "5");
        QTest::keyClick(control(alpha.window, "txt1siv"), Qt::Key_Return);
        QCOMPARE(alpha.result(), QStringLiteral("0.8333"));
    }

    void aRefusedClickShowsItsMessageAndKeepsTheEarlierResult() {
        Harness h;
        AlphaWindow alpha(h);
        alpha.run("6", "4.5", "2.4");
        alpha.run("", "4.5", "2.4");
        alpha.run("1", "4.5", "2.4");
        alpha.run("6", "", "");
        QCOMPARE(h.messages.shown,
                 QStringList({calc::messages::kItemsPositive, calc::messages::kErrorTrap,
                              calc::messages::kVariancesPositive}));
        QCOMPARE(alpha.result(), QStringLiteral("0.56"));
    }

    void resetBuildsTheWindowAfreshAndPlacesItAgain() {
        Harness h;
        AlphaWindow alpha(h);
        alpha.run("6", "4.5", "2.4");
        alpha.window->move(10, 10);
        QTest::mouseClick(control<QPushButton>(alpha.window, "cmdReset"), Qt::LeftButton);
        releaseUnloadedWindows();
        auto* fresh = h.forms.find<ui::frmAlpha>();
        QVERIFY(fresh != nullptr);
        QVERIFY(fresh->isVisible());
        QCOMPARE(fresh->pos(), QPoint(335, 329));
        for (const char* name : {"txt1k", "txt1sv", "txt1siv", "txt1alpha"}) {
            QVERIFY2(control(fresh, name)->text().isEmpty(), name);
        }
    }

    void closingUnloadsSoTheNextShowIsFresh() {
        Harness h;
        AlphaWindow alpha(h);
        alpha.run("6", "4.5", "2.4");
        alpha.window->close();
        releaseUnloadedWindows();
        QCOMPARE(h.forms.find<ui::frmAlpha>(), nullptr);
        AlphaWindow again(h);
        QVERIFY(again.result().isEmpty());
        QVERIFY(control(again.window, "txt1k")->text().isEmpty());
    }
};

QTEST_MAIN(AlphaWindowTest)
#include "alpha_window_test.moc"

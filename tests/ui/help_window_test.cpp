#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "app/helptext.h"
#include "harness.h"
#include "ui/controls/fonts.h"
#include "ui/controls/multilinefield.h"
#include "ui/windows/frmGraph.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"

using namespace testing_ui;

namespace {

struct HelpWindow {
    explicit HelpWindow(Harness& h) : main(&h.forms.show<app::frmMain>()) {
        QTest::mouseClick(control<QPushButton>(main, "cmdHelp"), Qt::LeftButton);
        window = h.forms.find<app::frmHelp>();
        if (window == nullptr) {
            qFatal("Help opened no window");
        }
    }
    ui::MultiLineField* field() const { return control<ui::MultiLineField>(window, "txtHelp"); }
    QStringList lines() const { return field()->text().split("\r\n"); }

    app::frmMain* main;
    app::frmHelp* window = nullptr;
};

template <class F>
QString captionOf(Harness& h) {
    return h.forms.show<F>().windowTitle();
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void opensRightOfCentre() {
        Harness h;
        HelpWindow help(h);
        QCOMPARE(help.window->windowTitle(), QStringLiteral("Mirtavo Help"));
        // Outer size 6540 x 6075 twips, frame included: (15360 - 6540) / 1.2 = 7350 twips;
        // (11520 - 6075) / 2 = 2722.5 twips.
        QCOMPARE(help.window->pos(), QPoint(490, 182));
    }

    void textHasItsTitleSixBlankLinesAndAFinalBreak() {
        Harness h;
        HelpWindow help(h);
        const QString text = help.field()->text();
        QVERIFY(text.startsWith("     Mirtavo -- 'Reliability Computation'\r\n"));
        QVERIFY(text.endsWith("ben.marlow@example.org).\r\n"));
        QCOMPARE(text.count("\r\n"), 26);
        QVERIFY(!text.contains(QRegularExpression("[^\r]\n")));
        QCOMPARE(help.lines().count(QString()), 6 + 1);  // the six, and after the final break
        QVERIFY(help.field()->textCursor().atEnd());
    }

    void everyPieceEndsWithCrLfAndNoLoneLineFeed() {
        for (const app::HelpPiece& piece : app::helpPieces()) {
            const std::string text = app::pieceText(piece);
            QVERIFY(text.ends_with("\r\n"));
            QCOMPARE(std::count(text.begin(), text.end(), '\n'), 1);
            QCOMPARE(std::count(text.begin(), text.end(), '\r'), 1);
        }
    }

    void headingsNameTheWindowsTheyDescribe() {
        Harness h;
        HelpWindow help(h);
        QStringList headings;
        for (const QString& line : help.lines()) {
            if (line.startsWith('*')) {
                headings << line.mid(1);
            }
        }
        QCOMPARE(headings, QStringList({control<QRadioButton>(help.main, "Option1")->text(),
                                        control<QRadioButton>(help.main, "Option2")->text(),
                                        captionOf<ui::frmRfromal>(h), captionOf<ui::frmItemneed>(h),
                                        captionOf<ui::frmGraph>(h)}));
    }

    void showingAgainAddsNothingAndReopeningBuildsTheSameText() {
        Harness h;
        HelpWindow help(h);
        const QString first = help.field()->text();
        QTest::mouseClick(control<QPushButton>(help.main, "cmdHelp"), Qt::LeftButton);
        QCOMPARE(h.forms.find<app::frmHelp>(), help.window);
        QCOMPARE(help.field()->text(), first);
        help.window->close();
        releaseUnloadedWindows();
        HelpWindow again(h);
        QCOMPARE(again.field()->text(), first);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

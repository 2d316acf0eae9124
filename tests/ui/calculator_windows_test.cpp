// The three windows that compute one result from two fields, driven from the main window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>

#include "app/frmMain.h"
#include "calc/messages.h"
#include "harness.h"
#include "ui/controls/fonts.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"
#include "ui/windows/frmSbalpha.h"

using namespace testing_ui;

namespace {

struct WindowDesign {
    const char* option;
    ui::Form* (*find)(ui::Forms&);
    const char* caption;
    QSize clientPixels;
    std::array<const char*, 2> inputs;
    const char* goButton;
    const char* result;
};

// 5250 x 1275 twips is 350 x 85 pixels, 5250 x 1245 is 350 x 83.
// clang-format off
const std::array<WindowDesign, 3> kWindows{{
    {"Option2", &loadedWindow<ui::frmSbalpha>, "Estimate reliability using inter-item r", {350, 85},
     {"txt2k", "txt2r"}, "cmd2go", "txt2alpha"},
    {"Option3", &loadedWindow<ui::frmRfromal>, "Estimate inter-item r from alpha", {350, 83},
     {"txt3k", "txt3alpha"}, "cmd3go", "txt3r"},
    {"Option4", &loadedWindow<ui::frmItemneed>, "How many items are needed?", {350, 83},
     {"txt4r", "txt4dr"}, "cmd4go", "txt4k"},
}};
// clang-format on

// One window opened from its option in the main window.
struct Calculator {
    Calculator(Harness& h, int index) : design(kWindows.at(index)) {
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, design.option), Qt::LeftButton);
        window = design.find(h.forms);
        if (window == nullptr) {
            qFatal("%s opened no window", design.option);
        }
    }

    void run(const QString& first, const QString& second) {
        typeInto(control(window, design.inputs[0]), first);
        typeInto(control(window, design.inputs[1]), second);
        QTest::mouseClick(control<QPushButton>(window, design.goButton), Qt::LeftButton);
    }
    QLineEdit* result() const { return control(window, design.result); }

    const WindowDesign& design;
    QWidget* window = nullptr;
};

const QString kLimitFour =
    QStringLiteral("For an inter-item correlation is -.2, there must be  4 or fewer items.");

}  // namespace

class CalculatorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void opensFromItsOptionCentredAndEmpty_data() {
        QTest::addColumn<int>("index");
        // clang-format off
        QTest::newRow("Spearman-Brown") << 0;
        QTest::newRow("inter-item r") << 1;
        QTest::newRow("items needed") << 2;
        // clang-format on
    }
    void opensFromItsOptionCentredAndEmpty() {
        QFETCH(int, index);
        Harness h;
        Calculator calculator(h, index);
        QWidget* window = calculator.window;
        QCOMPARE(window->windowTitle(), QString(calculator.design.caption));
        QCOMPARE(window->size(), calculator.design.clientPixels);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QSize size = window->frameGeometry().size() * 15;
        const QPoint centred(qRound((15360 - size.width()) / 2.0 / 15),
                             qRound((11520 - size.height()) / 2.0 / 15));
        QCOMPARE(window->pos(), centred);
        QCOMPARE(window->focusWidget(), control(window, calculator.design.inputs[0]));
        QVERIFY(calculator.result()->text().isEmpty());
        QVERIFY(control<QPushButton>(window, calculator.design.goButton)->isDefault());
    }

    void playsTheOutcomeInOrder_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        // Each message with the result field's text at the moment it is shown, then the result.
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("result");

        // clang-format off
        QTest::newRow("reliability") << 0 << "7" << ".15" << QStringList() << "0.5526";
        QTest::newRow("limit refuses") << 0 << "6" << "-0.2" << QStringList{kLimitFour + "|"}
                                       << "";
        QTest::newRow("negative alpha warns first")
            << 1 << "5" << "-.5" << QStringList{QString(calc::messages::kNegativeAlpha) + "|"}
            << "-0.0715";
        QTest::newRow("count within tolerance") << 2 << ".2" << ".8" << QStringList() << "16";
        QTest::newRow("both limit messages around the count")
            << 2 << "-.2" << ".5"
            << QStringList{kLimitFour + "|",
                           "For an inter-item correlation is -.2, there must be  4 or fewer "
                           "items, therefore,  6 is an invalid calculation.|6"}
            << "6";
        QTest::newRow("limit then empty reliability")
            << 2 << "-.2" << ""
            << QStringList{kLimitFour + "|",
                           QString(calc::messages::kEnterDesiredReliability) + "|"}
            << "";
        QTest::newRow("word in a field") << 1 << "abc" << ""
                                         << QStringList{QString(calc::messages::kErrorTrap) + "|"}
                                         << "";
        // clang-format on
    }
    void playsTheOutcomeInOrder() {
        QFETCH(int, index);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, seen);
        QFETCH(QString, result);
        Harness h;
        h.messages.holdOpen = true;
        Calculator calculator(h, index);
        QStringList actual;
        h.messages.onShow = [&](const QString& text) {
            actual << text + "|" + calculator.result()->text();
        };
        calculator.run(first, second);
        // One box at a time, and nothing written while it is open.
        for (qsizetype closed = 0; h.messages.isOpen(); ++closed) {
            QCOMPARE(actual.size(), closed + 1);
            QCOMPARE(calculator.result()->text(), actual.back().section('|', 1));
            h.messages.closeBox();
        }
        QCOMPARE(actual, seen);
        QCOMPARE(calculator.result()->text(), result);
    }

    void aRefusalKeepsTheEarlierResult_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("Spearman-Brown") << 0 << "7" << ".15" << "0.5526";
        QTest::newRow("inter-item r") << 1 << "6" << ".65" << "0.2363";
        QTest::newRow("items needed") << 2 << ".15" << ".68" << "13";
        // clang-format on
    }
    void aRefusalKeepsTheEarlierResult() {
        QFETCH(int, index);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, result);
        Harness h;
        Calculator calculator(h, index);
        calculator.run(first, second);
        calculator.run("", second);
        calculator.run(first, "word");
        QCOMPARE(h.messages.shown.size(), 2);
        QCOMPARE(calculator.result()->text(), result);
    }

    void resetEmptiesEveryField_data() { aRefusalKeepsTheEarlierResult_data(); }
    void resetEmptiesEveryField() {
        QFETCH(int, index);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Harness h;
        Calculator calculator(h, index);
        calculator.run(first, second);
        QTest::mouseClick(control<QPushButton>(calculator.window, "cmdReset"), Qt::LeftButton);
        releaseUnloadedWindows();
        QWidget* fresh = calculator.design.find(h.forms);
        QVERIFY(fresh != nullptr);
        QVERIFY(fresh->isVisible());
        for (const char* name :
             {calculator.design.inputs[0], calculator.design.inputs[1], calculator.design.result}) {
            QVERIFY2(control(fresh, name)->text().isEmpty(), name);
        }
    }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "calculator_windows_test.moc"

// Every window works from the keyboard alone: Tab visits its controls in the designed order and
// comes back round to the first, and Enter in any input field of a computation window presses
// its go button, the window's default button.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <vector>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "harness.h"
#include "ui/fonts.h"
#include "ui/frmAlpha.h"
#include "ui/frmGraph.h"
#include "ui/frmItemneed.h"
#include "ui/frmRfromal.h"
#include "ui/frmSbalpha.h"

using namespace testing_ui;

namespace {

struct KeyboardDesign {
    ui::Form& (*show)(ui::Forms&);
    QStringList tabOrder;  // the controls that take the focus, from the one it opens on
    std::vector<const char*> inputs;
    const char* goButton;  // null for windows without one
};

template <class F>
ui::Form& showWindow(ui::Forms& forms) {
    return forms.show<F>();
}

const std::vector<KeyboardDesign> kWindows{
    // The six options are one group and so one tab stop, as on the classic desktop: Tab enters
    // the group on Option2 and leaves it for "Help". The focus chain within the group is the
    // main window test's concern.
    {&showWindow<app::frmMain>, {"Option2", "cmdHelp"}, {}, nullptr},
    {&showWindow<app::frmHelp>, {"txtHelp"}, {}, nullptr},
    {&showWindow<ui::frmAlpha>,
     {"txt1k", "txt1sv", "txt1siv", "cmd1go", "txt1alpha", "cmdReset"},
     {"txt1k", "txt1sv", "txt1siv"},
     "cmd1go"},
    {&showWindow<ui::frmSbalpha>,
     {"txt2k", "txt2r", "cmd2go", "txt2alpha", "cmdReset"},
     {"txt2k", "txt2r"},
     "cmd2go"},
    {&showWindow<ui::frmRfromal>,
     {"txt3k", "txt3alpha", "cmd3go", "txt3r", "cmdReset"},
     {"txt3k", "txt3alpha"},
     "cmd3go"},
    {&showWindow<ui::frmItemneed>,
     {"txt4r", "txt4dr", "cmd4go", "txt4k", "cmdReset"},
     {"txt4r", "txt4dr"},
     "cmd4go"},
    {&showWindow<ui::frmGraph>,
     {"txt5r", "txt5low", "txt5upper", "cmd5go", "txt5list", "pic5graph", "cmdReset"},
     {"txt5r", "txt5low", "txt5upper"},
     "cmd5go"},
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void tabVisitsTheControlsInTheDesignedOrder_data() { windows(); }
    void tabVisitsTheControlsInTheDesignedOrder() {
        QFETCH(int, index);
        const KeyboardDesign& design = kWindows[index];
        Harness h;
        ui::Form& window = design.show(h.forms);
        QApplication::setActiveWindow(&window);
        QStringList visited;
        for (qsizetype i = 0; i <= design.tabOrder.size(); ++i) {
            QWidget* focus = window.focusWidget();
            QVERIFY(focus != nullptr);
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, design.tabOrder + QStringList{design.tabOrder.first()});
    }

    void enterInAnyInputPressesTheGoButton_data() { windows(); }
    void enterInAnyInputPressesTheGoButton() {
        QFETCH(int, index);
        const KeyboardDesign& design = kWindows[index];
        if (design.goButton == nullptr) {
            QSKIP("no go button");
        }
        Harness h;
        ui::Form& window = design.show(h.forms);
        QApplication::setActiveWindow(&window);
        QVERIFY(control<QPushButton>(&window, design.goButton)->isDefault());
        // With every field empty, each window's first check refuses with one message.
        for (const char* input : design.inputs) {
            const qsizetype before = h.messages.shown.size();
            QTest::keyClick(control(&window, input), Qt::Key_Return);
            QTest::keyClick(control(&window, input), Qt::Key_Enter);
            QVERIFY2(h.messages.shown.size() == before + 2, input);
        }
    }

private:
    static void windows() {
        QTest::addColumn<int>("index");
        const char* names[] = {"frmMain",    "frmHelp",     "frmAlpha", "frmSbalpha",
                               "frmRfromal", "frmItemneed", "frmGraph"};
        for (int i = 0; i < static_cast<int>(kWindows.size()); ++i) {
            QTest::newRow(names[i]) << i;
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

// Every window works from the keyboard alone: Tab visits its controls in the designed order and
// comes back round to the first, Enter in any input field of a computation window presses its
// go button, the window's default button, and Enter or Space on a focused push button presses
// that button. What an on-screen keyboard's input method hands over lands in the focused field
// as typed, and no scroll bar opens a menu that would wait for the user.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <utility>
#include <vector>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "harness.h"
#include "tests/support/ownmessages.h"
#include "ui/controls/fonts.h"
#include "ui/controls/textentry.h"
#include "ui/controls/waitingmenus.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"
#include "ui/windows/frmSbalpha.h"

using namespace testing_ui;

namespace {

struct KeyboardDesign {
    ui::Form& (*show)(ui::Forms&);
    QStringList tabOrder;  // the controls that take the focus, from the one it opens on
    std::vector<const char*> inputs;
    const char* goButton;  // null for windows without one
};

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

const char* const kNames[] = {"frmMain",    "frmHelp",     "frmAlpha", "frmSbalpha",
                              "frmRfromal", "frmItemneed", "frmGraph"};

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

    void enterInAnyInputOrOnItPressesTheGoButton_data() { windows(); }
    void enterInAnyInputOrOnItPressesTheGoButton() {
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
        // And on the go button itself, focused.
        auto* go = control<QPushButton>(&window, design.goButton);
        go->setFocus();
        const qsizetype before = h.messages.shown.size();
        pressKey(go, Qt::Key_Return);
        QCOMPARE(h.messages.shown.size(), before + 1);
    }

    void enterOrSpaceOnAFocusedButtonPressesIt_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        const std::pair<const char*, int> keys[] = {
            {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
        for (const auto& [keyName, key] : keys) {
            for (int i = 0; i < static_cast<int>(kWindows.size()); ++i) {
                if (kWindows[i].goButton != nullptr) {
                    QTest::addRow("cmdReset %s %s", kNames[i], keyName) << i << key;
                }
            }
        }
    }
    void enterOrSpaceOnAFocusedButtonPressesIt() {
        QFETCH(int, index);
        QFETCH(int, key);
        const KeyboardDesign& design = kWindows[index];
        Harness h;
        ui::Form& window = design.show(h.forms);
        QApplication::setActiveWindow(&window);
        typeInto(control(&window, design.inputs.front()), "7");
        auto* reset = control<QPushButton>(&window, "cmdReset");
        reset->setFocus();
        const QPointer<ui::Form> before(&window);
        pressKey(reset, key);
        releaseUnloadedWindows();
        // Reset, not Run: the window was built afresh and no check ran.
        QVERIFY(before.isNull());
        QVERIFY(h.messages.shown.isEmpty());
        ui::Form& fresh = design.show(h.forms);
        QVERIFY(control(&fresh, design.inputs.front())->text().isEmpty());
    }

    void enterOrSpaceOnTheHelpButtonShowsHelp_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOrSpaceOnTheHelpButtonShowsHelp() {
        QFETCH(int, key);
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QApplication::setActiveWindow(&main);
        auto* help = control<QPushButton>(&main, "cmdHelp");
        help->setFocus();
        pressKey(help, key);
        QVERIFY(h.forms.find<app::frmHelp>() != nullptr);
        QVERIFY(h.forms.find<app::frmHelp>()->isVisible());
    }

    // What an input method hands over lands once, as typed, in the focused field (the scale
    // variance, its "9" selected): each step commits ("=") or composes ("~") a text. Enter then
    // gives alpha, or for what is no number the window's own message. A button takes no text.
    void anInputMethodsTextLandsInTheFocusedFieldAsTyped_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("alpha");
        QTest::newRow("a commit") << QStringList{"=4.5"} << "4.5"
                                  << "0.56";
        QTest::newRow("by character") << QStringList{"=4", "=.", "=5"} << "4.5"
                                      << "0.56";
        QTest::newRow("composing given up") << QStringList{"=4", "~.7", "="} << "4"
                                            << "0.48";
        QTest::newRow("a composed letter") << QStringList{"~e", "~\u00e9", "=\u00e9"} << "\u00e9"
                                           << "";
        QTest::newRow("a full-width digit") << QStringList{"=\uff16"} << "\uff16"
                                            << "";
    }
    void anInputMethodsTextLandsInTheFocusedFieldAsTyped() {
        QFETCH(QStringList, steps);
        QFETCH(QString, typed);
        QFETCH(QString, alpha);
        Harness h;
        auto& window = h.forms.show<ui::frmAlpha>();
        QApplication::setActiveWindow(&window);
        typeInto(control(&window, "txt1k"), "6");
        typeInto(control(&window, "txt1siv"), "2.4");
        QLineEdit* field = control(&window, "txt1sv");
        typeInto(field, "9");
        field->selectAll();
        field->setFocus();
        for (const QString& step : steps) {
            QVERIFY(ui::enterText(step.mid(1),
                                  step[0] == '~' ? ui::TextEntry::Compose : ui::TextEntry::Commit));
        }
        QCOMPARE(field->text(), typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(control(&window, "txt1alpha")->text(), alpha);
        const QStringList expected = alpha.isEmpty() ? h.messages.shown.mid(0, 1) : QStringList();
        QCOMPARE(h.messages.shown, expected);
        QVERIFY(alpha.size() ||
                check::isOwnMessage(check::Window::Alpha, expected.value(0).toStdString()));
        control<QPushButton>(&window, "cmd1go")->setFocus();
        QVERIFY(!ui::enterText(QStringLiteral("7"), ui::TextEntry::Commit));
    }

    // A scroll bar's menu would wait in a nested event loop, which in a browser never returns;
    // a field's menu does not wait, and stays. A menu left open is closed, so the test ends.
    void onlyMenusThatWaitAreRefused() {
        ui::refuseMenusThatWait(*qApp);
        Harness h;
        auto* text = control<QPlainTextEdit>(&h.forms.show<app::frmHelp>(), "txtHelp");
        for (QWidget* target :
             {static_cast<QWidget*>(text->verticalScrollBar()), text->viewport()}) {
            QWidget* opened = nullptr;
            QTimer::singleShot(100, [&opened] {
                if ((opened = QApplication::activePopupWidget()) != nullptr) {
                    opened->close();
                }
            });
            QContextMenuEvent click(QContextMenuEvent::Mouse, target->rect().center(),
                                    target->mapToGlobal(target->rect().center()));
            QApplication::sendEvent(target, &click);
            QTest::qWait(200);
            QCOMPARE(opened != nullptr, target == text->viewport());
        }
    }

private:
    // A key as the keyboard sends it: the keypad's Enter carries the keypad modifier.
    static void pressKey(QWidget* widget, int key) {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
    }

    static void windows() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(kWindows.size()); ++i) {
            QTest::newRow(kNames[i]) << i;
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

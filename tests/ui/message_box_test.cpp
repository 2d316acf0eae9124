// The program's own message box, not the recorder: modal to every window, closed by Enter,
// Space or a click on OK, each of a click's boxes opening once the one before it is closed, and
// the keyboard focus back where it was once the last one is.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "app/frmMain.h"
#include "harness.h"
#include "ui/controls/fonts.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmItemneed.h"

using namespace testing_ui;

namespace {

enum class Closing { Enter, Space, ClickOnOk };

QMessageBox* openBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

// A click with the pointer as the window system delivers it, which a modal box holds back.
void clickThroughTheWindowSystem(QWidget* control) {
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(control->window(), control->rect().center()));
}

void close(QMessageBox* box, Closing closing) {
    QPushButton* ok = qobject_cast<QPushButton*>(box->button(QMessageBox::Ok));
    QTRY_COMPARE(QApplication::focusWidget(), ok);
    switch (closing) {
        case Closing::Enter:
            QTest::keyClick(ok, Qt::Key_Return);
            break;
        case Closing::Space:
            QTest::keyClick(ok, Qt::Key_Space);
            break;
        case Closing::ClickOnOk:
            QTest::mouseClick(ok, Qt::LeftButton);
            break;
    }
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void boxesOpenOneAfterAnotherAndGiveTheFocusBack_data() {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Enter") << Closing::Enter;
        QTest::newRow("Space") << Closing::Space;
        QTest::newRow("click on OK") << Closing::ClickOnOk;
    }
    void boxesOpenOneAfterAnotherAndGiveTheFocusBack() {
        QFETCH(Closing, closing);
        Program program;
        auto& main = program.forms.show<app::frmMain>();
        auto& items = program.forms.show<ui::frmItemneed>();
        QApplication::setActiveWindow(&items);
        typeInto(control(&items, "txt4r"), "-.2");
        typeInto(control(&items, "txt4dr"), ".5");
        control(&items, "txt4dr")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), control(&items, "txt4dr"));
        QTest::keyClick(control(&items, "txt4dr"), Qt::Key_Return);

        // The item limit, then the count beyond it, then the count itself.
        QMessageBox* first = openBox();
        QVERIFY(first != nullptr);
        QCOMPARE(first->windowTitle(), QStringLiteral("Mirtavo"));
        QCOMPARE(first->icon(), QMessageBox::NoIcon);
        QCOMPARE(first->buttons().size(), 1);
        QVERIFY(first->text().startsWith("For an inter-item correlation is -.2, there must be"));
        QVERIFY(control(&items, "txt4k")->text().isEmpty());

        // Nothing else takes a click or closes meanwhile: the program cannot end under a box.
        clickThroughTheWindowSystem(control<QRadioButton>(&main, "Option1"));
        clickThroughTheWindowSystem(control<QRadioButton>(&main, "Option6"));
        QVERIFY(!items.close());
        QVERIFY(program.forms.find<ui::frmAlpha>() == nullptr);
        QVERIFY(main.isVisible() && items.isVisible());

        close(first, closing);
        QMessageBox* second = openBox();
        QVERIFY(second != nullptr && second != first);
        QVERIFY(second->text().endsWith("therefore,  6 is an invalid calculation."));
        QCOMPARE(control(&items, "txt4k")->text(), QStringLiteral("6"));

        close(second, closing);
        QVERIFY(openBox() == nullptr);
        QTRY_COMPARE(QApplication::focusWidget(), control(&items, "txt4dr"));
        QCOMPARE(QApplication::activeWindow(), &items);

        // The same click reaches the main window again once the boxes are gone.
        clickThroughTheWindowSystem(control<QRadioButton>(&main, "Option1"));
        QVERIFY(program.forms.find<ui::frmAlpha>() != nullptr);
    }

    // Boxes left open: Enter pressed again at once on the field opens the next box, which
    // keeps the focus; a window gone before its box closes leaves the rest of its click to
    // play without it; a box still open when the program's windows are gone closes after them.
    void boxesLeftOpenCloseSafely() {
        auto program = std::make_unique<Program>();
        auto& alpha = program->forms.show<ui::frmAlpha>();
        QApplication::setActiveWindow(&alpha);
        QLineEdit* items = control(&alpha, "txt1k");
        typeInto(items, "x");
        items->setFocus();
        QTest::keyClick(items, Qt::Key_Return);
        QMessageBox* first = openBox();
        close(first, Closing::Enter);
        // The window under it is active again at once, as the platform may make it.
        QApplication::setActiveWindow(&alpha);
        QTest::keyClick(items, Qt::Key_Return);
        QMessageBox* second = openBox();
        QVERIFY(second != nullptr && second != first);
        QTest::qWait(50);
        QCOMPARE(QApplication::focusWidget(), second->button(QMessageBox::Ok));
        close(second, Closing::Enter);
        QTRY_COMPARE(QApplication::focusWidget(), items);

        auto* needed = &program->forms.show<ui::frmItemneed>();
        QApplication::setActiveWindow(needed);
        typeInto(control(needed, "txt4r"), "-.2");
        typeInto(control(needed, "txt4dr"), ".5");
        QTest::keyClick(control(needed, "txt4dr"), Qt::Key_Return);
        QMessageBox* limit = openBox();
        delete needed;
        close(limit, Closing::Enter);
        QPointer<QMessageBox> invalid = openBox();
        QVERIFY(invalid != nullptr && invalid != limit);

        program.reset();
        QTRY_VERIFY(invalid.isNull() || invalid->isVisible());
        close(invalid, Closing::Enter);
        QTRY_VERIFY(invalid.isNull());
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"

#include "ui/windows/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "ui/geometry/placement.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"

namespace ui {

Form::Form(Forms& forms) : QWidget(nullptr), m_forms(forms) { setAttribute(Qt::WA_DeleteOnClose); }

void Form::Form_Load() { placeWindow(*this, m_forms.screen(), 2); }

void Form::cmdReset_Click() { m_forms.reset(*this); }

void Form::setClientArea(int widthTwips, int heightTwips, bool sizable) {
    const QSize size(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    Qt::WindowFlags flags =
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (sizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
        resize(size);
    } else {
        setFixedSize(size);
    }
    setWindowFlags(flags);
}

void Form::setGoButton(QPushButton* button) {
    // A default button only works by itself in dialogs, so the window forwards Enter to it.
    button->setDefault(true);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
}

void Form::closeEvent(QCloseEvent* event) {
    // What follows an open message box may still write into this window, which stays until
    // the box is closed, as it does on a desktop that blocks closing under a modal box.
    if (QApplication::activeModalWidget() != nullptr) {
        event->ignore();
        return;
    }
    m_forms.forget(*this);
    event->accept();
}

}  // namespace ui

#include "ui/controls/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace ui {

void ModalMessageBox::show(const QString& text, Closed closed) {
    // A box opened from the closing of another (a click's second message) returns the focus
    // to where the first one found it.
    if (m_open == 0) {
        m_focusBefore = QApplication::focusWidget();
        if (m_focusBefore.isNull()) {
            m_focusBefore = QApplication::activeWindow();
        }
    }
    ++m_open;
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Mirtavo"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    // Some styles put an icon on dialog buttons; the box shows no icon at all.
    box->button(QMessageBox::Ok)->setIcon(QIcon());
    QObject::connect(box, &QDialog::finished, &m_alive, [this, closed = std::move(closed)] {
        // Counted as open until what follows it has run, which may open the click's next box.
        if (closed) {
            closed();
        }
        // After the box is gone: the platform deactivates it once this signal has returned. A
        // box opened meanwhile (Enter pressed again at once) keeps the focus.
        if (--m_open == 0) {
            QTimer::singleShot(0, &m_alive, [this] {
                if (m_open == 0) {
                    giveFocusBack();
                }
            });
        }
    });
    box->show();
}

// Not every platform activates the window a modal box came from when the box closes (the
// browser's leaves no window active), so the program does it.
void ModalMessageBox::giveFocusBack() {
    if (m_focusBefore.isNull()) {
        return;
    }
    m_focusBefore->window()->activateWindow();
    m_focusBefore->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace ui

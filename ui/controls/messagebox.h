#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QString;
class QWidget;

namespace ui {

// Where a window's messages go. The program shows them in a modal box; tests record them.
// Nothing waits in a nested event loop: show() returns at once, and whatever follows the
// message runs from `closed`, once the user has closed the box.
class MessageBox {
public:
    using Closed = std::function<void()>;

    virtual ~MessageBox() = default;
    virtual void show(const QString& text, Closed closed = {}) = 0;
};

// A box titled "Mirtavo" with the text, one OK button and no icon, modal to the whole program:
// while it is open no other window takes a click or a key. When the last of a click's boxes is
// closed, the control that had the keyboard focus before the first one has it again.
class ModalMessageBox : public MessageBox {
public:
    void show(const QString& text, Closed closed = {}) override;

private:
    void giveFocusBack();

    int m_open = 0;
    QPointer<QWidget> m_focusBefore;
    // What runs when a box closes runs only while this object lives: a box left open when the
    // program ends may close after it.
    QObject m_alive;
};

}  // namespace ui

#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QSizeF>
#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <utility>

#include "ui/controls/messagebox.h"
#include "ui/geometry/screen.h"
#include "ui/windows/form.h"
#include "ui/windows/forms.h"

namespace testing_ui {

// Keeps every message a window shows, in order, instead of opening a modal box. Each box is
// closed as soon as it is shown, unless `holdOpen` keeps it open until closeBox().
// `onShow`, when set, runs as each message is shown, for tests that look at the window then.
class RecordingMessageBox : public ui::MessageBox {
public:
    void show(const QString& text, Closed closed = {}) override {
        shown << text;
        if (onShow) {
            onShow(text);
        }
        m_open.push_back(std::move(closed));
        if (!holdOpen) {
            closeBox();
        }
    }
    bool isOpen() const { return !m_open.empty(); }
    // Closes the box shown first of those still open, as OK does.
    void closeBox() {
        Closed closed = std::move(m_open.front());
        m_open.pop_front();
        if (closed) {
            closed();
        }
    }
    QStringList shown;
    std::function<void(const QString&)> onShow;
    bool holdOpen = false;

private:
    std::deque<Closed> m_open;
};

// A screen of a fixed size: 15,360 x 11,520 twips (1024 x 768 pixels) unless told otherwise.
class FixedScreen : public ui::Screen {
public:
    QSizeF sizeInTwips() const override { return size; }
    QSizeF size{15360, 11520};
};

// The program's windows over a fixed screen and a message box: the recorder (Harness), or the
// program's own modal box (Program).
template <class Box>
struct Windows {
    FixedScreen screen;
    Box messages;
    ui::Forms forms{screen, messages};
};
using Harness = Windows<RecordingMessageBox>;
using Program = Windows<ui::ModalMessageBox>;

// Lets windows that were unloaded or closed actually go.
inline void releaseUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The loaded window of a class, or null, as a plain function for tables of windows.
template <class F>
ui::Form* loadedWindow(ui::Forms& forms) {
    return forms.find<F>();
}

// Shows a window of a class, as a plain function for tables of windows.
template <class F>
ui::Form& showWindow(ui::Forms& forms) {
    return forms.show<F>();
}

// How many windows of a class exist, shown or hidden: one that was unloaded must be gone.
template <class F>
int liveInstances() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += dynamic_cast<F*>(widget) != nullptr ? 1 : 0;
    }
    return count;
}

template <class T = QLineEdit>
T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// Replaces a field's text as a user would: select all and type.
inline void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

}  // namespace testing_ui

#pragma once

// The program's windows and what they share:
//
//   forms.h          the registry: one instance per window class, shown, unloaded, reset
//   form.h           the base of every window: no owner, released when closed
//   frmAlpha.h ... frmGraph.h     the computation windows, built from their designs
//   outcomeplayer.h  plays a click's outcome: writes fields, waits for each box to close
//   quit.h           ends the program
//
// Includes point one way: windows over controls over geometry over calc; platform beside.

#include <QPointer>

#include <functional>
#include <map>
#include <typeindex>

namespace ui {

class Form;
class MessageBox;
class Screen;

// The program's windows: at most one instance of each window class, created on its first show
// and kept until it is unloaded. It also hands every window the screen and the message box,
// so that tests can put a fixed screen and a recorder in their place.
class Forms {
public:
    Forms(Screen& screen, MessageBox& messageBox);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // Creates the window if it is not loaded (running its Form_Load before it becomes visible),
    // then shows it, non-modal and without an owner, and brings it to the front.
    template <class F>
    F& show() {
        return static_cast<F&>(show(typeid(F), [this] { return new F(*this); }));
    }

    // The loaded instance of a window class, or null.
    template <class F>
    F* find() const {
        return static_cast<F*>(find(typeid(F)));
    }

    // Hides the window and releases it once its current handler has returned.
    void unload(Form& form);
    // Unloads the window and shows it again, built afresh from its design.
    void reset(Form& form);
    // Hides every window at once and leaves the event loop; no handler of any window runs.
    void endProgram();
    // A window closed by the user releases itself; the next show creates it afresh.
    void forget(Form& form);

    Screen& screen() const { return m_screen; }
    MessageBox& messageBox() const { return m_messageBox; }

private:
    using Factory = std::function<Form*()>;

    Form& show(std::type_index type, const Factory& factory);
    Form* find(std::type_index type) const;

    Screen& m_screen;
    MessageBox& m_messageBox;
    std::map<std::type_index, Factory> m_factories;
    std::map<std::type_index, QPointer<Form>> m_loaded;
};

}  // namespace ui

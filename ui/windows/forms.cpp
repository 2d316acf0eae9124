#include "ui/windows/forms.h"

#include <vector>

#include "ui/windows/form.h"
#include "ui/windows/quit.h"

namespace ui {

Forms::Forms(Screen& screen, MessageBox& messageBox) : m_screen(screen), m_messageBox(messageBox) {}

Forms::~Forms() {
    std::vector<QPointer<Form>> loaded;
    for (auto& [type, window] : m_loaded) {
        loaded.push_back(window);
    }
    m_loaded.clear();
    for (const QPointer<Form>& window : loaded) {
        delete window.data();
    }
}

Form& Forms::show(std::type_index type, const Factory& factory) {
    QPointer<Form>& slot = m_loaded[type];
    const bool loaded = !slot.isNull();
    if (!loaded) {
        m_factories.insert_or_assign(type, factory);
        slot = factory();
        slot->Form_Load();
    }
    Form& window = *slot;
    // Never a plain show(): the browser's platform makes it fill the page, a window already
    // open as well as a new one.
    if (loaded) {
        window.setVisible(true);
        window.raise();
    } else {
        window.showNormal();
    }
    window.activateWindow();
    return window;
}

Form* Forms::find(std::type_index type) const {
    const auto it = m_loaded.find(type);
    return it == m_loaded.end() ? nullptr : it->second.data();
}

void Forms::unload(Form& form) {
    forget(form);
    form.hide();
    // The window may be unloading itself from one of its own handlers.
    form.deleteLater();
}

void Forms::reset(Form& form) {
    const std::type_index type = typeid(form);
    unload(form);
    show(type, m_factories.at(type));
}

void Forms::endProgram() {
    for (auto& [type, window] : m_loaded) {
        if (!window.isNull()) {
            window->hide();
        }
    }
    quitProgram();
}

void Forms::forget(Form& form) {
    const auto it = m_loaded.find(typeid(form));
    if (it != m_loaded.end() && it->second.data() == &form) {
        m_loaded.erase(it);
    }
}

}  // namespace ui

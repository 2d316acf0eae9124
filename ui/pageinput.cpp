#include "ui/pageinput.h"

#include <QApplication>
#include <QString>
#include <QtGlobal>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

#include "ui/controls/textentry.h"
#include "ui/controls/waitingmenus.h"

namespace {

bool enterTextFromPage(const std::string& text, bool composing) {
    return ui::enterText(QString::fromStdString(text),
                         composing ? ui::TextEntry::Compose : ui::TextEntry::Commit);
}

}  // namespace

EMSCRIPTEN_BINDINGS(mirtavo_page_input) {
    emscripten::function("mirtavoEnterText", &enterTextFromPage);
}

// clang-format off
EM_JS(void, connectKeyboard, (), {
    if (window.mirtavoKeyboard) {
        window.mirtavoKeyboard.connect(
            (text, composing) => Module.mirtavoEnterText(text, composing));
    }
});
// clang-format on

namespace ui {

void leaveTheKeyboardToThePage() {
    // No input context has this name, so Qt makes none.
    qputenv("QT_IM_MODULE", "none");
}

void takeInputFromPage(QApplication& application) {
    refuseMenusThatWait(application);
    connectKeyboard();
}

}  // namespace ui

#include "ui/windows/quit.h"

#include <QCoreApplication>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace ui {

void quitProgram() {
#ifdef Q_OS_WASM
    EM_ASM(window.dispatchEvent(new Event("mirtavo-ended")););
#endif
    QCoreApplication::quit();
}

}  // namespace ui

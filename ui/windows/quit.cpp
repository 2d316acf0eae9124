#include "ui/windows/quit.h"

#include <QCoreApplication>

#include "ui/platform/platform.h"

namespace ui {

void quitProgram() {
    platform::programEnded();
    QCoreApplication::quit();
}

}  // namespace ui

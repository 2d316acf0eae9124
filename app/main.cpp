#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/frmMain.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/messagebox.h"
#include "ui/screen.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts with a cryptic message when it finds no display; say it plainly instead.
bool displayAvailable() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "Mirtavo needs a graphical desktop and found none; without one, run it as "
            "'xvfb-run -a Mirtavo'.\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirtavo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    ui::installFontSubstitutes();

    ui::DesktopScreen screen;
    ui::ModalMessageBox messageBox;
    ui::Forms forms(screen, messageBox);
    forms.show<app::frmMain>();
    return QApplication::exec();
}

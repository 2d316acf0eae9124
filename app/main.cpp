#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/frmMain.h"
#include "app/programicon.h"
#include "ui/controls/fonts.h"
#include "ui/controls/messagebox.h"
#include "ui/geometry/screen.h"
#include "ui/platform/platform.h"
#include "ui/windows/forms.h"
#include "ui/windows/quit.h"

namespace {

constexpr char kVersion[] = "1.00";

bool asksForVersion(int argc, char* argv[]) {
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksForVersion(argc, argv)) {
        std::printf("Mirtavo %s\n", kVersion);
        return EXIT_SUCCESS;
    }
    if (!ui::platform::hasDisplay()) {
        std::fputs(
            "Mirtavo needs a graphical desktop and found none; without one, run it as "
            "'xvfb-run -a mirtavo'.\n",
            stderr);
        return EXIT_FAILURE;
    }
    ui::platform::prepare();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirtavo"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Ties the windows to the launcher entry, for the icon and grouping in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mirtavo.Mirtavo"));
    QApplication::setWindowIcon(app::programIcon());
    ui::installFontSubstitutes();
    ui::platform::start(application);

    ui::DesktopScreen screen;
    ui::ModalMessageBox messageBox;
    ui::Forms forms(screen, messageBox);
    // The program also ends when the user has closed every window.
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &ui::quitProgram);
    forms.show<app::frmMain>();
    // The window's activation waits in the queue until the loop runs; handled now, the window is
    // drawn active from its first frame, where a browser's page drew it inactive for two frames.
    QCoreApplication::processEvents();
    return QApplication::exec();
}

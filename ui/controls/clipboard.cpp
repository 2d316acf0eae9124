#include "ui/controls/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "ui/controls/messagebox.h"

#ifdef Q_OS_WASM
#include <emscripten.h>

// clang-format off
EM_JS(bool, browserTakesPictures, (), {
    return window.isSecureContext && typeof ClipboardItem === "function" &&
           !!(navigator.clipboard && navigator.clipboard.write);
});
// clang-format on
#else
static bool browserTakesPictures() { return true; }
#endif

namespace ui {

void copyPicture(const QImage& picture, MessageBox& messageBox) {
    if (!browserTakesPictures()) {
        messageBox.show(
            QStringLiteral("This browser does not let Mirtavo put a picture on the clipboard. "
                           "Take a screenshot of the graph instead."));
        return;
    }
    QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace ui

#include "ui/controls/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "ui/controls/messagebox.h"
#include "ui/platform/platform.h"

namespace ui {

void copyPicture(const QImage& picture, MessageBox& messageBox) {
    if (!platform::clipboardTakesPictures()) {
        messageBox.show(
            QStringLiteral("This browser does not let Mirtavo put a picture on the clipboard. "
                           "Take a screenshot of the graph instead."));
        return;
    }
    QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace ui

// Qt for WebAssembly in a page, which shows the program's windows in its canvas and stands in
// for the desktop: the screen reader's view, the on-screen keyboard, the clipboard and the end.
#include "ui/platform/platform.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

#include "ui/controls/accessibletree.h"
#include "ui/controls/textentry.h"
#include "ui/controls/waitingmenus.h"

// clang-format off
EM_JS(void, sendToMirror, (const char* windows), {
    if (window.mirtavoMirror) {
        window.mirtavoMirror.update(JSON.parse(UTF8ToString(windows)));
    }
});

EM_JS(void, connectMirror, (), {
    if (window.mirtavoMirror) {
        window.mirtavoMirror.connect((id, request) => Module._mirtavoAccessibleRequest(id, request),
                                     () => Module._mirtavoSendAccessibleTree());
    }
});

EM_JS(void, connectKeyboard, (), {
    if (window.mirtavoKeyboard) {
        window.mirtavoKeyboard.connect(
            (text, composing) => Module.mirtavoEnterText(text, composing));
    }
});

EM_JS(bool, browserTakesPictures, (), {
    return window.isSecureContext && typeof ClipboardItem === "function" &&
           !!(navigator.clipboard && navigator.clipboard.write);
});
// clang-format on

namespace {

bool sendPending = false;

void sendTree() {
    sendPending = false;
    const QByteArray windows =
        QJsonDocument(ui::accessible::describeWindows()).toJson(QJsonDocument::Compact);
    sendToMirror(windows.constData());
}

// A click or a key may bring dozens of events, and a window may be half built or half gone
// when they come: the tree is read once they have all come, when the program is idle again.
void scheduleSend(QAccessibleEvent* /*event*/) {
    if (!sendPending) {
        sendPending = true;
        QTimer::singleShot(0, &sendTree);
    }
}

void mirrorAccessibleTreeInPage() {
    // Qt passes no event on until the platform's accessibility is active, which no platform
    // of Qt 6.4 in a browser makes it.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (platform == nullptr) {
        return;
    }
    QAccessible::installUpdateHandler(&scheduleSend);
    platform->setActive(true);
    connectMirror();
    scheduleSend(nullptr);
}

bool enterTextFromPage(const std::string& text, bool composing) {
    return ui::enterText(QString::fromStdString(text),
                         composing ? ui::TextEntry::Compose : ui::TextEntry::Commit);
}

}  // namespace

// What the page asks of a node, in the codes of ui::accessible::Request. Answers 1 when it was
// done.
extern "C" EMSCRIPTEN_KEEPALIVE int mirtavoAccessibleRequest(unsigned id, int code) {
    using ui::accessible::Request;
    const auto request = static_cast<Request>(code);
    if (request != Request::Activate && request != Request::Focus) {
        return 0;
    }
    return ui::accessible::perform(id, request) ? 1 : 0;
}

// The page asks for the tree at once when it must act within the user's tap (web/keyboard.js):
// a browser opens its on-screen keyboard only then.
extern "C" EMSCRIPTEN_KEEPALIVE void mirtavoSendAccessibleTree() { sendTree(); }

EMSCRIPTEN_BINDINGS(mirtavo_page_input) {
    emscripten::function("mirtavoEnterText", &enterTextFromPage);
}

namespace ui::platform {

bool hasDisplay() { return true; }

void prepare() {
    // No input context has this name, so Qt makes none.
    qputenv("QT_IM_MODULE", "none");
}

void start(QApplication& application) {
    mirrorAccessibleTreeInPage();
    refuseMenusThatWait(application);
    connectKeyboard();
}

std::optional<QFont> defaultFace() { return QFont(QStringLiteral("DejaVu Sans"), 9); }

std::optional<QMargins> windowManagerFrame(QWidget& /*window*/) { return std::nullopt; }

bool clipboardTakesPictures() { return browserTakesPictures(); }

void programEnded() { EM_ASM(window.dispatchEvent(new Event("mirtavo-ended"));); }

}  // namespace ui::platform

#include "ui/pageaccessibility.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QByteArray>
#include <QJsonDocument>
#include <QTimer>

#include <emscripten.h>

#include "ui/controls/accessibletree.h"

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
// clang-format on

// What the page asks of a node: 0 to activate it, 1 to focus it. Answers 1 when it was done.
extern "C" EMSCRIPTEN_KEEPALIVE int mirtavoAccessibleRequest(unsigned id, int request) {
    if (request != 0 && request != 1) {
        return 0;
    }
    return ui::accessible::perform(id, static_cast<ui::accessible::Request>(request)) ? 1 : 0;
}

namespace ui {
namespace {

bool sendPending = false;

}  // namespace

void sendTree() {
    sendPending = false;
    const QByteArray windows =
        QJsonDocument(accessible::describeWindows()).toJson(QJsonDocument::Compact);
    sendToMirror(windows.constData());
}

namespace {

// A click or a key may bring dozens of events, and a window may be half built or half gone
// when they come: the tree is read once they have all come, when the program is idle again.
void scheduleSend(QAccessibleEvent* /*event*/) {
    if (!sendPending) {
        sendPending = true;
        QTimer::singleShot(0, &sendTree);
    }
}

}  // namespace

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

}  // namespace ui

// The page asks for the tree at once when it must act within the user's tap (web/keyboard.js):
// a browser opens its on-screen keyboard only then.
extern "C" EMSCRIPTEN_KEEPALIVE void mirtavoSendAccessibleTree() { ui::sendTree(); }

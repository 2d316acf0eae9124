#include "ui/controls/waitingmenus.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QScrollBar>

namespace ui {
namespace {

class MenuThatWaitsRefusal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ContextMenu && qobject_cast<QScrollBar*>(watched);
    }
};

}  // namespace

void refuseMenusThatWait(QApplication& application) {
    application.installEventFilter(new MenuThatWaitsRefusal(&application));
}

}  // namespace ui

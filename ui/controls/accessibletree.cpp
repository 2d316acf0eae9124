#include "ui/controls/accessibletree.h"

#include <QApplication>
#include <QGuiApplication>
#include <QJsonObject>
#include <QMenu>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include "ui/controls/drawingarea.h"

namespace ui::accessible {
namespace {

QString windowRole(const QAccessibleInterface& node) {
    switch (node.role()) {
        case QAccessible::AlertMessage:
            return QStringLiteral("alertdialog");
        case QAccessible::PopupMenu:
            return QStringLiteral("menu");
        default:
            return QStringLiteral("dialog");
    }
}

// Empty for a container that is only layout: its children are taken up into its parent.
QString controlRole(const QAccessibleInterface& node) {
    // The graph is drawn on a plain widget, which Qt knows only as a client area.
    if (dynamic_cast<const DrawingArea*>(node.object()) != nullptr) {
        return QStringLiteral("img");
    }
    struct Mapping {
        QAccessible::Role qt;
        const char* aria;
    };
    static constexpr Mapping roles[] = {
        {QAccessible::RadioButton, "radio"}, {QAccessible::CheckBox, "checkbox"},
        {QAccessible::Button, "button"},     {QAccessible::EditableText, "textbox"},
        {QAccessible::Graphic, "img"},       {QAccessible::Separator, "separator"},
        {QAccessible::MenuItem, "menuitem"}, {QAccessible::StaticText, "text"},
    };
    for (const Mapping& mapping : roles) {
        if (mapping.qt == node.role()) {
            return QLatin1String(mapping.aria);
        }
    }
    return {};
}

// While a modal box is open, every other window is held back from the user.
bool isBlocked(const QWindow* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && window != modal->windowHandle();
}

void putText(QJsonObject& entry, const char* key, const QString& text) {
    if (!text.isEmpty()) {
        entry.insert(QLatin1String(key), text);
    }
}

void putFlag(QJsonObject& entry, const char* key, bool flag) {
    if (flag) {
        entry.insert(QLatin1String(key), true);
    }
}

void appendNodes(QJsonArray& into, QAccessibleInterface& node, bool blocked);

void appendChildren(QJsonArray& into, QAccessibleInterface& node, bool blocked) {
    for (int i = 0; i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i); child != nullptr && child->isValid()) {
            appendNodes(into, *child, blocked);
        }
    }
}

QJsonObject describe(QAccessibleInterface& node, const QString& role, bool blocked) {
    const QAccessible::State state = node.state();
    QJsonObject entry{{QStringLiteral("id"), static_cast<qint64>(QAccessible::uniqueId(&node))},
                      {QStringLiteral("role"), role}};
    putText(entry, "name", node.text(QAccessible::Name));
    putText(entry, "description", node.text(QAccessible::Description));
    if (role == QLatin1String("textbox")) {
        putText(entry, "value", node.text(QAccessible::Value));
    }
    putFlag(entry, "focusable", state.focusable);
    putFlag(entry, "focused", state.focused);
    putFlag(entry, "checked", state.checkable && state.checked);
    putFlag(entry, "multiline", state.multiLine);
    putFlag(entry, "readonly", state.readOnly);
    putFlag(entry, "modal", role == QLatin1String("alertdialog"));
    putFlag(entry, "blocked", blocked);
    const QRect rect = node.rect();
    entry.insert(QStringLiteral("x"), rect.x());
    entry.insert(QStringLiteral("y"), rect.y());
    entry.insert(QStringLiteral("width"), rect.width());
    entry.insert(QStringLiteral("height"), rect.height());
    return entry;
}

// Adds the node, or for a container without a role its children; nothing for what is hidden.
void appendNodes(QJsonArray& into, QAccessibleInterface& node, bool blocked) {
    if (node.state().invisible) {
        return;
    }
    const QString role = controlRole(node);
    if (role.isEmpty()) {
        appendChildren(into, node, blocked);
        return;
    }
    if (role == QLatin1String("text") && node.text(QAccessible::Name).isEmpty()) {
        return;
    }
    into.append(describe(node, role, blocked));
}

QJsonObject describeWindow(QAccessibleInterface& window, bool blocked) {
    QJsonObject entry = describe(window, windowRole(window), blocked);
    QJsonArray children;
    appendChildren(children, window, blocked);
    entry.insert(QStringLiteral("children"), children);
    return entry;
}

QString defaultAction(const QAccessibleActionInterface& actions) {
    const QStringList names = actions.actionNames();
    for (const QString& action :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction(),
          QAccessibleActionInterface::showMenuAction(),
          QAccessibleActionInterface::setFocusAction()}) {
        if (names.contains(action)) {
            return action;
        }
    }
    return {};
}

bool focus(QAccessibleInterface& node) {
    auto* widget = qobject_cast<QWidget*>(node.object());
    if (widget == nullptr || !widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus) {
        return false;
    }
    widget->window()->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace

QJsonArray describeWindows() {
    QJsonArray windows;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->isVisible() || window->type() == Qt::Desktop) {
            continue;
        }
        QAccessibleInterface* root = window->accessibleRoot();
        if (root != nullptr && root->isValid() && !root->state().invisible) {
            windows.append(describeWindow(*root, isBlocked(window)));
        }
    }
    return windows;
}

bool perform(QAccessible::Id id, Request request) {
    QAccessibleInterface* node = QAccessible::accessibleInterface(id);
    if (node == nullptr || !node->isValid() || node->state().invisible ||
        isBlocked(node->window())) {
        return false;
    }
    if (request == Request::Focus) {
        return focus(*node);
    }
    QAccessibleActionInterface* actions = node->actionInterface();
    const QString action = actions != nullptr ? defaultAction(*actions) : QString();
    if (action.isEmpty()) {
        return false;
    }
    // A click on a menu's item closes the menu as it runs the item; Qt's action only runs it.
    QAccessibleInterface* owner = node->parent();
    if (auto* menu = qobject_cast<QMenu*>(owner != nullptr ? owner->object() : nullptr)) {
        menu->close();
    }
    actions->doAction(action);
    return true;
}

}  // namespace ui::accessible

#include "ui/controls/buttons.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace ui {
namespace {

bool isEnter(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// What assistive technology sees of an option button. Qt's own interface toggles the button on
// "Toggle", which checks it without a click, so no handler would run; here every action that
// chooses the option clicks it.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty()) {
            return QString(option()->text()).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        state.pressed = option()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (option()->isEnabled()) {
            names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (option()->isEnabled()) {
                option()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

QAccessibleInterface* accessibleOption(const QString& className, QObject* object) {
    if (className == QLatin1String(OptionButton::staticMetaObject.className())) {
        return new OptionAccessible(static_cast<OptionButton*>(object));
    }
    return nullptr;
}

}  // namespace

bool PushButton::event(QEvent* event) {
    // Claims Enter before the window's shortcut for its go button can take it.
    if (event->type() == QEvent::ShortcutOverride && isEnter(event)) {
        event->accept();
        return true;
    }
    return QPushButton::event(event);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleOption);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

}  // namespace ui

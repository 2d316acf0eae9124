#include "ui/controls/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QString>

#include <limits>

#include "ui/controls/buttons.h"

namespace ui {

QLabel* addLabel(QWidget* window, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* addField(QWidget* window, const char* name, QLabel* label) {
    auto* field = new QLineEdit(window);
    field->setObjectName(name);
    // Whatever the user types or pastes reaches the number rules, however long it is.
    field->setMaxLength(std::numeric_limits<int>::max());
    if (label != nullptr) {
        label->setBuddy(field);
    }
    return field;
}

QPushButton* addButton(QWidget* window, const char* name, const QString& caption) {
    auto* button = new PushButton(caption, window);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* addOption(QWidget* window, const char* name, const QString& caption) {
    auto* option = new OptionButton(caption, window);
    option->setObjectName(name);
    return option;
}

void setTabChain(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

calc::NumberLocale userNumberLocale() { return {QLocale().decimalPoint().toStdString()}; }

}  // namespace ui

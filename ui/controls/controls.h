#pragma once

#include <initializer_list>
#include <string>

#include "calc/numbers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

// Makers of the standard controls every window is built from, each named after its design
// name (objectName), so that tests and assistive technology find it.
namespace ui {

QLabel* addLabel(QWidget* window, const char* name, const QString& caption);
// A single-line field. Its label, when given, becomes its buddy and so its accessible name.
QLineEdit* addField(QWidget* window, const char* name, QLabel* label);
// A push button that Enter or Space presses while it has the focus.
QPushButton* addButton(QWidget* window, const char* name, const QString& caption);
// An option button of a group, clickable over its whole width as on the classic desktop, and
// chosen by assistive technology as by a click.
QRadioButton* addOption(QWidget* window, const char* name, const QString& caption);

// The keyboard order of the focusable controls, first to last.
void setTabChain(std::initializer_list<QWidget*> chain);

// A field's text as the computations take it, and the user's way of writing numbers.
std::string fieldText(const QLineEdit* field);
calc::NumberLocale userNumberLocale();

}  // namespace ui

#pragma once

// The controls the windows are built from, and the drawing:
//
//   controls.h       labels, fields, push and option buttons, the keyboard order
//   buttons.h        Enter and Space on a push button, a click over an option's width
//   multilinefield.h the multi-line field with CR LF lines and its insertion point
//   line.h           the decorative lines
//   drawingarea.h    a drawing area that keeps its display list; graph.h draws the graph on it
//   messagebox.h     the modal message box with its one OK button
//   fonts.h          the designed faces and their substitutes
//   clipboard.h      a picture onto the clipboard
//   accessibletree.h what assistive technology knows of the windows, for the page's mirror
//   textentry.h, waitingmenus.h   an input method's text; no menu that waits
//
// Includes point one way: windows over controls over geometry over calc; platform beside.

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

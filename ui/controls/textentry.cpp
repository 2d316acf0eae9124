#include "ui/controls/textentry.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QWidget>

namespace ui {
namespace {

// Text being composed stands underlined, with the insertion point behind it.
QList<QInputMethodEvent::Attribute> composing(const QString& text) {
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    const auto length = static_cast<int>(text.size());
    return {{QInputMethodEvent::TextFormat, 0, length, underlined},
            {QInputMethodEvent::Cursor, length, 1, {}}};
}

}  // namespace

bool enterText(const QString& text, TextEntry entry) {
    QWidget* field = QApplication::focusWidget();
    if (field == nullptr || !field->isEnabled() ||
        !field->testAttribute(Qt::WA_InputMethodEnabled)) {
        return false;
    }
    const bool commit = entry == TextEntry::Commit;
    QInputMethodEvent event(commit ? QString() : text,
                            commit ? QList<QInputMethodEvent::Attribute>() : composing(text));
    if (commit) {
        event.setCommitString(text);
    }
    QCoreApplication::sendEvent(field, &event);
    return event.isAccepted();
}

}  // namespace ui

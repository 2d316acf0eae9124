#include "ui/controls/multilinefield.h"

#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace ui {
namespace {

// The document keeps paragraphs, not line-break characters: a CR LF pair becomes one break.
QString toDocument(const QString& text) { return QString(text).replace("\r\n", "\n"); }

}  // namespace

MultiLineField::MultiLineField(QWidget* parent, const char* name) : QPlainTextEdit(parent) {
    setObjectName(name);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to the next control, as in every other field; otherwise a keyboard user
    // could not leave the field.
    setTabChangesFocus(true);
}

void MultiLineField::setText(const QString& text) {
    setPlainText(toDocument(text));
    moveCursor(QTextCursor::End);
}

QString MultiLineField::text() const { return toPlainText().replace('\n', "\r\n"); }

int MultiLineField::length() const {
    const QTextDocument* doc = document();
    const int breaks = doc->blockCount() - 1;
    return doc->characterCount() - 1 + breaks;
}

void MultiLineField::setInsertionPoint(int offset) {
    int position = 0;
    int remaining = offset;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;  // without its break
        if (remaining <= length || !block.next().isValid()) {
            position = block.position() + std::min(remaining, length);
            break;
        }
        remaining -= length + 2;
        if (remaining < 0) {  // between the CR and the LF: the break itself
            position = block.position() + length;
            break;
        }
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
}

void MultiLineField::insert(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(toDocument(text));
    setTextCursor(cursor);
}

}  // namespace ui

#pragma once

#include <QPlainTextEdit>

class QString;

namespace ui {

// A multi-line text field with a vertical scroll bar whose text separates lines with CR LF, as
// the program writes it. Offsets and lengths count the CR LF as two characters.
class MultiLineField : public QPlainTextEdit {
public:
    MultiLineField(QWidget* parent, const char* name);

    // Replaces the whole text; the insertion point goes to the end.
    void setText(const QString& text);
    QString text() const;
    int length() const;
    // Sets the insertion point to a character offset from the start of the text.
    void setInsertionPoint(int offset);
    // Inserts at the insertion point, which then stands behind the inserted text.
    void insert(const QString& text);
};

}  // namespace ui

#pragma once

#include <QWidget>

class QPushButton;

namespace ui {

class Forms;

// A top-level window of the program: no parent and no owner, released when it is unloaded or
// closed. Subclasses build their controls in their constructor; Forms runs Form_Load before the
// window is first shown.
class Form : public QWidget {
public:
    explicit Form(Forms& forms);

    // Places the window centred on the screen. Windows that add to their load extend it.
    virtual void Form_Load();

    // Unloads the window and shows it again, empty and placed anew.
    void cmdReset_Click();

protected:
    Forms& forms() const { return m_forms; }

    // The client area in twips; a fixed single border cannot be resized.
    void setClientArea(int widthTwips, int heightTwips, bool sizable);
    // Enter anywhere in the window presses `button`, drawn as the default button.
    void setGoButton(QPushButton* button);

    void closeEvent(QCloseEvent* event) override;

private:
    Forms& m_forms;
};

}  // namespace ui

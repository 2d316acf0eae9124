#pragma once

#include <QPushButton>
#include <QRadioButton>

// The program's push and option buttons: Qt's standard buttons, with the behaviours of the
// classic desktop that Qt leaves to dialogs or leaves out.
namespace ui {

// A push button that Enter presses while it has the focus, as Space does; in a window whose
// Enter goes to its go button, the focused button keeps Enter for itself.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// An option button of a group, clickable over its whole width, not only on its circle and
// caption. Chosen through its accessible action (what a screen reader or voice control
// invokes), it is clicked, so its handler runs exactly as for a click with the pointer.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace ui

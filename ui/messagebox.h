#pragma once

class QString;

namespace ui {

// Where a window's messages go. The program shows them in a modal box; tests record them, so
// that no test ever waits on a box.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& text) = 0;
};

// A modal box titled "Mirtavo" with the text, one OK button and no icon; show() returns when
// the user has closed it.
class ModalMessageBox : public MessageBox {
public:
    void show(const QString& text) override;
};

}  // namespace ui

#pragma once

#include "ui/windows/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "How many items are needed?": the number of items that reaches a desired reliability, given
// the average inter-item correlation.
class frmItemneed : public Form {
public:
    explicit frmItemneed(Forms& forms);

    void cmd4go_Click();

private:
    void createControls();
    void layOut();
    void connectHandlers();

    QLabel* Label1 = nullptr;
    QLineEdit* txt4r = nullptr;
    QLineEdit* txt4dr = nullptr;
    QPushButton* cmd4go = nullptr;
    QLineEdit* txt4k = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdReset = nullptr;
};

}  // namespace ui

#pragma once

#include "ui/windows/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "Estimate reliability using variances": coefficient alpha from the number of items, the scale
// variance and the sum of the item variances.
class frmAlpha : public Form {
public:
    explicit frmAlpha(Forms& forms);

    void cmd1go_Click();

private:
    void createControls();
    void layOut();
    void connectHandlers();

    QLineEdit* txt1k = nullptr;
    QLineEdit* txt1sv = nullptr;
    QLineEdit* txt1siv = nullptr;
    QPushButton* cmd1go = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txt1alpha = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdReset = nullptr;
};

}  // namespace ui

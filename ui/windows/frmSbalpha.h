#pragma once

#include "ui/windows/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "Estimate reliability using inter-item r": Spearman-Brown reliability from the number of items
// and their average correlation.
class frmSbalpha : public Form {
public:
    explicit frmSbalpha(Forms& forms);

    void cmd2go_Click();

private:
    void createControls();
    void layOut();
    void connectHandlers();

    QLabel* Label1 = nullptr;
    QLineEdit* txt2k = nullptr;
    QLineEdit* txt2r = nullptr;
    QPushButton* cmd2go = nullptr;
    QLineEdit* txt2alpha = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdReset = nullptr;
};

}  // namespace ui

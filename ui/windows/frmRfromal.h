#pragma once

#include "ui/windows/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// "Estimate inter-item r from alpha": the average inter-item correlation that alpha implies for
// a number of items.
class frmRfromal : public Form {
public:
    explicit frmRfromal(Forms& forms);

    void cmd3go_Click();

private:
    void createControls();
    void layOut();
    void connectHandlers();

    QLineEdit* txt3k = nullptr;
    QLineEdit* txt3alpha = nullptr;
    QPushButton* cmd3go = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txt3r = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdReset = nullptr;
};

}  // namespace ui

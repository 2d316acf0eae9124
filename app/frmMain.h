#pragma once

#include "ui/windows/form.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace app {

// "Mirtavo -- Reliability Computation": the menu that opens each computation's window, the help
// window, and ends the program. It computes nothing and holds no data.
class frmMain : public ui::Form {
public:
    explicit frmMain(ui::Forms& forms);

    void Form_Load() override;
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void cmdHelp_Click();

private:
    void createControls();
    void layOut();
    void connectHandlers();

    QLabel* Label1 = nullptr;
    QLabel* Label9 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QPushButton* cmdHelp = nullptr;
};

}  // namespace app

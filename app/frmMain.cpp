#include "app/frmMain.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "app/frmHelp.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/controls/line.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"
#include "ui/windows/frmItemneed.h"
#include "ui/windows/frmRfromal.h"
#include "ui/windows/frmSbalpha.h"

namespace app {
frmMain::frmMain(ui::Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("Mirtavo -- Reliability Computation"));
    setClientArea(7530, 3375, false);
    createControls();
    layOut();
    connectHandlers();
}

void frmMain::createControls() {
    Label1 = ui::addLabel(this, "Label1", QStringLiteral("Mirtavo"));
    Label1->setFont(ui::designFont(ui::kScript, 27.75, true));
    Label1->setBackgroundRole(QPalette::Base);
    Label1->setForegroundRole(QPalette::Text);
    Label1->setAutoFillBackground(true);
    Label9 = ui::addLabel(this, "Label9", QStringLiteral("Updated on 08/27/2001"));
    Label9->setFont(ui::designFont(ui::kSansSerif, 8.25, true));
    Option1 = ui::addOption(
        this, "Option1", QStringLiteral("Estimate reliability using variances (Cronbach's Alpha)"));
    Option2 =
        ui::addOption(this, "Option2",
                      QStringLiteral("Estimate reliability using inter-item r (Spearman-Brown)"));
    Option3 =
        ui::addOption(this, "Option3",
                      QStringLiteral("Estimate the inter-item correlation from the reliability"));
    Option4 = ui::addOption(this, "Option4", QStringLiteral("How many items are needed?"));
    Option5 = ui::addOption(
        this, "Option5",
        QStringLiteral("Table and graph reliability as a function of the number of items"));
    Option6 = ui::addOption(this, "Option6", QStringLiteral("End this program"));
    for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5, Option6}) {
        option->setFont(ui::designFont(ui::kSansSerif, 8.25, true));
    }
    cmdHelp = ui::addButton(this, "cmdHelp", QStringLiteral("Help"));
    cmdHelp->setFont(ui::designFont(ui::kSerif, 9.75, true));
}

void frmMain::layOut() {
    // clang-format off
    ui::place(Label1,   480,  240, 2895, 735);
    ui::place(Label9,  5280,  840, 2175, 255);
    ui::place(Option1,  240, 1200, 7215, 255);
    ui::place(Option2,  240, 1560, 7215, 255);
    ui::place(Option3,  240, 1920, 7215, 255);
    ui::place(Option4,  240, 2280, 7215, 255);
    ui::place(Option5,  240, 2640, 7215, 255);
    ui::place(Option6,  240, 3000, 6375, 255);
    ui::place(cmdHelp, 6720, 3000,  735, 255);
    ui::addLine(this, "Line5",  360, 120, 3240, 120);
    ui::addLine(this, "Line3",  360, 120,  360, 840);
    ui::addLine(this, "Line1",  360, 840, 2760, 840);
    ui::addLine(this, "Line6", 3240, 480, 3240, 120);
    ui::addLine(this, "Line2",  480, 960, 5280, 960);
    // clang-format on
    ui::setTabChain({Option2, Option1, Option3, Option4, Option5, Option6, cmdHelp});
    Option2->setFocus();
}

void frmMain::connectHandlers() {
    connect(Option1, &QRadioButton::clicked, this, &frmMain::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &frmMain::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &frmMain::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &frmMain::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &frmMain::Option5_Click);
    connect(Option6, &QRadioButton::clicked, this, &frmMain::Option6_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
}

void frmMain::Form_Load() {
    Form::Form_Load();
    for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5, Option6}) {
        // An exclusive option cannot be unchecked alone; lifting exclusivity for a moment can.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void frmMain::Option1_Click() { forms().show<ui::frmAlpha>(); }
void frmMain::Option2_Click() { forms().show<ui::frmSbalpha>(); }
void frmMain::Option3_Click() { forms().show<ui::frmRfromal>(); }
void frmMain::Option4_Click() { forms().show<ui::frmItemneed>(); }
void frmMain::Option5_Click() { forms().show<ui::frmGraph>(); }
void frmMain::Option6_Click() { forms().endProgram(); }
void frmMain::cmdHelp_Click() { forms().show<frmHelp>(); }

}  // namespace app

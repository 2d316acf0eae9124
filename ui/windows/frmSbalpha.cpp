#include "ui/windows/frmSbalpha.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/spearmanbrown.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/outcomeplayer.h"

namespace ui {

frmSbalpha::frmSbalpha(Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("Estimate reliability using inter-item r"));
    setFont(designFont(kSansSerif, 8.25, true));
    setClientArea(5250, 1275, false);
    createControls();
    layOut();
    connectHandlers();
}

void frmSbalpha::createControls() {
    Label1 = addLabel(this, "Label1", QStringLiteral("Enter the number of items:"));
    Label2 = addLabel(this, "Label2", QStringLiteral("Enter the average inter-item r:"));
    Label3 = addLabel(this, "Label3", QStringLiteral("Alpha:"));
    txt2k = addField(this, "txt2k", Label1);
    txt2r = addField(this, "txt2r", Label2);
    txt2alpha = addField(this, "txt2alpha", Label3);
    cmd2go = addButton(this, "cmd2go", QStringLiteral("Go"));
    cmdReset = addButton(this, "cmdReset", QStringLiteral("Reset"));
}

void frmSbalpha::layOut() {
    // clang-format off
    place(Label1,     120,  120, 2655, 255);
    place(txt2k,     4440,  120,  735, 315);
    place(txt2r,     4440,  480,  735, 330);
    place(cmd2go,     960,  840,  735, 330);
    place(txt2alpha, 4440,  840,  735, 330);
    place(Label2,     120,  480, 2775, 255);
    place(Label3,    3720,  840,  615, 255);
    place(cmdReset,   120,  840,  735, 330);
    // clang-format on
    setTabChain({txt2k, txt2r, cmd2go, txt2alpha, cmdReset});
    txt2k->setFocus();
}

void frmSbalpha::connectHandlers() {
    connect(cmd2go, &QPushButton::clicked, this, &frmSbalpha::cmd2go_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmSbalpha::cmdReset_Click);
    setGoButton(cmd2go);
}

void frmSbalpha::cmd2go_Click() {
    const auto outcome =
        calc::reliabilityFromCorrelation({fieldText(txt2k), fieldText(txt2r)}, userNumberLocale());
    playOutcome(outcome, forms().messageBox(), txt2alpha);
}

}  // namespace ui

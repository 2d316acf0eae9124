#include "ui/windows/frmAlpha.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/alpha.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/outcomeplayer.h"

namespace ui {

frmAlpha::frmAlpha(Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("Estimate reliability using variances"));
    setFont(designFont(kSansSerif, 8.25, true));
    setClientArea(5250, 1605, true);
    createControls();
    layOut();
    connectHandlers();
}

void frmAlpha::createControls() {
    Label1 = addLabel(this, "Label1", QStringLiteral("Enter the number of items:"));
    Label2 = addLabel(this, "Label2", QStringLiteral("Enter the scale variance:"));
    Label3 = addLabel(this, "Label3",
                      QStringLiteral("Enter the sum of variance of the individual items:"));
    Label4 = addLabel(this, "Label4", QStringLiteral("Alpha:"));
    txt1k = addField(this, "txt1k", Label1);
    txt1sv = addField(this, "txt1sv", Label2);
    txt1siv = addField(this, "txt1siv", Label3);
    txt1alpha = addField(this, "txt1alpha", Label4);
    cmd1go = addButton(this, "cmd1go", QStringLiteral("Run"));
    cmdReset = addButton(this, "cmdReset", QStringLiteral("Reset"));
}

void frmAlpha::layOut() {
    // clang-format off
    place(txt1k,      4440,  120,  735, 330);
    place(txt1sv,     4440,  480,  735, 330);
    place(txt1siv,    4440,  840,  735, 330);
    place(cmd1go,      960, 1200,  735, 330);
    place(Label1,      120,  120, 2775, 255);
    place(txt1alpha,  4440, 1200,  735, 330);
    place(Label2,      120,  480, 2535, 255);
    place(Label3,      120,  840, 4215, 255);
    place(Label4,     3720, 1200,  615, 255);
    place(cmdReset,    120, 1200,  735, 330);
    // clang-format on
    setTabChain({txt1k, txt1sv, txt1siv, cmd1go, txt1alpha, cmdReset});
    txt1k->setFocus();
}

void frmAlpha::connectHandlers() {
    connect(cmd1go, &QPushButton::clicked, this, &frmAlpha::cmd1go_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmAlpha::cmdReset_Click);
    setGoButton(cmd1go);
}

void frmAlpha::cmd1go_Click() {
    const auto outcome = calc::alphaFromVariances(
        {fieldText(txt1k), fieldText(txt1sv), fieldText(txt1siv)}, userNumberLocale());
    playOutcome(outcome, forms().messageBox(), txt1alpha);
}

}  // namespace ui

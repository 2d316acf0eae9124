#include "ui/windows/frmRfromal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/interitem.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/outcomeplayer.h"

namespace ui {

frmRfromal::frmRfromal(Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("Estimate inter-item r from alpha"));
    setFont(designFont(kSansSerif, 8.25, true));
    setClientArea(5250, 1245, false);
    createControls();
    layOut();
    connectHandlers();
}

void frmRfromal::createControls() {
    Label1 = addLabel(this, "Label1", QStringLiteral("Enter the number of items:"));
    Label2 = addLabel(this, "Label2", QStringLiteral("Enter alpha:"));
    Label3 = addLabel(this, "Label3", QStringLiteral("Inter-item r:"));
    txt3k = addField(this, "txt3k", Label1);
    txt3alpha = addField(this, "txt3alpha", Label2);
    txt3r = addField(this, "txt3r", Label3);
    cmd3go = addButton(this, "cmd3go", QStringLiteral("Run"));
    cmdReset = addButton(this, "cmdReset", QStringLiteral("Reset"));
}

void frmRfromal::layOut() {
    // clang-format off
    place(txt3k,     4440,  120,  735, 330);
    place(txt3alpha, 4440,  480,  735, 330);
    place(cmd3go,     960,  840,  735, 330);
    place(Label1,     120,  120, 2655, 255);
    place(txt3r,     4440,  840,  735, 330);
    place(Label2,     120,  480, 1095, 255);
    place(Label3,    3240,  840, 1095, 255);
    place(cmdReset,   120,  840,  735, 330);
    // clang-format on
    setTabChain({txt3k, txt3alpha, cmd3go, txt3r, cmdReset});
    txt3k->setFocus();
}

void frmRfromal::connectHandlers() {
    connect(cmd3go, &QPushButton::clicked, this, &frmRfromal::cmd3go_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmRfromal::cmdReset_Click);
    setGoButton(cmd3go);
}

void frmRfromal::cmd3go_Click() {
    const auto outcome =
        calc::correlationFromAlpha({fieldText(txt3k), fieldText(txt3alpha)}, userNumberLocale());
    playOutcome(outcome, forms().messageBox(), txt3r);
}

}  // namespace ui

#include "ui/windows/frmItemneed.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/itemsneeded.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/outcomeplayer.h"

namespace ui {

frmItemneed::frmItemneed(Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("How many items are needed?"));
    setFont(designFont(kSansSerif, 8.25, true));
    setClientArea(5250, 1245, false);
    createControls();
    layOut();
    connectHandlers();
}

void frmItemneed::createControls() {
    Label1 = addLabel(this, "Label1", QStringLiteral("Enter the average inter-item r:"));
    Label2 = addLabel(this, "Label2", QStringLiteral("Enter the desired reliability:"));
    Label3 = addLabel(this, "Label3", QStringLiteral("Number of items needed:"));
    txt4r = addField(this, "txt4r", Label1);
    txt4dr = addField(this, "txt4dr", Label2);
    txt4k = addField(this, "txt4k", Label3);
    cmd4go = addButton(this, "cmd4go", QStringLiteral("Run"));
    cmdReset = addButton(this, "cmdReset", QStringLiteral("Reset"));
}

void frmItemneed::layOut() {
    // clang-format off
    place(Label1,    120,  120, 2775, 255);
    place(txt4r,    4440,  120,  735, 330);
    place(txt4dr,   4440,  480,  735, 330);
    place(cmd4go,    960,  840,  735, 330);
    place(txt4k,    4440,  840,  735, 330);
    place(Label2,    120,  480, 2535, 255);
    place(Label3,   2160,  840, 2175, 255);
    place(cmdReset,  120,  840,  735, 330);
    // clang-format on
    setTabChain({txt4r, txt4dr, cmd4go, txt4k, cmdReset});
    txt4r->setFocus();
}

void frmItemneed::connectHandlers() {
    connect(cmd4go, &QPushButton::clicked, this, &frmItemneed::cmd4go_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmItemneed::cmdReset_Click);
    setGoButton(cmd4go);
}

void frmItemneed::cmd4go_Click() {
    const auto outcome =
        calc::itemsNeeded({fieldText(txt4r), fieldText(txt4dr)}, userNumberLocale());
    playOutcome(outcome, forms().messageBox(), txt4k);
}

}  // namespace ui

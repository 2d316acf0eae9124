#include "app/frmHelp.h"

#include <QScrollBar>
#include <QString>

#include "app/helptext.h"
#include "ui/controls/fonts.h"
#include "ui/controls/multilinefield.h"
#include "ui/geometry/placement.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"

namespace app {

frmHelp::frmHelp(ui::Forms& forms) : Form(forms) {
    setWindowTitle(QStringLiteral("Mirtavo Help"));
    setClientArea(6480, 6015, false);
    txtHelp = new ui::MultiLineField(this, "txtHelp");
    txtHelp->setFont(ui::designFont(ui::kSansSerif, 8.25, true));
    txtHelp->setAccessibleName(QStringLiteral("Mirtavo Help"));
    // The field is 15 twips wider than the window, as designed.
    ui::place(txtHelp, 0, 0, 6495, 6015);
}

void frmHelp::Form_Load() {
    ui::placeWindow(*this, forms().screen(), 1.2);
    const auto pieces = helpPieces();
    txtHelp->setText(QString::fromStdString(pieceText(pieces.front())));
    for (const HelpPiece& piece : pieces.subspan(1)) {
        if (piece.toEnd) {
            txtHelp->setInsertionPoint(txtHelp->length());
        }
        txtHelp->insert(QString::fromStdString(pieceText(piece)));
    }
    // The insertion point stays behind the last piece; the reader still starts at the top.
    txtHelp->verticalScrollBar()->setValue(0);
}

}  // namespace app

#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QString>

namespace ui {

void ModalMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirtavo"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // Some styles put an icon on dialog buttons; the box shows no icon at all.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

}  // namespace ui

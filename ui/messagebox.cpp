#include "ui/messagebox.h"

#include <QMessageBox>
#include <QString>

namespace ui {

void ModalMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirtavo"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace ui

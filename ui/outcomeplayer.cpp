#include "ui/outcomeplayer.h"

#include <QLineEdit>
#include <QString>

#include "ui/messagebox.h"

namespace ui {

void playOutcome(const calc::Outcome& outcome, MessageBox& messageBox, QLineEdit* resultField) {
    for (const calc::Step& step : outcome.steps) {
        const QString text = QString::fromStdString(step.text);
        if (step.kind == calc::Step::Kind::Message) {
            messageBox.show(text);
        } else {
            resultField->setText(text);
        }
    }
}

}  // namespace ui

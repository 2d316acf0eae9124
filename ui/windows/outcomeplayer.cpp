#include "ui/windows/outcomeplayer.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <cstddef>
#include <memory>
#include <utility>

#include "ui/controls/messagebox.h"

namespace ui {
namespace {

struct Playback {
    calc::Outcome outcome;
    MessageBox& messageBox;
    QPointer<QLineEdit> resultField;
    std::function<void()> then;
};

void playFrom(const std::shared_ptr<const Playback>& playback, std::size_t next) {
    const std::vector<calc::Step>& steps = playback->outcome.steps;
    for (; next < steps.size(); ++next) {
        const QString text = QString::fromStdString(steps[next].text);
        if (steps[next].kind == calc::Step::Kind::Message) {
            playback->messageBox.show(text, [playback, next] { playFrom(playback, next + 1); });
            return;
        }
        if (!playback->resultField.isNull()) {
            playback->resultField->setText(text);
        }
    }
    if (playback->then) {
        playback->then();
    }
}

}  // namespace

void playOutcome(calc::Outcome outcome, MessageBox& messageBox, QLineEdit* resultField,
                 std::function<void()> then) {
    playFrom(std::make_shared<const Playback>(
                 Playback{std::move(outcome), messageBox, resultField, std::move(then)}),
             0);
}

}  // namespace ui

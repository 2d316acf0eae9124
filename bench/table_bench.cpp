// How long the heaviest path takes: the full table of 32,767 rows, and a whole "Run" click that
// lists it, draws its curve and ticks and repaints the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSizeF>

#include "calc/table.h"
#include "ui/controls/fonts.h"
#include "ui/controls/messagebox.h"
#include "ui/geometry/screen.h"
#include "ui/windows/forms.h"
#include "ui/windows/frmGraph.h"

namespace {

void BM_FullTable(benchmark::State& state) {
    const calc::TableFields fields{".3", "1", std::to_string(state.range(0))};
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::reliabilityTable(fields, {"."}));
    }
}
BENCHMARK(BM_FullTable)->Arg(3)->Arg(1001)->Arg(32767)->Unit(benchmark::kMillisecond);

class SilentMessageBox : public ui::MessageBox {
public:
    void show(const QString& /*text*/, Closed closed) override {
        if (closed) {
            closed();
        }
    }
};

class LargeScreen : public ui::Screen {
public:
    QSizeF sizeInTwips() const override { return {28800, 16200}; }
};

void BM_RunClick(benchmark::State& state) {
    LargeScreen screen;
    SilentMessageBox messages;
    ui::Forms forms(screen, messages);
    auto& window = forms.show<ui::frmGraph>();
    window.findChild<QLineEdit*>("txt5r")->setText(".3");
    window.findChild<QLineEdit*>("txt5low")->setText("1");
    window.findChild<QLineEdit*>("txt5upper")->setText(QString::number(state.range(0)));
    auto* run = window.findChild<QPushButton*>("cmd5go");
    for (auto _ : state) {
        run->click();
        window.repaint();
    }
}
BENCHMARK(BM_RunClick)->Arg(3)->Arg(1001)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "ui/windows/frmGraph.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <string>
#include <utility>

#include "calc/table.h"
#include "ui/controls/clipboard.h"
#include "ui/controls/controls.h"
#include "ui/controls/drawingarea.h"
#include "ui/controls/fonts.h"
#include "ui/controls/graph.h"
#include "ui/controls/line.h"
#include "ui/controls/messagebox.h"
#include "ui/controls/multilinefield.h"
#include "ui/geometry/placement.h"
#include "ui/geometry/twips.h"
#include "ui/windows/forms.h"
#include "ui/windows/outcomeplayer.h"

namespace ui {
namespace {

// The table's columns line up when the item counts fit before the first tab stop and the
// header's "Number of items" reaches past it, so that its one TAB meets the rows' second.
int tableTabSpacing(const QFont& font) {
    const QFontMetrics metrics(font);
    const int header = metrics.horizontalAdvance(QStringLiteral("Number of items"));
    const int count = metrics.horizontalAdvance(QStringLiteral(" 32767"));
    return std::max(count + metrics.averageCharWidth(), header * 2 / 3);
}

// Opens a context menu with popup(), which returns at once (Qt's own actions menu would run a
// nested event loop). A menu asked for by pressing the right button opens when it is released:
// opened on the press, the release that follows would close it in the browser.
class ContextMenuOnRelease : public QObject {
public:
    ContextMenuOnRelease(QMenu* menu, QObject* parent) : QObject(parent), m_menu(menu) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            m_pending = request->reason() == QContextMenuEvent::Mouse &&
                        QGuiApplication::mouseButtons().testFlag(Qt::RightButton);
            if (!m_pending) {
                m_menu->popup(request->globalPos());
            }
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && m_pending) {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::RightButton) {
                m_pending = false;
                m_menu->popup(release->globalPosition().toPoint());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMenu* m_menu;
    bool m_pending = false;
};

}  // namespace

frmGraph::frmGraph(Forms& forms) : Form(forms) {
    setWindowTitle(
        QStringLiteral("Table and graph reliability as a function of the number of items"));
    setFont(designFont(kSansSerif, 8.25, true));
    setClientArea(9210, 4845, false);
    createControls();
    createGraphLabels();
    layOut();
    connectHandlers();
}

void frmGraph::createControls() {
    Label1 = addLabel(this, "Label1", QStringLiteral("Enter the average inter-item r:"));
    Label2 = addLabel(this, "Label2", QStringLiteral("Enter a range of number of items:"));
    Label3 = addLabel(this, "Label3", QStringLiteral("The lower number:"));
    Label4 = addLabel(this, "Label4", QStringLiteral("The upper number:"));
    txt5r = addField(this, "txt5r", Label1);
    txt5low = addField(this, "txt5low", Label3);
    txt5upper = addField(this, "txt5upper", Label4);
    cmdReset = addButton(this, "cmdReset", QStringLiteral("Reset"));
    cmd5go = addButton(this, "cmd5go", QStringLiteral("Run"));
    txt5list = new MultiLineField(this, "txt5list");
    txt5list->setAccessibleName(QStringLiteral("Reliability table"));
    txt5list->setTabStopDistance(tableTabSpacing(font()));
    pic5graph = new DrawingArea(this);
    pic5graph->setObjectName("pic5graph");
    pic5graph->setFocusPolicy(Qt::StrongFocus);
    pic5graph->setAccessibleName(QStringLiteral("Reliability graph"));
    pic5graph->setAccessibleDescription(
        QStringLiteral("Reliability from 0 to 1 against the number of items of the range"));
}

void frmGraph::createGraphLabels() {
    struct GraphLabel {
        const char* name;
        const char* caption;
        int left;
        int top;
        int width;
        double points;
    };
    // clang-format off
    constexpr GraphLabel kLabels[] = {
        {"Label5", "Alpha", 240,  480, 615, 9.75},
        {"Label11", "1.0",  360,  720, 375, 8.25},
        {"Label10", ".8",   360, 1320, 255, 8.25},
        {"Label9", ".6",    360, 2040, 255, 8.25},
        {"Label8", ".4",    360, 2760, 255, 8.25},
        {"Label7", ".2",    360, 3480, 255, 8.25},
        {"Label6", "0",     480, 4080, 255, 8.25},
    };
    // clang-format on
    for (const GraphLabel& design : kLabels) {
        QLabel* label = addLabel(pic5graph, design.name, QString::fromLatin1(design.caption));
        label->setFont(designFont(kSansSerif, design.points, true));
        label->setWordWrap(false);
        pic5graph->placeInside(label, design.left, design.top, design.width, 255);
    }
    lbl5LN = addLabel(pic5graph, "lbl5LN", QString());
    lbl5UN = addLabel(pic5graph, "lbl5UN", QString());
    for (QLabel* range : {lbl5LN, lbl5UN}) {
        range->setFont(designFont(kSansSerif, 8.25, false));
        range->setWordWrap(false);
    }
    pic5graph->placeInside(lbl5LN, 720, 4320, 255, 255);
    pic5graph->placeInside(lbl5UN, 5280, 4320, 255, 255);
}

void frmGraph::layOut() {
    // clang-format off
    place(Label1,     120,  120, 2655,  255);
    place(txt5r,     2760,  120,  450,  330);
    place(Label2,     120,  480, 3015,  255);
    place(Label3,     240,  840, 1695,  255);
    place(txt5low,   1920,  840,  495,  330);
    place(Label4,     240, 1200, 1695,  255);
    place(txt5upper, 1920, 1200,  495,  330);
    place(cmdReset,  2520,  840,  735,  330);
    place(cmd5go,    2520, 1200,  735,  330);
    place(txt5list,   120, 1680, 3135, 3135);
    addLine(this, "Line1", 3360, 120, 3360, 4800);
    place(pic5graph, 3480,  120, 5655, 4695);
    // clang-format on
    setTabChain({txt5r, txt5low, txt5upper, cmd5go, txt5list, pic5graph, cmdReset});
    txt5r->setFocus();
}

void frmGraph::connectHandlers() {
    connect(cmd5go, &QPushButton::clicked, this, &frmGraph::cmd5go_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmGraph::cmdReset_Click);
    setGoButton(cmd5go);
    addCopyGraph();
}

// The graph's context menu (and Ctrl+C while the graph has the focus) copies the drawing area
// as the user sees it, labels included, for pasting into a report.
void frmGraph::addCopyGraph() {
    auto* copy = new QAction(QStringLiteral("Copy graph"), pic5graph);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, pic5graph, [this] {
        copyPicture(pic5graph->grab(pic5graph->contentsRect()).toImage(), forms().messageBox());
    });
    pic5graph->addAction(copy);
    auto* menu = new QMenu(pic5graph);
    menu->addAction(copy);
    pic5graph->installEventFilter(new ContextMenuOnRelease(menu, pic5graph));
}

void frmGraph::showRangeNumber(QLabel* label, int leftTwips, const std::string& number) {
    label->setText(QString::fromStdString(number));
    // A number wider than the label's design box widens it rather than being cut off, and the
    // right-hand one moves left as far as it must to stay inside the drawing area.
    const int textTwips = static_cast<int>(label->sizeHint().width() * kTwipsPerPixel);
    const int width = std::max(255, textTwips);
    const int innerWidth = static_cast<int>(pic5graph->contentsRect().width() * kTwipsPerPixel);
    const int left = std::min(leftTwips, innerWidth - width);
    pic5graph->placeInside(label, left, 4320, width, 255);
}

void frmGraph::Form_Load() {
    placeWindow(*this, forms().screen(), 1.01);
    graph::drawEmptyFrame(*pic5graph);
    graph::drawVerticalTicks(*pic5graph);
}

void frmGraph::cmd5go_Click() {
    // Cleared before any input is looked at: a refused run leaves the bare frame.
    graph::drawEmptyFrame(*pic5graph);
    const calc::NumberLocale locale = userNumberLocale();
    calc::TableOutcome outcome = calc::reliabilityTable(
        {fieldText(txt5r), fieldText(txt5low), fieldText(txt5upper)}, locale);
    calc::Outcome messages;
    for (std::string& message : outcome.messages) {
        messages.message(std::move(message));
    }
    playOutcome(std::move(messages), forms().messageBox(), nullptr,
                [window = QPointer<frmGraph>(this), table = std::move(outcome.table), locale] {
                    if (window && table) {
                        window->showTable(*table, locale);
                    }
                });
}

void frmGraph::showTable(const calc::ReliabilityTable& table, const calc::NumberLocale& locale) {
    showRangeNumber(lbl5LN, 720, calc::plainText(table.lower, locale));
    showRangeNumber(lbl5UN, 5280, calc::plainText(table.upper, locale));
    graph::drawVerticalTicks(*pic5graph);
    txt5list->setText(QString::fromStdString(table.text));
    graph::drawCurve(*pic5graph, table.lower, table.upper, table.reliabilities);
    graph::drawItemCountTicks(*pic5graph, table.lower, table.upper);
}

}  // namespace ui

// What a screen reader in a browser is shown of the windows (the accessible tree that the page
// mirrors) and what its requests do: the real windows and the real modal box.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <algorithm>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "harness.h"
#include "ui/controls/accessibletree.h"
#include "ui/controls/fonts.h"
#include "ui/windows/frmAlpha.h"
#include "ui/windows/frmGraph.h"

using namespace testing_ui;
using ui::accessible::Request;

namespace {

// Every node the page is sent, each window before its controls.
QList<QJsonObject> allNodes(const QJsonArray& nodes = ui::accessible::describeWindows()) {
    QList<QJsonObject> all;
    for (const auto& value : nodes) {
        all << value.toObject();
        all << allNodes(value[QStringLiteral("children")].toArray());
    }
    return all;
}

// The first node with these values (a field and its label share a name, not a role).
QJsonObject find(const QJsonObject& values) {
    for (const QJsonObject& node : allNodes()) {
        const QStringList keys = values.keys();
        if (std::all_of(keys.begin(), keys.end(),
                        [&](const QString& key) { return node[key] == values[key]; })) {
            return node;
        }
    }
    return {};
}

QJsonObject named(const QString& name) { return find({{"name", name}}); }
QJsonObject field(const QString& name) { return find({{"role", "textbox"}, {"name", name}}); }
QString focusedName() { return find({{"focused", true}})[QStringLiteral("name")].toString(); }

bool ask(const QJsonObject& node, Request request) {
    const auto id = static_cast<QAccessible::Id>(node[QStringLiteral("id")].toInteger());
    return !node.isEmpty() && ui::accessible::perform(id, request);
}

}  // namespace

class AccessibleTreeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    // What the page asks while a box is open is refused; after it, and of a closed window, as
    // a click would be. (The page test reads the rest of this way in three browsers.)
    void requestsAreRefusedWhereAClickWouldBe() {
        Program program;
        QApplication::setActiveWindow(&program.forms.show<app::frmMain>());
        const QJsonObject variances =
            named(QStringLiteral("Estimate reliability using variances (Cronbach's Alpha)"));
        QVERIFY(ask(variances, Request::Activate));
        auto* alpha = program.forms.find<ui::frmAlpha>();
        QVERIFY(alpha != nullptr);
        QTRY_COMPARE(focusedName(), QStringLiteral("Enter the number of items:"));

        typeInto(control(alpha, "txt1k"), "x");
        QTest::keyClick(control(alpha, "txt1k"), Qt::Key_Return);
        QCOMPARE(find({{"role", "alertdialog"}})[QStringLiteral("modal")], QJsonValue(true));
        QVERIFY(field(QStringLiteral("Alpha:"))[QStringLiteral("blocked")].toBool());
        QVERIFY(!ask(variances, Request::Activate));
        QVERIFY(!ask(field(QStringLiteral("Enter the scale variance:")), Request::Focus));
        QVERIFY(!ask(named(QStringLiteral("Help")), Request::Activate));

        QVERIFY(ask(named(QStringLiteral("OK")), Request::Activate));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_COMPARE(focusedName(), QStringLiteral("Enter the number of items:"));
        QVERIFY(ask(field(QStringLiteral("Enter the scale variance:")), Request::Focus));
        QCOMPARE(QApplication::focusWidget(), control(alpha, "txt1sv"));

        const QJsonObject result = field(QStringLiteral("Alpha:"));
        QVERIFY(alpha->close());
        releaseUnloadedWindows();
        QVERIFY(named(QStringLiteral("Estimate reliability using variances")).isEmpty());
        QVERIFY(!ask(result, Request::Focus));
    }

    // The table is the text field it is on the desktop, the graph a picture with its words and
    // its menu, and the help text a text field too.
    void theTableTheGraphAndHelpKeepTheirNames() {
        Program program;
        auto& graph = program.forms.show<ui::frmGraph>();
        typeInto(control(&graph, "txt5r"), ".3");
        typeInto(control(&graph, "txt5low"), "1");
        typeInto(control(&graph, "txt5upper"), "3");
        QTest::mouseClick(control<QPushButton>(&graph, "cmd5go"), Qt::LeftButton);

        const QJsonObject table = field(QStringLiteral("Reliability table"));
        QVERIFY(table[QStringLiteral("multiline")].toBool());
        QVERIFY(!table[QStringLiteral("readonly")].toBool());
        QCOMPARE(table[QStringLiteral("value")].toString(),
                 control<QPlainTextEdit>(&graph, "txt5list")->toPlainText());

        const QJsonObject picture = named(QStringLiteral("Reliability graph"));
        QCOMPARE(picture[QStringLiteral("role")].toString(), QStringLiteral("img"));
        QCOMPARE(
            picture[QStringLiteral("description")].toString(),
            QStringLiteral("Reliability from 0 to 1 against the number of items of the range"));
        QVERIFY(picture[QStringLiteral("focusable")].toBool());
        // Where the picture stands, in screen pixels, for a magnifier to follow.
        auto* area = graph.findChild<QWidget*>("pic5graph");
        QCOMPARE(QRect(picture["x"].toInt(), picture["y"].toInt(), picture["width"].toInt(),
                       picture["height"].toInt()),
                 QRect(area->mapToGlobal(QPoint()), area->size()));

        // The graph's menu is a menu while it is open; its one item copies the picture.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, area->rect().center(),
                                  area->mapToGlobal(area->rect().center()));
        QApplication::sendEvent(area, &menuKey);
        QCOMPARE(find({{"role", "menu"}})[QStringLiteral("children")].toArray(),
                 QJsonArray{find({{"role", "menuitem"}, {"name", "Copy graph"}})});
        QGuiApplication::clipboard()->clear();
        QVERIFY(ask(named(QStringLiteral("Copy graph")), Request::Activate));
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QTRY_VERIFY(find({{"role", "menu"}}).isEmpty());

        program.forms.show<app::frmHelp>();
        const QJsonObject help = field(QStringLiteral("Mirtavo Help"));
        QVERIFY(help[QStringLiteral("multiline")].toBool());
        QVERIFY(help[QStringLiteral("value")].toString().size() > 1000);
    }
};

QTEST_MAIN(AccessibleTreeTest)
#include "accessible_tree_test.moc"

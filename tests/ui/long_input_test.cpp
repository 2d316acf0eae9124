// A mebibyte in any field of any computation window, of digits, of blanks or of random bytes:
// the click ends in the window's own message, quickly, and the result field keeps what it held.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <random>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "harness.h"
#include "tests/support/ownmessages.h"
#include "ui/fonts.h"
#include "ui/frmAlpha.h"
#include "ui/frmGraph.h"
#include "ui/frmItemneed.h"
#include "ui/frmRfromal.h"
#include "ui/frmSbalpha.h"
#include "ui/multilinefield.h"

using namespace testing_ui;

namespace {

constexpr qsizetype kMebibyte = 1 << 20;

struct Field {
    const char* name;
    const char* goodValue;  // what the field holds while another field holds the long text
};

struct Window {
    const char* option;
    check::Window kind;
    ui::Form* (*find)(ui::Forms&);
    std::vector<Field> inputs;
    const char* go;
    const char* result;
};

const std::vector<Window> kWindows{
    {"Option1",
     check::Window::Alpha,
     &loadedWindow<ui::frmAlpha>,
     {{"txt1k", "6"}, {"txt1sv", "4.5"}, {"txt1siv", "2.4"}},
     "cmd1go",
     "txt1alpha"},
    {"Option2",
     check::Window::SpearmanBrown,
     &loadedWindow<ui::frmSbalpha>,
     {{"txt2k", "7"}, {"txt2r", ".15"}},
     "cmd2go",
     "txt2alpha"},
    {"Option3",
     check::Window::InterItem,
     &loadedWindow<ui::frmRfromal>,
     {{"txt3k", "6"}, {"txt3alpha", ".65"}},
     "cmd3go",
     "txt3r"},
    {"Option4",
     check::Window::ItemsNeeded,
     &loadedWindow<ui::frmItemneed>,
     {{"txt4r", "-.2"}, {"txt4dr", ".8"}},
     "cmd4go",
     "txt4k"},
    {"Option5",
     check::Window::Table,
     &loadedWindow<ui::frmGraph>,
     {{"txt5r", ".3"}, {"txt5low", "1"}, {"txt5upper", "3"}},
     "cmd5go",
     "txt5list"},
};

QString randomBytes(qsizetype length) {
    std::mt19937 random(7);
    QByteArray raw(length, '\0');
    for (char& byte : raw) {
        byte = static_cast<char>(std::uniform_int_distribution(1, 255)(random));
    }
    return QString::fromLatin1(raw);
}

QString resultOf(QWidget* window, const char* name) {
    if (auto* list = window->findChild<ui::MultiLineField*>(name)) {
        return list->text();
    }
    return control(window, name)->text();
}

}  // namespace

class LongInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void aMebibyteGetsTheWindowsOwnMessage_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        const QString digits(kMebibyte, QLatin1Char('9'));
        const QString blanks(kMebibyte, QLatin1Char(' '));
        const QString bytes = randomBytes(kMebibyte);
        for (int w = 0; w < static_cast<int>(kWindows.size()); ++w) {
            for (int f = 0; f < static_cast<int>(kWindows[w].inputs.size()); ++f) {
                const std::string name = kWindows[w].inputs[f].name;
                QTest::addRow("%s digits", name.c_str()) << w << f << digits;
                QTest::addRow("%s blanks", name.c_str()) << w << f << blanks;
                QTest::addRow("%s bytes", name.c_str()) << w << f << bytes;
            }
        }
    }

    void aMebibyteGetsTheWindowsOwnMessage() {
        QFETCH(int, window);
        QFETCH(int, field);
        QFETCH(QString, text);
        const Window& design = kWindows[window];
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, design.option), Qt::LeftButton);
        QWidget* shown = design.find(h.forms);
        QVERIFY(shown != nullptr);
        for (int f = 0; f < static_cast<int>(design.inputs.size()); ++f) {
            control(shown, design.inputs[f].name)
                ->setText(f == field ? text : QString::fromLatin1(design.inputs[f].goodValue));
        }
        QCOMPARE(control(shown, design.inputs[field].name)->text().size(), kMebibyte);
        const QString before = resultOf(shown, design.result);

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(control<QPushButton>(shown, design.go), Qt::LeftButton);
        const qint64 elapsed = timer.elapsed();

        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QVERIFY(!h.messages.shown.isEmpty());
        for (const QString& message : h.messages.shown) {
            QVERIFY2(check::isOwnMessage(design.kind, message.toStdString()), qPrintable(message));
        }
        QCOMPARE(resultOf(shown, design.result), before);
    }
};

QTEST_MAIN(LongInputTest)
#include "long_input_test.moc"

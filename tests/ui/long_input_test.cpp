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
#include "computationwindows.h"
#include "harness.h"
#include "ui/controls/fonts.h"

using namespace testing_ui;

namespace {

constexpr qsizetype kMebibyte = 1 << 20;

QString randomBytes(qsizetype length) {
    std::mt19937 random(7);
    QByteArray raw(length, '\0');
    for (char& byte : raw) {
        byte = static_cast<char>(std::uniform_int_distribution(1, 255)(random));
    }
    return QString::fromLatin1(raw);
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
        const auto& windows = computationWindows();
        for (int w = 0; w < static_cast<int>(windows.size()); ++w) {
            for (int f = 0; f < static_cast<int>(windows[w].inputs.size()); ++f) {
                const std::string name = windows[w].inputs[f].name;
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
        const ComputationWindow& design = computationWindows()[window];
        Harness h;
        auto& main = h.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, design.option), Qt::LeftButton);
        QWidget* shown = design.find(h.forms);
        QVERIFY(shown != nullptr);
        for (int f = 0; f < static_cast<int>(design.inputs.size()); ++f) {
            control(shown, design.inputs[f].name)
                ->setText(f == field ? text : QString::fromLatin1(design.inputs[f].example));
        }
        QCOMPARE(control(shown, design.inputs[field].name)->text().size(), kMebibyte);
        const QString before = design.resultText(shown);

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(control<QPushButton>(shown, design.goButton), Qt::LeftButton);
        const qint64 elapsed = timer.elapsed();

        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QVERIFY(!h.messages.shown.isEmpty());
        for (const QString& message : h.messages.shown) {
            QVERIFY2(check::isOwnMessage(design.kind, message.toStdString()), qPrintable(message));
        }
        QCOMPARE(design.resultText(shown), before);
    }
};

QTEST_MAIN(LongInputTest)
#include "long_input_test.moc"

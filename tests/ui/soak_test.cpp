// Thousands of random user actions, from a fixed seed so that a failure replays: open windows
// from the main window, type and paste any text (long text too), click the go buttons and
// "Reset", close windows and open them again. Nothing may crash, each window class keeps at most
// one instance, every message is the window's own, and a result field holds only a result.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "computationwindows.h"
#include "harness.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"

using namespace testing_ui;

namespace {

// What a user might put into a field: numbers that matter to the computations, near misses,
// words, control characters and stray bytes, and now and then a very long paste.
class TextSource {
public:
    explicit TextSource(std::mt19937& random) : m_random(random) {}

    QString next() {
        switch (below(10)) {
            case 0:
                return number();
            case 1:
                return QString::number(std::uniform_real_distribution(-2.0, 2.0)(m_random));
            case 2:
                return QString::number(below(70000) - 35000);
            case 3:
                return characters(below(13), 32, 126);
            case 4:
                return QString::fromUtf8(bytes(below(33)));
            case 5:
                return QString(below(4), QLatin1Char(' '));
            case 6:
                return below(8) == 0 ? longText() : QString();
            default:
                return QString::number(std::uniform_real_distribution(0.0, 1.0)(m_random), 'g', 3);
        }
    }

    QString number() { return QString::fromLatin1(kNumbers[below(kNumbers.size())]); }

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }

private:
    static constexpr std::array kNumbers{
        "6",       "4.5", "2.4",   "7",   ".15", "-.2",       "-0.2",     "1",
        "-1",      "0",   ".65",   "-.5", ".8",  "32767",     "32768",    "-32768",
        "2.5",     "0.5", "-0.5",  "2.9", "1e3", "1E+308",    "1e-320",   "1,5",
        "-1e-300", ".3",  "32760", "3",   "60",  "1.0000001", "-.000001", "16.000000000000007"};

    QString characters(std::size_t length, int first, int last) {
        QString text;
        for (std::size_t i = 0; i < length; ++i) {
            text += QChar(std::uniform_int_distribution(first, last)(m_random));
        }
        return text;
    }

    QByteArray bytes(std::size_t length) {
        QByteArray raw;
        for (std::size_t i = 0; i < length; ++i) {
            raw += static_cast<char>(std::uniform_int_distribution(1, 255)(m_random));
        }
        return raw;
    }

    QString longText() {
        const qsizetype length = static_cast<qsizetype>(1000 + below(200'000));
        switch (below(3)) {
            case 0:
                return QString(length, QLatin1Char('7'));
            case 1:
                return QStringLiteral(" ") + QString(length, QLatin1Char(' '));
            default:
                return QString::fromUtf8(bytes(static_cast<std::size_t>(length)));
        }
    }

    std::mt19937& m_random;
};

// What the test can type key by key; anything else is pasted.
bool isShortAscii(const QString& text) {
    return text.size() < 16 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c.unicode() >= 32 && c.unicode() <= 126;
           });
}

// The offscreen platform cannot raise a window, and the test fonts lack shaping tables for some
// scripts of the random text; Qt says so each time, and thousands of those lines would bury
// anything that matters.
QtMessageHandler previousHandler = nullptr;

void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("does not support raise()")) &&
        !text.contains(QStringLiteral("OpenType support missing"))) {
        previousHandler(type, context, text);
    }
}

class Soak {
public:
    explicit Soak(unsigned seed) : m_random(seed), m_texts(m_random) {}

    // How much of what a user can do the run reached, for the log.
    struct Tally {
        int opened = 0;
        int clicks = 0;
        int results = 0;
        int resets = 0;
        int closed = 0;
    };

    void run(int actions) {
        for (int i = 0; i < actions && !QTest::currentTestFailed(); ++i) {
            act();
            releaseUnloadedWindows();
            checkSingleInstances();
            if (QTest::currentTestFailed()) {
                qWarning("soak failed at action %d", i);
            }
        }
        qInfo(
            "%d actions: %d windows opened, %d clicks (%lld messages, %d results), %d resets, "
            "%d closed",
            actions, m_tally.opened, m_tally.clicks, m_harness.messages.shown.size(),
            m_tally.results, m_tally.resets, m_tally.closed);
    }

private:
    void act() {
        const auto& windows = computationWindows();
        const ComputationWindow& calculator = windows[m_texts.below(windows.size())];
        ui::Form* window = calculator.find(m_harness.forms);
        const std::size_t action = m_texts.below(20);
        if (window == nullptr || action < 2) {
            open(calculator);
        } else if (action < 8) {
            enterAny(*window, calculator);
        } else if (action < 11) {
            fillAndRun(*window, calculator);
        } else if (action < 17) {
            clickGo(*window, calculator);
        } else if (action < 18) {
            clickReset(*window);
        } else {
            close(*window);
        }
        if (m_texts.below(200) == 0) {
            otherMainWindowChoice();
        }
    }

    void open(const ComputationWindow& calculator) {
        auto& main = m_harness.forms.show<app::frmMain>();
        QTest::mouseClick(control<QRadioButton>(&main, calculator.option), Qt::LeftButton);
        ++m_tally.opened;
        QVERIFY2(calculator.find(m_harness.forms) != nullptr, calculator.option);
    }

    // Short text is typed key by key; long text arrives as a paste.
    void enterAny(ui::Form& window, const ComputationWindow& calculator) {
        const char* name = calculator.inputs[m_texts.below(calculator.inputs.size())].name;
        enter(control(&window, name), m_texts.next());
    }

    // Every field gets a number that matters and the go button is clicked, as a user fills in
    // the window and runs it, so that clicks reach the formulas and not only the first checks.
    void fillAndRun(ui::Form& window, const ComputationWindow& calculator) {
        for (const InputField& input : calculator.inputs) {
            enter(control(&window, input.name), m_texts.number());
        }
        clickGo(window, calculator);
    }

    void enter(QLineEdit* field, const QString& text) {
        if (isShortAscii(text) && m_texts.below(2) == 0) {
            typeInto(field, text);
        } else {
            field->selectAll();
            field->insert(text);
        }
    }

    void clickGo(ui::Form& window, const ComputationWindow& calculator) {
        const QString before = calculator.resultText(&window);
        const qsizetype shownBefore = m_harness.messages.shown.size();
        QTest::mouseClick(control<QPushButton>(&window, calculator.goButton), Qt::LeftButton);
        for (qsizetype i = shownBefore; i < m_harness.messages.shown.size(); ++i) {
            const std::string message = m_harness.messages.shown[i].toStdString();
            QVERIFY2(check::isOwnMessage(calculator.kind, message), message.c_str());
        }
        ++m_tally.clicks;
        const QString after = calculator.resultText(&window);
        if (after != before) {
            ++m_tally.results;
            checkResult(after, calculator);
        }
    }

    void clickReset(ui::Form& window) {
        const qsizetype shownBefore = m_harness.messages.shown.size();
        QTest::mouseClick(control<QPushButton>(&window, "cmdReset"), Qt::LeftButton);
        ++m_tally.resets;
        QCOMPARE(m_harness.messages.shown.size(), shownBefore);
    }

    void close(ui::Form& window) {
        window.close();
        ++m_tally.closed;
    }

    // Help, or closing the main window, leaves the calculators as they are.
    void otherMainWindowChoice() {
        auto& main = m_harness.forms.show<app::frmMain>();
        if (m_texts.below(2) == 0) {
            QTest::mouseClick(control<QPushButton>(&main, "cmdHelp"), Qt::LeftButton);
            QCOMPARE(liveInstances<app::frmHelp>(), 1);
        } else {
            main.close();
        }
    }

    static void checkResult(const QString& text, const ComputationWindow& calculator) {
        if (calculator.listsATable()) {
            QVERIFY(text.startsWith(QStringLiteral("Number of items\tAlpha\r\n")));
            QVERIFY(text.endsWith(QStringLiteral("\r\n")));
            return;
        }
        const std::string written = text.toStdString();
        QVERIFY2(check::isWrittenResult(written, ui::userNumberLocale()), written.c_str());
    }

    void checkSingleInstances() {
        for (const ComputationWindow& calculator : computationWindows()) {
            QVERIFY2(calculator.count() <= 1, calculator.option);
        }
        QVERIFY(liveInstances<app::frmMain>() <= 1);
        QVERIFY(liveInstances<app::frmHelp>() <= 1);
    }

    std::mt19937 m_random;
    TextSource m_texts;
    Harness m_harness;
    Tally m_tally;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ui::installFontSubstitutes();
        previousHandler = qInstallMessageHandler(dropPlatformNoise);
    }

    void randomActionsKeepEveryWindowSound() {
        Soak soak(20261208);
        soak.run(10000);
        releaseUnloadedWindows();
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"

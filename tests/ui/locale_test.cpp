// Numbers typed into a window are read, and results written, with the decimal separator of the
// user's regional settings; the point is always accepted. The separator the system should give
// comes from the test's environment, which also sets the system's locale.
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "harness.h"
#include "ui/controls/controls.h"
#include "ui/controls/fonts.h"
#include "ui/windows/frmAlpha.h"

using namespace testing_ui;

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ui::installFontSubstitutes();
        m_separator = qEnvironmentVariable("MIRTAVO_EXPECTED_DECIMAL");
        QVERIFY2(!m_separator.isEmpty(), "MIRTAVO_EXPECTED_DECIMAL is not set");
    }

    void userLocaleIsTheSystems() {
        QCOMPARE(QLocale().decimalPoint(), m_separator);
        QCOMPARE(QString::fromStdString(ui::userNumberLocale().decimalSeparator), m_separator);
    }

    void alphaReadsEitherSeparatorAndWritesTheSystems_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("system's") << m_separator;
    }
    void alphaReadsEitherSeparatorAndWritesTheSystems() {
        QFETCH(QString, separator);
        Harness h;
        auto& alpha = h.forms.show<ui::frmAlpha>();
        typeInto(control(&alpha, "txt1k"), "6");
        typeInto(control(&alpha, "txt1sv"), "4" + separator + "5");
        typeInto(control(&alpha, "txt1siv"), "2" + separator + "4");
        QTest::mouseClick(control<QPushButton>(&alpha, "cmd1go"), Qt::LeftButton);
        QCOMPARE(h.messages.shown, QStringList());
        QCOMPARE(control(&alpha, "txt1alpha")->text(), "0" + m_separator + "56");
    }

private:
    QString m_separator;
};

QTEST_MAIN(LocaleTest)
#include "locale_test.moc"

// Reading and printing numbers.
#include "calc/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ventrimo;

class NumbersTest : public QObject {
    Q_OBJECT

  private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberBeyondDouble();
    void localeNumber_data();
    void localeNumber();
    void resultNumberText_data();
    void resultNumberText();
    void toSingleRoundsLikeTheHardware_data();
    void toSingleRoundsLikeTheHardware();
};

void NumbersTest::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "kg" << 0.0;
    QTest::newRow("comma first") << ",5" << 0.0;
    QTest::newRow("decimal comma stops") << "70,5" << 70.0;
    QTest::newRow("zero comma") << "0,5" << 0.0;
    QTest::newRow("unit after number") << "5kg" << 5.0;
    QTest::newRow("decimal point") << "70.5" << 70.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("second point stops") << "1.5.3" << 1.5;
    QTest::newRow("leading blanks") << "  \t42" << 42.0;
    QTest::newRow("blank after sign stops") << "- 5" << 0.0;
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("minus point") << "-.25" << -0.25;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "2E2" << 200.0;
    QTest::newRow("negative exponent") << "5e-1" << 0.5;
    QTest::newRow("signed exponent") << "5e+1" << 50.0;
    QTest::newRow("incomplete exponent") << "5e" << 5.0;
    QTest::newRow("exponent sign only") << "5e-" << 5.0;
    QTest::newRow("exponent then text") << "1e2kg" << 100.0;
    QTest::newRow("tiny underflows to zero") << "1e-999" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
}

void NumbersTest::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LeadingNumber(text.toStdString()), expected);
}

void NumbersTest::leadingNumberBeyondDouble() {
    QVERIFY(std::isinf(LeadingNumber("9e999")));
    QVERIFY(LeadingNumber("9e999") > 0);
    QVERIFY(LeadingNumber("-9e999") < 0);
    QCOMPARE(LeadingNumber(std::string(400, '9') + "e-500"), 0.0);
    QVERIFY(std::isinf(LeadingNumber(std::string(400, '9'))));
    QCOMPARE(LeadingNumber("0e99999999999999999999"), 0.0);
}

void NumbersTest::localeNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("integer") << "80" << true << 80.0;
    QTest::newRow("decimal comma") << "70,5" << true << 70.5;
    QTest::newRow("comma opens") << ",5" << true << 0.5;
    QTest::newRow("comma closes") << "70," << true << 70.0;
    QTest::newRow("tag") << "1,375" << true << 1.375;
    QTest::newRow("grouping point ignored") << "1.375" << true << 1375.0;
    QTest::newRow("grouping anywhere") << "1.2.3" << true << 123.0;
    QTest::newRow("point before comma") << "7.0,5" << true << 70.5;
    QTest::newRow("surrounding blanks") << "  42 " << true << 42.0;
    QTest::newRow("minus") << "-5" << true << -5.0;
    QTest::newRow("plus") << "+5" << true << 5.0;
    QTest::newRow("exponent") << "1,5e3" << true << 1500.0;
    QTest::newRow("negative exponent") << "5E-1" << true << 0.5;
    QTest::newRow("exponent after comma") << "5,e1" << true << 50.0;
    QTest::newRow("huge single") << "9E99" << true << 9e99;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("points only") << "..." << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("unit after number") << "5kg" << false << 0.0;
    QTest::newRow("blank inside") << "5 5" << false << 0.0;
    QTest::newRow("lone sign") << "-" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
    QTest::newRow("sign after") << "5-" << false << 0.0;
    QTest::newRow("incomplete exponent") << "5e" << false << 0.0;
    QTest::newRow("exponent only") << "e5" << false << 0.0;
    QTest::newRow("comma exponent") << ",e5" << false << 0.0;
    QTest::newRow("beyond double") << "9e999" << false << 0.0;
    QTest::newRow("infinity word") << "inf" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("accented") << "5à" << false << 0.0;
    QTest::newRow("underflow is zero") << "1e-999" << true << 0.0;
}

void NumbersTest::localeNumber() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> value = LocaleNumber(text.toStdString());
    QCOMPARE(value.has_value(), valid);
    QCOMPARE(IsLocaleNumber(text.toStdString()), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void NumbersTest::resultNumberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive") << 1780.0f << " 1780";
    QTest::newRow("negative") << -640.0f << "-640";
    QTest::newRow("zero") << 0.0f << " 0";
    QTest::newRow("minus zero") << -0.0f << " 0";
    QTest::newRow("no grouping") << 1234567.0f << " 1234567";
    QTest::newRow("large whole single prints its exact value")
        << 9e31f << " 90000001052040504885244703277056";
}

void NumbersTest::resultNumberText() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ResultNumberText(value)), expected);
}

void NumbersTest::toSingleRoundsLikeTheHardware_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("expected");
    const double largest = std::numeric_limits<float>::max();
    const float infinity = std::numeric_limits<float>::infinity();
    QTest::newRow("ordinary") << 1.1 << 1.1f;
    QTest::newRow("largest") << largest << std::numeric_limits<float>::max();
    QTest::newRow("just above largest") << largest + 0x1p102 << std::numeric_limits<float>::max();
    QTest::newRow("half a step above") << largest + 0x1p103 << infinity;
    QTest::newRow("far above") << 1e300 << infinity;
    QTest::newRow("far below") << -1e300 << -infinity;
    QTest::newRow("infinity") << double(infinity) << infinity;
}

void NumbersTest::toSingleRoundsLikeTheHardware() {
    QFETCH(double, value);
    QFETCH(float, expected);
    QCOMPARE(toSingle(value), expected);
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"

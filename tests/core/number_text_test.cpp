// SPDX-License-Identifier: MIT
#include "core/number_text.h"

#include <QTest>

using aoba::ReadNumber;
using aoba::ReadSingle;
using aoba::ReadWholeNumber;

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersOfEitherWidthAreRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QStringLiteral("56") << 56.0;
        QTest::newRow("leading zeros") << QStringLiteral("056") << 56.0;
        QTest::newRow("full-width digits") << QStringLiteral("５６") << 56.0;
        QTest::newRow("mixed widths") << QStringLiteral("5６") << 56.0;
        QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0;
        QTest::newRow("minus sign") << QStringLiteral("-7") << -7.0;
        QTest::newRow("full-width minus") << QStringLiteral("－７") << -7.0;
        QTest::newRow("decimal") << QStringLiteral("72.5") << 72.5;
        QTest::newRow("full-width point") << QStringLiteral("７２．５") << 72.5;
        QTest::newRow("trailing point") << QStringLiteral("5.") << 5.0;
        QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
        QTest::newRow("surrounding spaces") << QStringLiteral(" \u30009 ") << 9.0;
        QTest::newRow("many digits") << QStringLiteral("99999999999") << 99999999999.0;
    }

    void numbersOfEitherWidthAreRead() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = ReadNumber(text);
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }

    void anythingElseIsNoNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces only") << QStringLiteral(" \u3000");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("digits then a letter") << QStringLiteral("12a");
        QTest::newRow("sign alone") << QStringLiteral("-");
        QTest::newRow("point alone") << QStringLiteral(".");
        QTest::newRow("sign after digits") << QStringLiteral("5-");
        QTest::newRow("two signs") << QStringLiteral("+-5");
        QTest::newRow("space inside") << QStringLiteral("5 6");
        QTest::newRow("two points") << QStringLiteral("1.2.3");
        QTest::newRow("thousands separator") << QStringLiteral("1,000");
        QTest::newRow("exponent") << QStringLiteral("1e5");
        QTest::newRow("hexadecimal") << QStringLiteral("0x10");
        QTest::newRow("infinity") << QStringLiteral("inf");
        QTest::newRow("kanji numeral") << QStringLiteral("五");
        QTest::newRow("beyond a double") << QString(400, QLatin1Char('9'));
    }

    void anythingElseIsNoNumber() {
        QFETCH(QString, text);
        QVERIFY(!ReadNumber(text).has_value());
        QVERIFY(!ReadWholeNumber(text).has_value());
        QVERIFY(!ReadSingle(text).has_value());
    }

    void wholeNumbersRoundHalfToEven_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("6.5 rounds to even") << QStringLiteral("6.5") << 6;
        QTest::newRow("7.5 rounds to even") << QStringLiteral("７.５") << 8;
        QTest::newRow("-2.5 rounds to even") << QStringLiteral("-2.5") << -2;
        QTest::newRow("2.6 rounds up") << QStringLiteral("2.6") << 3;
        QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
        QTest::newRow("smallest") << QStringLiteral("-2147483648") << -2147483647 - 1;
    }

    void wholeNumbersRoundHalfToEven() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ReadWholeNumber(text), std::optional<std::int32_t>(value));
    }

    void tooLargeForThirtyTwoBits_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("2^31") << QStringLiteral("2147483648");
        QTest::newRow("-2^31 - 1") << QStringLiteral("-2147483649");
        QTest::newRow("eleven nines") << QStringLiteral("99999999999");
        QTest::newRow("rounds up past the limit") << QStringLiteral("2147483647.5");
    }

    void tooLargeForThirtyTwoBits() {
        QFETCH(QString, text);
        QVERIFY(!ReadWholeNumber(text).has_value());
    }

    // A year is read as a single-precision real; beyond that type's range, either way, it is no year.
    void singlesWithinAFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value"); // 0: refused
        const QString nines38(38, QLatin1Char('9'));
        const QString nines40(40, QLatin1Char('9'));
        QTest::newRow("72") << QStringLiteral("72") << 72.0F;
        QTest::newRow("full-width ０４") << QStringLiteral("０４") << 4.0F;
        QTest::newRow("-830") << QStringLiteral("-830") << -830.0F;
        QTest::newRow("38 nines fit") << nines38 << 1.0e38F;
        QTest::newRow("minus 38 nines fit") << QLatin1Char('-') + nines38 << -1.0e38F;
        QTest::newRow("40 nines are beyond a float") << nines40 << 0.0F;
        QTest::newRow("minus 40 nines are beyond a float too") << QLatin1Char('-') + nines40 << 0.0F;
        QTest::newRow("full-width minus and 40 nines") << QStringLiteral("－") + nines40 << 0.0F;
    }

    void singlesWithinAFloat() {
        QFETCH(QString, text);
        QFETCH(float, value);
        QCOMPARE(ReadSingle(text).value_or(0.0F), value);
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"

// SPDX-License-Identifier: MIT
#include "core/number_text.h"

#include <QTest>

using aoba::ReadNumber;
using aoba::ReadSingle;
using aoba::ReadWholeNumber;

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbers_data() {
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

    void numbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = ReadNumber(text);
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }

    void notNumbers_data() {
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

    void notNumbers() {
        QFETCH(QString, text);
        QVERIFY(!ReadNumber(text).has_value());
        QVERIFY(!ReadWholeNumber(text).has_value());
        QVERIFY(!ReadSingle(text).has_value());
    }

    void wholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("6.5 rounds to even") << QStringLiteral("6.5") << 6;
        QTest::newRow("7.5 rounds to even") << QStringLiteral("７.５") << 8;
        QTest::newRow("-2.5 rounds to even") << QStringLiteral("-2.5") << -2;
        QTest::newRow("2.6 rounds up") << QStringLiteral("2.6") << 3;
        QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
        QTest::newRow("smallest") << QStringLiteral("-2147483648") << -2147483647 - 1;
    }

    void wholeNumbers() {
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

    void singles() {
        QCOMPARE(ReadSingle(u"72"), std::optional<float>(72.0F));
        QCOMPARE(ReadSingle(u"０４"), std::optional<float>(4.0F));
        QVERIFY(ReadSingle(QString(38, QLatin1Char('9'))).has_value());
        QVERIFY(!ReadSingle(QString(40, QLatin1Char('9'))).has_value());
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"

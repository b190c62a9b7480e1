// SPDX-License-Identifier: MIT
#include "core/number_text.h"

#include <QTest>

#include <optional>

using aoba::ReadNumber;
using aoba::ReadSingle;
using aoba::ReadWholeNumber;

namespace {

using Number = std::optional<double>;
using Whole = std::optional<std::int32_t>;
using Single = std::optional<float>;
constexpr std::nullopt_t kRefused = std::nullopt;

} // namespace

Q_DECLARE_METATYPE(Number)
Q_DECLARE_METATYPE(Whole)
Q_DECLARE_METATYPE(Single)

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What each of the three readers makes of a text: the number, the 32-bit whole number it rounds to (half
    // to even), and the single-precision real a year is read as.
    void eachReaderReadsTheTextOrRefusesIt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Number>("number");
        QTest::addColumn<Whole>("whole");
        QTest::addColumn<Single>("single");
        const auto row = [](const char* tag, const QString& text, Number number, Whole whole, Single single) {
            QTest::newRow(tag) << text << number << whole << single;
        };
        const QString nines38(38, QLatin1Char('9'));
        const QString nines40(40, QLatin1Char('9'));
        row("plain", QStringLiteral("56"), 56, 56, 56);
        row("leading zeros", QStringLiteral("056"), 56, 56, 56);
        row("full-width digits", QStringLiteral("５６"), 56, 56, 56);
        row("mixed widths", QStringLiteral("5６"), 56, 56, 56);
        row("plus sign", QStringLiteral("+7"), 7, 7, 7);
        row("minus sign", QStringLiteral("-7"), -7, -7, -7);
        row("full-width minus", QStringLiteral("－７"), -7, -7, -7);
        row("full-width point", QStringLiteral("７２．５"), 72.5, 72, 72.5);
        row("trailing point", QStringLiteral("5."), 5, 5, 5);
        row("leading point", QStringLiteral(".5"), 0.5, 0, 0.5);
        row("surrounding spaces of both widths", QStringLiteral(" \u30009 "), 9, 9, 9);
        row("6.5 rounds to even", QStringLiteral("6.5"), 6.5, 6, 6.5);
        row("７.５ rounds to even", QStringLiteral("７.５"), 7.5, 8, 7.5);
        row("-2.5 rounds to even", QStringLiteral("-2.5"), -2.5, -2, -2.5);
        row("2.6 rounds up", QStringLiteral("2.6"), 2.6, 3, 2.6F);
        row("largest whole number", QStringLiteral("2147483647"), 2147483647, 2147483647, 2147483647.0F);
        row("smallest whole number", QStringLiteral("-2147483648"), -2147483648.0, -2147483647 - 1,
            -2147483648.0F);
        row("2^31 is beyond 32 bits", QStringLiteral("2147483648"), 2147483648.0, kRefused, 2147483648.0F);
        row("-2^31 - 1 is beyond 32 bits", QStringLiteral("-2147483649"), -2147483649.0, kRefused,
            -2147483649.0F);
        row("rounds up past the limit", QStringLiteral("2147483647.5"), 2147483647.5, kRefused,
            2147483647.5F);
        row("eleven nines", QStringLiteral("99999999999"), 99999999999.0, kRefused, 99999999999.0F);
        row("38 nines fit a float", nines38, 1.0e38, kRefused, 1.0e38F);
        row("minus 38 nines fit a float", QLatin1Char('-') + nines38, -1.0e38, kRefused, -1.0e38F);
        row("40 nines are beyond a float", nines40, 1.0e40, kRefused, kRefused);
        row("minus 40 nines in full width", QStringLiteral("－") + nines40, -1.0e40, kRefused, kRefused);
        row("beyond a double", QString(400, QLatin1Char('9')), kRefused, kRefused, kRefused);
        row("empty", QString(), kRefused, kRefused, kRefused);
        row("spaces only", QStringLiteral(" \u3000"), kRefused, kRefused, kRefused);
        row("letters", QStringLiteral("abc"), kRefused, kRefused, kRefused);
        row("digits then a letter", QStringLiteral("12a"), kRefused, kRefused, kRefused);
        row("sign alone", QStringLiteral("-"), kRefused, kRefused, kRefused);
        row("point alone", QStringLiteral("."), kRefused, kRefused, kRefused);
        row("sign after digits", QStringLiteral("5-"), kRefused, kRefused, kRefused);
        row("two signs", QStringLiteral("+-5"), kRefused, kRefused, kRefused);
        row("space inside", QStringLiteral("5 6"), kRefused, kRefused, kRefused);
        row("a tab is no space", QStringLiteral("\t5"), kRefused, kRefused, kRefused);
        row("two points", QStringLiteral("1.2.3"), kRefused, kRefused, kRefused);
        row("thousands separator", QStringLiteral("1,000"), kRefused, kRefused, kRefused);
        row("exponent", QStringLiteral("1e5"), kRefused, kRefused, kRefused);
        row("hexadecimal", QStringLiteral("0x10"), kRefused, kRefused, kRefused);
        row("infinity", QStringLiteral("inf"), kRefused, kRefused, kRefused);
        row("kanji numeral", QStringLiteral("五"), kRefused, kRefused, kRefused);
        row("a line end after the digits", QStringLiteral("5\n"), kRefused, kRefused, kRefused);
    }

    void eachReaderReadsTheTextOrRefusesIt() {
        QFETCH(QString, text);
        QFETCH(Number, number);
        QFETCH(Whole, whole);
        QFETCH(Single, single);
        QCOMPARE(ReadNumber(text), number);
        QCOMPARE(ReadWholeNumber(text), whole);
        QCOMPARE(ReadSingle(text), single);
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"

// SPDX-License-Identifier: MIT
#include "core/field_rules.h"
#include "tests/support/month_lookup_text.h"

#include <QTest>

using namespace aoba;

namespace {

const QString kNone = QStringLiteral("(nothing)");

QString Describe(const std::optional<QString>& text) {
    return text ? *text : kNone;
}

QString Describe(const std::optional<MonthFields>& fields) {
    return fields ? fields->year + QLatin1Char('/') + fields->month : kNone;
}

} // namespace

class FieldRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void issueNumberFieldNamesAnIssueOrNone_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("issue"); // 0: refused
        QTest::newRow("1") << QStringLiteral("1") << 1;
        QTest::newRow("380") << QStringLiteral("380") << 380;
        QTest::newRow("leading zero") << QStringLiteral("056") << 56;
        QTest::newRow("full width") << QStringLiteral("５６") << 56;
        QTest::newRow("empty is 0, refused") << QString() << 0;
        QTest::newRow("0") << QStringLiteral("0") << 0;
        QTest::newRow("381") << QStringLiteral("381") << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << 0;
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << 0;
        QTest::newRow("a decimal rounds to even") << QStringLiteral("2.5") << 2;
    }

    void issueNumberFieldNamesAnIssueOrNone() {
        QFETCH(QString, text);
        QFETCH(int, issue);
        QCOMPARE(IssueFromNumberField(text).value_or(0), issue);
    }

    void monthFieldsNameAnIssueOrWhyNot_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full-width 04/07")
            << QStringLiteral("０４") << QStringLiteral("０７") << QStringLiteral("issue 380");
        QTest::newRow("month 00 is read as 0, December before")
            << QStringLiteral("80") << QStringLiteral("00") << QStringLiteral("issue 85");
        QTest::newRow("7/7 is year 7, not 1977")
            << QStringLiteral("7") << QStringLiteral("7") << QStringLiteral("out of period");
        QTest::newRow("empty year") << QString() << QStringLiteral("09") << QStringLiteral("out of period");
        QTest::newRow("empty month") << QStringLiteral("85") << QString() << QStringLiteral("out of period");
        QTest::newRow("empty month, counted as 100000, with year -830")
            << QStringLiteral("-830") << QString() << QStringLiteral("out of period");
        QTest::newRow("letters in the year")
            << QStringLiteral("7a") << QStringLiteral("09") << QStringLiteral("out of period");
        QTest::newRow("letters in the month")
            << QStringLiteral("85") << QStringLiteral("x") << QStringLiteral("out of period");
        QTest::newRow("sign in an odd place")
            << QStringLiteral("8-5") << QStringLiteral("01") << QStringLiteral("out of period");
        QTest::newRow("year beyond a float")
            << QString(60, QLatin1Char('9')) << QStringLiteral("01") << QStringLiteral("out of period");
        QTest::newRow("month beyond 32 bits")
            << QStringLiteral("85") << QStringLiteral("99999999999") << QStringLiteral("out of period");
        QTest::newRow("decimal year")
            << QStringLiteral("85.375") << QStringLiteral("5") << QStringLiteral("issue 154");
    }

    void monthFieldsNameAnIssueOrWhyNot() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, expected);
        QCOMPARE(Describe(IssueFromMonthFields(year, month)), expected);
    }

    void digitFilterPassesDigitsAndBackspaceOnly() {
        for (char16_t c = 0x20; c < 0x7F; ++c)
            QCOMPARE(PassesDigitFilter(c), c >= u'0' && c <= u'9');
        for (char16_t c = u'０'; c <= u'９'; ++c)
            QVERIFY(PassesDigitFilter(c));
        QVERIFY(PassesDigitFilter(u'\b'));
        const char16_t refused[] = {u'\r', u'\x1b', u'\t', u'\x7f', u'\u3000', u'Ａ', u'ａ', u'．',
                                    u'－', u'/',    u':',  u'／',   u'：',     u'一', u'ｱ',  u'\0'};
        for (char16_t c : refused)
            QVERIFY2(!PassesDigitFilter(c), qPrintable(QString::number(c, 16)));
    }

    void monthsAbove12BecomeJanuary_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("corrected");
        QTest::newRow("13 becomes 01") << QStringLiteral("13") << QStringLiteral("01");
        QTest::newRow("99 becomes 01") << QStringLiteral("99") << QStringLiteral("01");
        QTest::newRow("full-width 13") << QStringLiteral("１３") << QStringLiteral("01");
        QTest::newRow("pasted letters count as above 12") << QStringLiteral("abc") << QStringLiteral("01");
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << QStringLiteral("01");
        QTest::newRow("12 stays") << QStringLiteral("12") << kNone;
        QTest::newRow("0 stays") << QStringLiteral("0") << kNone;
        QTest::newRow("00 stays") << QStringLiteral("00") << kNone;
        QTest::newRow("01 stays") << QStringLiteral("01") << kNone;
        QTest::newRow("empty counts as 1") << QString() << kNone;
    }

    void monthsAbove12BecomeJanuary() {
        QFETCH(QString, month);
        QFETCH(QString, corrected);
        QCOMPARE(Describe(CorrectedMonth(month)), corrected);
    }

    void issueStepsStopAtTheEndsOfTheRun_data() {
        QTest::addColumn<QString>("issue");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("back");
        QTest::newRow("1 does not go back") << QStringLiteral("1") << QStringLiteral("2") << kNone;
        QTest::newRow("380 does not go forward") << QStringLiteral("380") << kNone << QStringLiteral("379");
        QTest::newRow("056 is written plainly")
            << QStringLiteral("056") << QStringLiteral("57") << QStringLiteral("55");
        QTest::newRow("full width") << QStringLiteral("５６") << QStringLiteral("57") << QStringLiteral("55");
        QTest::newRow("empty does nothing") << QString() << kNone << kNone;
        QTest::newRow("letters do nothing") << QStringLiteral("abc") << kNone << kNone;
        QTest::newRow("0 only goes forward") << QStringLiteral("0") << QStringLiteral("1") << kNone;
        QTest::newRow("beyond the run only goes back")
            << QStringLiteral("500") << kNone << QStringLiteral("499");
        QTest::newRow("huge stays plain decimal")
            << QStringLiteral("100000000000000000000") << kNone << QStringLiteral("100000000000000000000");
        QTest::newRow("decimal") << QStringLiteral("5.5") << QStringLiteral("6.5") << QStringLiteral("4.5");
    }

    void issueStepsStopAtTheEndsOfTheRun() {
        QFETCH(QString, issue);
        QFETCH(QString, forward);
        QFETCH(QString, back);
        QCOMPARE(Describe(SteppedIssue(issue, Step::Forward)), forward);
        QCOMPARE(Describe(SteppedIssue(issue, Step::Back)), back);
    }

    void monthStepsCarryIntoTheYear_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("previous");
        const auto row = [](const char* tag, const char* year, const char* month, const char* next,
                            const char* previous) {
            QTest::newRow(tag) << QString::fromUtf8(year) << QString::fromUtf8(month)
                               << QString::fromUtf8(next) << QString::fromUtf8(previous);
        };
        row("99/12 wraps to 00/01", "99", "12", "00/01", "99/11");
        row("04/07 steps past the run", "04", "07", "04/08", "04/06");
        row("00/00 back wraps to 99/12", "00", "00", "00/01", "99/12");
        row("00/01 back passes through 00", "00", "01", "00/02", "00/00");
        row("74/01 back passes through month 00", "74", "01", "74/02", "74/00");
        row("74/00 back is December 1973", "74", "00", "74/01", "73/12");
        row("00/09", "00", "09", "00/10", "00/08");
        row("05/01", "05", "01", "05/02", "05/00");
        row("73/10", "73", "10", "73/11", "73/09");
        row("7/05 gets two digits in both fields", "7", "05", "07/06", "07/04");
        row("72/5", "72", "5", "72/06", "72/04");
        row("year 8 after December", "7", "12", "08/01", "07/11");
        row("year 100 after December is 101: only 99 wraps", "100", "12", "101/01", "100/11");
        row("full-width month", "72", "０９", "72/10", "72/08");
        row("empty year does nothing", "", "05", "(nothing)", "(nothing)");
        row("empty month does nothing", "85", "", "(nothing)", "(nothing)");
        row("letters in the year do nothing", "abc", "05", "(nothing)", "(nothing)");
        row("letters in the month do nothing", "85", "abc", "(nothing)", "(nothing)");
    }

    void monthStepsCarryIntoTheYear() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        QCOMPARE(Describe(SteppedMonth(year, month, Step::Forward)), next);
        QCOMPARE(Describe(SteppedMonth(year, month, Step::Back)), previous);
    }

    // Stepping back a month and looking it up names the same issue as the month before, across the year.
    void backFromJanuaryNamesTheSameIssueTwice() {
        const std::optional<MonthFields> zero = SteppedMonth(u"85", u"01", Step::Back);
        QVERIFY(zero);
        const std::optional<MonthFields> december = SteppedMonth(zero->year, zero->month, Step::Back);
        QVERIFY(december);
        QCOMPARE(Describe(*december), QStringLiteral("84/12"));
        QCOMPARE(IssueFromMonthFields(zero->year, zero->month),
                 IssueFromMonthFields(december->year, december->month));
    }

    void listsHoldTheRunInOrder() {
        const QStringList years = aoba::ListItems(aoba::NumberList::Years);
        QCOMPARE(years.size(), 33);
        QCOMPARE(years.front(), QStringLiteral("72"));
        QCOMPARE(years.at(27), QStringLiteral("99"));
        QCOMPARE(years.at(28), QStringLiteral("00"));
        QCOMPARE(years.back(), QStringLiteral("04"));
        QCOMPARE(aoba::ListItems(aoba::NumberList::Months),
                 (QStringList{QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"),
                              QStringLiteral("04"), QStringLiteral("05"), QStringLiteral("06"),
                              QStringLiteral("07"), QStringLiteral("08"), QStringLiteral("09"),
                              QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")}));
    }

    // -1 stands for "no number".
    void typedTextFindsItsPlaceInTheList_data() {
        QTest::addColumn<bool>("years");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("place");
        QTest::newRow("year 72, the first") << true << QStringLiteral("72") << 0.0;
        QTest::newRow("year 85") << true << QStringLiteral("85") << 13.0;
        QTest::newRow("year 00 after 99") << true << QStringLiteral("00") << 28.0;
        QTest::newRow("year 0 is 00") << true << QStringLiteral("0") << 28.0;
        QTest::newRow("year 100 is 00") << true << QStringLiteral("100") << 28.0;
        QTest::newRow("year 04, the last") << true << QStringLiteral("04") << 32.0;
        QTest::newRow("year 05, after the last") << true << QStringLiteral("05") << 32.5;
        QTest::newRow("year 1985, after the last") << true << QStringLiteral("1985") << 32.5;
        QTest::newRow("year 85.5, between 85 and 86") << true << QStringLiteral("85.5") << 13.5;
        QTest::newRow("year -1, before the first") << true << QStringLiteral("-1") << -0.5;
        QTest::newRow("year ８５ in full width") << true << QStringLiteral("８５") << 13.0;
        QTest::newRow("year letters") << true << QStringLiteral("ab") << -1.0;
        QTest::newRow("year empty") << true << QString() << -1.0;
        QTest::newRow("month 01") << false << QStringLiteral("01") << 0.0;
        QTest::newRow("month 9 is 09") << false << QStringLiteral("9") << 8.0;
        QTest::newRow("month 0, before the first") << false << QStringLiteral("0") << -0.5;
        QTest::newRow("month 12, the last") << false << QStringLiteral("12") << 11.0;
        QTest::newRow("month 13, after the last") << false << QStringLiteral("13") << 11.5;
        QTest::newRow("month 1.5") << false << QStringLiteral("1.5") << 0.5;
    }

    void typedTextFindsItsPlaceInTheList() {
        QFETCH(bool, years);
        QFETCH(QString, text);
        QFETCH(double, place);
        const std::optional<double> found =
            aoba::PlaceInList(text, years ? aoba::NumberList::Years : aoba::NumberList::Months);
        QCOMPARE(found.value_or(-1.0), place);
    }
};

QTEST_APPLESS_MAIN(FieldRulesTest)
#include "field_rules_test.moc"

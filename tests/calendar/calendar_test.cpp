// SPDX-License-Identifier: MIT
#include "calendar/calendar.h"
#include "tests/support/month_lookup_text.h"

#include <QTest>

#include <limits>

using aoba::IssueForMonth;
using aoba::MonthLookup;

namespace {

const QString kNotPublished = QStringLiteral("not published");
const QString kOutOfPeriod = QStringLiteral("out of period");
QString Issue(int n) {
    return QStringLiteral("issue %1").arg(n);
}

// The reader's two-digit years in publication order: 72..99, then 00..04.
int TwoDigitYear(int fullYear) {
    return fullYear % 100;
}

} // namespace

class CalendarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void monthsNameTheirIssues_data() {
        QTest::addColumn<float>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("expected");
        QTest::newRow("72/09 is the first issue") << 72.0F << 9 << Issue(1);
        QTest::newRow("72/10") << 72.0F << 10 << Issue(2);
        QTest::newRow("72/11") << 72.0F << 11 << Issue(3);
        QTest::newRow("72/12 falls in the gap") << 72.0F << 12 << kNotPublished;
        QTest::newRow("72/05 is before the first issue, not in the gap") << 72.0F << 5 << kOutOfPeriod;
        QTest::newRow("72/08") << 72.0F << 8 << kOutOfPeriod;
        QTest::newRow("72/00 is out of period") << 72.0F << 0 << kOutOfPeriod;
        QTest::newRow("72/13") << 72.0F << 13 << kOutOfPeriod;
        QTest::newRow("73/00 is in the gap") << 73.0F << 0 << kNotPublished;
        QTest::newRow("73/01") << 73.0F << 1 << kNotPublished;
        QTest::newRow("73/03") << 73.0F << 3 << kNotPublished;
        QTest::newRow("73/04: the number is the month") << 73.0F << 4 << Issue(4);
        QTest::newRow("73/12") << 73.0F << 12 << Issue(12);
        QTest::newRow("73/13: the number is still the month, not a month of the year")
            << 73.0F << 13 << Issue(13);
        QTest::newRow("73/380: the last issue by the same rule") << 73.0F << 380 << Issue(380);
        QTest::newRow("73 with a month beyond the run") << 73.0F << 381 << kOutOfPeriod;
        QTest::newRow("73 with a negative month") << 73.0F << -5 << kNotPublished;
        QTest::newRow("74/01 starts the monthly run") << 74.0F << 1 << Issue(13);
        QTest::newRow("74/00 is December 1973") << 74.0F << 0 << Issue(12);
        QTest::newRow("77/00 is December 1976") << 77.0F << 0 << Issue(48);
        QTest::newRow("77/06 gives 54, not the supplement") << 77.0F << 6 << Issue(54);
        QTest::newRow("77/07 skips 55") << 77.0F << 7 << Issue(56);
        QTest::newRow("80/00 is December 1979") << 80.0F << 0 << Issue(85);
        QTest::newRow("85/11 is 156") << 85.0F << 11 << Issue(156);
        QTest::newRow("99/12") << 99.0F << 12 << Issue(325);
        QTest::newRow("00/00 is December 1999") << 0.0F << 0 << Issue(325);
        QTest::newRow("00/01") << 0.0F << 1 << Issue(326);
        QTest::newRow("03/06 is 367") << 3.0F << 6 << Issue(367);
        QTest::newRow("04/07 is the last issue") << 4.0F << 7 << Issue(380);
        QTest::newRow("04/08 is after the last issue") << 4.0F << 8 << kOutOfPeriod;
        QTest::newRow("04/12") << 4.0F << 12 << kOutOfPeriod;
        QTest::newRow("05/01") << 5.0F << 1 << kOutOfPeriod;
        QTest::newRow("71/12") << 71.0F << 12 << kOutOfPeriod;
        QTest::newRow("three-digit year 100/01 continues the arithmetic") << 100.0F << 1 << Issue(326);
        QTest::newRow("empty year reads as 1000") << 1000.0F << 9 << kOutOfPeriod;
        QTest::newRow("empty month reads as 100000") << 85.0F << 100000 << kOutOfPeriod;
        QTest::newRow("both empty") << 1000.0F << 100000 << kOutOfPeriod;
        QTest::newRow("a tie rounds to even") << 85.375F << 5 << Issue(154);
        QTest::newRow("huge year") << 3.0e38F << 1 << kOutOfPeriod;
        QTest::newRow("huge negative year") << -3.0e38F << 1 << kOutOfPeriod;
        QTest::newRow("infinite year") << std::numeric_limits<float>::infinity() << 1 << kOutOfPeriod;
        QTest::newRow("not-a-number year") << std::numeric_limits<float>::quiet_NaN() << 1 << kOutOfPeriod;
        QTest::newRow("largest month") << 85.0F << std::numeric_limits<std::int32_t>::max() << kOutOfPeriod;
        QTest::newRow("smallest month") << 85.0F << std::numeric_limits<std::int32_t>::min() << kOutOfPeriod;
    }

    void monthsNameTheirIssues() {
        QFETCH(float, year);
        QFETCH(int, month);
        QFETCH(QString, expected);
        QCOMPARE(Describe(IssueForMonth(year, month)), expected);
    }

    // Every month of the run, walked in order, must give each issue but the supplement exactly once,
    // in increasing order, and agree with the month the calendar gives each issue.
    void everyMonthOfTheRun() {
        QList<int> seen;
        for (int fullYear = 1972; fullYear <= 2004; ++fullYear) {
            for (int month = 1; month <= 12; ++month) {
                const MonthLookup r = IssueForMonth(static_cast<float>(TwoDigitYear(fullYear)), month);
                const bool inGap = (fullYear == 1972 && month == 12) || (fullYear == 1973 && month < 4);
                const bool before = fullYear == 1972 && month < 9;
                const bool after = fullYear == 2004 && month > 7;
                const QString when = QStringLiteral("%1/%2").arg(fullYear).arg(month);
                if (inGap) {
                    QVERIFY2(r.kind == MonthLookup::Kind::NotPublished, qPrintable(when));
                } else if (before || after) {
                    QVERIFY2(r.kind == MonthLookup::Kind::OutOfPeriod, qPrintable(when));
                } else {
                    QVERIFY2(r.kind == MonthLookup::Kind::Issue, qPrintable(when));
                    QVERIFY2(seen.isEmpty() || r.issue > seen.back(), qPrintable(when));
                    seen.append(r.issue);
                    const aoba::PublicationMonth back = aoba::MonthOfEntry(r.issue);
                    QCOMPARE(back.year, fullYear);
                    QCOMPARE(back.month, month);
                }
            }
        }
        QCOMPARE(seen.size(), 379);
        QCOMPARE(seen.front(), 1);
        QCOMPARE(seen.back(), 380);
        QVERIFY(!seen.contains(55));
    }

    void yearsOutsideTheRun() {
        for (int year = 5; year <= 71; ++year)
            for (int month = 0; month <= 12; ++month)
                QCOMPARE(Describe(IssueForMonth(static_cast<float>(year), month)), kOutOfPeriod);
    }

    void eachEntryAppearedInItsMonth_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("supplement 55 shares June 1977 with 54") << 55 << 1977 << 6;
        QTest::newRow("appendix 381 is of November 1985") << 381 << 1985 << 11;
        QTest::newRow("special 382 is of June 2003") << 382 << 2003 << 6;
        QTest::newRow("0 has no month") << 0 << 0 << 0;
        QTest::newRow("383 has no month") << 383 << 0 << 0;
    }

    void eachEntryAppearedInItsMonth() {
        QFETCH(int, entry);
        QFETCH(int, year);
        QFETCH(int, month);
        QCOMPARE(aoba::MonthOfEntry(entry).year, year);
        QCOMPARE(aoba::MonthOfEntry(entry).month, month);
    }
};

QTEST_APPLESS_MAIN(CalendarTest)
#include "calendar_test.moc"

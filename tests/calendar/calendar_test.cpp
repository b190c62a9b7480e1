// SPDX-License-Identifier: MIT
#include "calendar/calendar.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/month_lookup_text.h"

#include <QMap>
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
        QTest::newRow("a tie rounds down to even") << 85.375F << 5 << Issue(154);
        QTest::newRow("a tie rounds up to even") << 85.125F << 5 << Issue(152);
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

    // The headers in data/ say when each entry appeared, and the calendar agrees both ways: each entry's
    // month is the one its header names, and each month of the two-digit years 72..99 and 00..71 (month 0
    // naming the December before) looks up to the first regular issue whose header names it; a month no
    // header names is not published between the first issue and the last, and out of the period outside.
    void agreesWithTheHeadersOfTheCatalogue() {
        const auto when = [](int year, int month) { return QStringLiteral("%1/%2").arg(year).arg(month); };
        QMap<int, int> issueOfMonth; // year × 12 + month
        for (int n = 1; n <= 382; ++n) {
            const auto [year, month] = MonthInHeader(n);
            const aoba::PublicationMonth calendar = aoba::MonthOfEntry(n);
            QCOMPARE(QString::number(n) + u' ' + when(calendar.year, calendar.month),
                     QString::number(n) + u' ' + when(year, month));
            if (n <= 380 && !issueOfMonth.contains(year * 12 + month))
                issueOfMonth.insert(year * 12 + month, n);
        }
        for (int year = 1972; year <= 2071; ++year) {
            for (int month = 0; month <= 12; ++month) {
                const int at = year * 12 + month;
                const QString expected = issueOfMonth.contains(at) ? Issue(issueOfMonth.value(at))
                                         : at > issueOfMonth.firstKey() && at < issueOfMonth.lastKey()
                                             ? kNotPublished
                                             : kOutOfPeriod;
                QCOMPARE(when(year, month) + u' ' +
                             Describe(IssueForMonth(static_cast<float>(year % 100), month)),
                         when(year, month) + u' ' + expected);
            }
        }
    }

    void numbersOutsideTheCatalogueHaveNoMonth_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("0 has no month") << 0 << 0 << 0;
        QTest::newRow("383 has no month") << 383 << 0 << 0;
    }

    void numbersOutsideTheCatalogueHaveNoMonth() {
        QFETCH(int, entry);
        QFETCH(int, year);
        QFETCH(int, month);
        QCOMPARE(aoba::MonthOfEntry(entry).year, year);
        QCOMPARE(aoba::MonthOfEntry(entry).month, month);
    }
};

QTEST_APPLESS_MAIN(CalendarTest)
#include "calendar_test.moc"

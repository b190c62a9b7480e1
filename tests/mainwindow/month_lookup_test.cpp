// SPDX-License-Identifier: MIT
// Show by publication month, as the reader does it.
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QComboBox>

// The full table of months is the calendar's and the field rules'; here, one month for each outcome.
class MonthLookupTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void eachMonthShowsItsIssueOrSaysWhyNot_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("issue"); // 0: a message instead
        QTest::addColumn<QString>("message");
        QTest::newRow("77/06 is issue 54") << QStringLiteral("77") << QStringLiteral("06") << 54 << QString();
        QTest::newRow("73/02 is not published")
            << QStringLiteral("73") << QStringLiteral("02") << 0 << expected::kNotPublished;
        QTest::newRow("04/08 is after the run")
            << QStringLiteral("04") << QStringLiteral("08") << 0 << expected::kOutOfPeriod;
        QTest::newRow("pasted letters are no month")
            << QStringLiteral("abc") << QStringLiteral("09") << 0 << expected::kOutOfPeriod;
    }

    void eachMonthShowsItsIssueOrSaysWhyNot() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(int, issue);
        QFETCH(QString, message);
        auto* years = Control<QComboBox>(*window_, "Combo1");
        auto* months = Control<QComboBox>(*window_, "Combo2");
        window_->ShowIssue(200);
        years->setEditText(year);
        months->setEditText(month);
        Click(*window_, "Command2");
        QCOMPARE(years->currentText(), year);
        QCOMPARE(months->currentText(), month);
        if (issue) {
            QCOMPARE(Shown(*window_), EntryAsShown(issue));
            QVERIFY(feedback_->said.isEmpty());
        } else {
            QCOMPARE(feedback_->said, QStringList{expected::Warned(message)});
            QCOMPARE(Shown(*window_), EntryAsShown(200));
        }
    }
};

QTEST_MAIN(MonthLookupTest)
#include "month_lookup_test.moc"

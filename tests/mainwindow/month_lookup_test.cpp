// SPDX-License-Identifier: MIT
// Show by publication month, as the reader does it.
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QComboBox>

#include <memory>

class MonthLookupTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void eachMonthShowsItsIssueOrSaysWhyNot_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("issue"); // 0: a message instead
        QTest::addColumn<QString>("message");
        QTest::newRow("72/09 is issue 1") << QStringLiteral("72") << QStringLiteral("09") << 1 << QString();
        QTest::newRow("72/11 is issue 3") << QStringLiteral("72") << QStringLiteral("11") << 3 << QString();
        QTest::newRow("73/04 is issue 4") << QStringLiteral("73") << QStringLiteral("04") << 4 << QString();
        QTest::newRow("77/06 is 54") << QStringLiteral("77") << QStringLiteral("06") << 54 << QString();
        QTest::newRow("77/07 is 56") << QStringLiteral("77") << QStringLiteral("07") << 56 << QString();
        QTest::newRow("80/00 is December 1979")
            << QStringLiteral("80") << QStringLiteral("00") << 85 << QString();
        QTest::newRow("99/12") << QStringLiteral("99") << QStringLiteral("12") << 325 << QString();
        QTest::newRow("00/01") << QStringLiteral("00") << QStringLiteral("01") << 326 << QString();
        QTest::newRow("04/07 is the last")
            << QStringLiteral("04") << QStringLiteral("07") << 380 << QString();
        QTest::newRow("72/12 not published")
            << QStringLiteral("72") << QStringLiteral("12") << 0 << expected::kNotPublished;
        QTest::newRow("73/02 not published")
            << QStringLiteral("73") << QStringLiteral("02") << 0 << expected::kNotPublished;
        QTest::newRow("72/05 before the run")
            << QStringLiteral("72") << QStringLiteral("05") << 0 << expected::kOutOfPeriod;
        QTest::newRow("04/08 after the run")
            << QStringLiteral("04") << QStringLiteral("08") << 0 << expected::kOutOfPeriod;
        QTest::newRow("7/7 is year 7")
            << QStringLiteral("7") << QStringLiteral("7") << 0 << expected::kOutOfPeriod;
        QTest::newRow("empty year") << QString() << QStringLiteral("09") << 0 << expected::kOutOfPeriod;
        QTest::newRow("empty month") << QStringLiteral("85") << QString() << 0 << expected::kOutOfPeriod;
        QTest::newRow("pasted letters")
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

    // Each refusal names the limit on its first line and what to do on its second, joined by a lone CR.
    void messagesHaveTwoLines_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::newRow("not published") << QStringLiteral("73") << QStringLiteral("01");
        QTest::newRow("out of period") << QStringLiteral("05") << QStringLiteral("01");
    }

    void messagesHaveTwoLines() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        Control<QComboBox>(*window_, "Combo1")->setEditText(year);
        Control<QComboBox>(*window_, "Combo2")->setEditText(month);
        Click(*window_, "Command2");
        QCOMPARE(feedback_->said.size(), 1);
        QCOMPARE(feedback_->said.front().count(QLatin1Char('\r')), 1);
        QVERIFY(!feedback_->said.front().contains(QLatin1Char('\n')));
    }
};

QTEST_MAIN(MonthLookupTest)
#include "month_lookup_test.moc"

// SPDX-License-Identifier: MIT
#include "calendar/calendar.h"
#include "catalogue/entry_check/header_line.h"

#include <QTest>

class HeaderLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerLabel_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("label");
        QTest::newRow("1, dated to the day") << 1 << QStringLiteral("1972年9.15. １号");
        QTest::newRow("2") << 2 << QStringLiteral("1972.10.20. ２号");
        QTest::newRow("3") << 3 << QStringLiteral("1972.11.26. ３号");
        QTest::newRow("4, full-width month and number") << 4 << QStringLiteral("1973年４月　４号");
        QTest::newRow("9") << 9 << QStringLiteral("1973年９月　９号");
        QTest::newRow("10, half-width month and number") << 10 << QStringLiteral("1973年10月　10号");
        QTest::newRow("54") << 54 << QStringLiteral("1977年６月　54号");
        QTest::newRow("55, the supplement") << 55 << QStringLiteral("1977年６月　55増刊号");
        QTest::newRow("99") << 99 << QStringLiteral("1981年２月　99号");
        QTest::newRow("100, half-width space") << 100 << QStringLiteral("1981年３月 100号");
        QTest::newRow("156") << 156 << QStringLiteral("1985年11月 156号");
        QTest::newRow("380") << 380 << QStringLiteral("2004年７月 380号");
        QTest::newRow("381, the appendix") << 381 << QStringLiteral("1985年11月 156付録");
        QTest::newRow("382, the special issue") << 382 << QStringLiteral("2003年６月特別号");
        QTest::newRow("0") << 0 << QString();
    }

    void headerLabel() {
        QFETCH(int, entry);
        QFETCH(QString, label);
        QCOMPARE(QString::fromStdU16String(aoba::HeaderLabel(entry)), label);
    }

    void noHeaderHasAHalfWidthSingleDigitMonth() {
        for (int n = 4; n <= aoba::kEntryCount; ++n) {
            const QString label = QString::fromStdU16String(aoba::HeaderLabel(n));
            for (char month = '1'; month <= '9'; ++month)
                QVERIFY2(!label.contains(QStringLiteral("年%1月").arg(QLatin1Char(month))),
                         qPrintable(label));
        }
    }
};

QTEST_APPLESS_MAIN(HeaderLineTest)
#include "header_line_test.moc"

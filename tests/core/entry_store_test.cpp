// SPDX-License-Identifier: MIT
#include "calendar/calendar.h"
#include "core/entry_store.h"
#include "tests/support/catalogue_files.h"

#include <QTest>

using aoba::EntryText;

namespace {

int Lines(int n) {
    return static_cast<int>(EntryText(n).count(u"\r\n"));
}

} // namespace

class EntryStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesStartWithTheirHeaders_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("start");
        QTest::newRow("1: header, CR LF, empty line 2") << 1 << QStringLiteral("1972年9.15. １号\r\n\r\n");
        QTest::newRow("55, the supplement") << 55 << QStringLiteral("1977年６月　55増刊号\r\n\r\n");
        QTest::newRow("156") << 156 << QStringLiteral("1985年11月 156号\r\n\r\n");
        QTest::newRow("380, the last") << 380 << QStringLiteral("2004年７月 380号（終刊号）\r\n\r\n");
        QTest::newRow("381, the appendix") << 381 << QStringLiteral("1985年11月 156付録\r\n\r\n");
        QTest::newRow("382, note at once") << 382 << QStringLiteral("2003年６月特別号\r\n　　（");
    }

    void entriesStartWithTheirHeaders() {
        QFETCH(int, entry);
        QFETCH(QString, start);
        QVERIFY(EntryText(entry).startsWith(start));
    }

    void entriesHaveTheirSizesAndLineCounts() {
        QCOMPARE(EntryText(55).size(), 39);
        QCOMPARE(Lines(55), 3);
        QCOMPARE(EntryText(380).size(), 1398);
        QCOMPARE(Lines(380), 56);
        QCOMPARE(Lines(381), 6);
        QCOMPARE(Lines(382), 8);
        const QStringView note = EntryText(382).sliced(EntryText(382).indexOf(u"\r\n") + 2);
        QVERIFY(note.indexOf(u"\r\n\r\n") == note.indexOf(u"\r\n")); // line 3 is the empty one
    }

    void outsideTheCatalogueIsNothing_data() {
        QTest::addColumn<int>("entry");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("383") << 383;
        QTest::newRow("smallest int") << std::numeric_limits<int>::min();
        QTest::newRow("largest int") << std::numeric_limits<int>::max();
    }

    void outsideTheCatalogueIsNothing() {
        QFETCH(int, entry);
        const QStringView text = EntryText(entry);
        QVERIFY(text.isEmpty());
        // Not a view of length 0 somewhere in the catalogue's data: nothing was read to make it.
        QVERIFY(text.isNull());
    }

    // The store hands out its own data: two reads give the same characters at the same address.
    void readsDoNotCopy() {
        QCOMPARE(EntryText(200).data(), EntryText(200).data());
        QVERIFY(EntryText(1).data() != EntryText(2).data());
    }

    // Nothing is added, dropped or changed on the way from the files into the program.
    void everyEntryIsItsFileDecodedFromUtf8() {
        for (int n = 1; n <= aoba::kEntryCount; ++n)
            QCOMPARE(EntryText(n).toString(), EntryFile(n));
    }

    void everyEntryEndsInOneCrLfAndHoldsNoOtherBreak() {
        for (int n = 1; n <= aoba::kEntryCount; ++n) {
            const QStringView text = EntryText(n);
            QVERIFY(text.endsWith(u"\r\n"));
            QVERIFY(!text.endsWith(u"\r\n\r\n"));
            QCOMPARE(text.count(u'\r'), text.count(u'\n'));
            QCOMPARE(text.count(u"\r\n"), text.count(u'\r'));
            QVERIFY(!text.contains(u'\t'));
        }
    }
};

QTEST_APPLESS_MAIN(EntryStoreTest)
#include "entry_store_test.moc"

// SPDX-License-Identifier: MIT
#include "core/catalogue_search.h"
#include "core/entry_store.h"

#include <QTest>

using aoba::SearchCatalogue;

namespace {

using Issues = std::vector<int>;

} // namespace

Q_DECLARE_METATYPE(Issues)

class SearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The issues are listed where they are few enough to write out; the count alone stands for the rest.
    void eachStringIsFoundInItsIssues_data() {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("count");
        QTest::addColumn<Issues>("issues");
        QTest::newRow("号 is in every header") << QStringLiteral("号") << 380 << Issues{};
        QTest::newRow("full-width センター") << QStringLiteral("センター") << 20 << Issues{};
        QTest::newRow("half-width ｾﾝﾀｰ") << QStringLiteral("ｾﾝﾀｰ") << 7 << Issues{};
        QTest::newRow("full-width ９・11") << QStringLiteral("９・11") << 2 << Issues{};
        QTest::newRow("half-width 9･11") << QStringLiteral("9･11") << 16 << Issues{};
        QTest::newRow("56号 in four headers") << QStringLiteral("56号") << 4 << Issues{56, 156, 256, 356};
        QTest::newRow("終刊号 only in the last issue") << QStringLiteral("終刊号") << 1 << Issues{380};
        QTest::newRow("a header's own line end") << QStringLiteral("１号\r\n\r\n") << 1 << Issues{1};
        QTest::newRow("付録 only in the appendix, never searched") << QStringLiteral("付録") << 0 << Issues{};
        QTest::newRow("特別号 only in the special issue") << QStringLiteral("特別号") << 0 << Issues{};
        QTest::newRow("〜 U+301C is not in the catalogue's repertoire")
            << QStringLiteral("\u301C") << 0 << Issues{};
        QTest::newRow("empty is no search") << QString() << 0 << Issues{};
        QTest::newRow("longer than any entry") << QString(100000, QChar(0x3000)) << 0 << Issues{};
    }

    void eachStringIsFoundInItsIssues() {
        QFETCH(QString, needle);
        QFETCH(int, count);
        QFETCH(Issues, issues);
        const aoba::SearchHits hits = SearchCatalogue(needle);
        QCOMPARE(hits.Count(), count);
        if (count == 0 || !issues.empty())
            QCOMPARE(hits.Issues(), issues);
    }

    void neitherFormFindsTheOther() {
        const aoba::SearchHits full = SearchCatalogue(u"センター");
        const aoba::SearchHits half = SearchCatalogue(u"ｾﾝﾀｰ");
        int both = 0;
        for (int issue : full.Issues())
            both += half.Contains(issue) ? 1 : 0;
        QCOMPARE(both, 1);
        QVERIFY(SearchCatalogue(u"～").Count() > 0); // U+FF5E, the catalogue's own wave dash
    }

    // An item broken over two lines is found with its line break and the continuation's spaces, never
    // as the two halves joined.
    void aBrokenItemIsNotOneRun() {
        int checked = 0;
        for (int issue = 1; issue <= 380 && checked < 20; ++issue) {
            const QStringView entry = aoba::EntryText(issue);
            const qsizetype brk = entry.indexOf(u"\r\n\u3000\u3000");
            if (brk < 2)
                continue;
            qsizetype rest = brk + 2;
            while (entry[rest] == u'\u3000')
                ++rest;
            const QString joined = entry.sliced(brk - 2, 2).toString() + entry.sliced(rest, 2).toString();
            const QString asStored = entry.sliced(brk - 2, rest + 2 - (brk - 2)).toString();
            QVERIFY(SearchCatalogue(asStored).Contains(issue));
            if (!entry.contains(joined)) {
                QVERIFY2(!SearchCatalogue(joined).Contains(issue), qPrintable(joined));
                ++checked;
            }
        }
        QCOMPARE(checked, 20);
    }

    void firstLineContainingIsTheLineWhereTheMatchStarts_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("line");
        const QString entry = QStringLiteral("header\r\n\r\n　a＝「b」\r\n　c＝「b」\r\n");
        QTest::newRow("first of two") << entry << QStringLiteral("b") << QStringLiteral("　a＝「b」");
        QTest::newRow("in the header") << entry << QStringLiteral("head") << QStringLiteral("header");
        QTest::newRow("from the header's second character")
            << entry << QStringLiteral("eader") << QStringLiteral("header");
        QTest::newRow("second line only") << entry << QStringLiteral("c") << QStringLiteral("　c＝「b」");
        QTest::newRow("across a line end: where it starts")
            << entry << QStringLiteral("」\r\n　c") << QStringLiteral("　a＝「b」");
        QTest::newRow("starting on a line end's LF: the line it ends")
            << entry << QStringLiteral("\n　c") << QStringLiteral("　a＝「b」");
        QTest::newRow("starting on a line end's CR")
            << entry << QStringLiteral("\r\n　c") << QStringLiteral("　a＝「b」");
        QTest::newRow("an empty line") << entry << QStringLiteral("\n\r\n") << QStringLiteral("header");
        QTest::newRow("not there") << entry << QStringLiteral("z") << QString();
        QTest::newRow("empty needle") << entry << QString() << QString();
        QTest::newRow("no final line end")
            << QStringLiteral("x\r\nyz") << QStringLiteral("z") << QStringLiteral("yz");
    }

    void firstLineContainingIsTheLineWhereTheMatchStarts() {
        QFETCH(QString, entry);
        QFETCH(QString, needle);
        QFETCH(QString, line);
        QCOMPARE(aoba::FirstLineContaining(entry, needle).toString(), line);
    }
};

QTEST_APPLESS_MAIN(SearchTest)
#include "search_test.moc"

// SPDX-License-Identifier: MIT
// The fast scan, by every way this machine can run it (the plain one included), against a find in each
// entry on its own: the same hits for thousands of needles of every kind that can trip a scan over one buffer
// of all the texts: pieces cut anywhere, strings found nowhere, strings at and across each entry's ends,
// single code units and every length up to past the longest entry.
#include "core/catalogue_scan.h"
#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "tests/support/reader_model.h"

#include <QTest>

#include <random>
#include <set>

namespace {

using Needles = std::vector<QString>;
using Rng = std::mt19937_64;

QString Cut(int entry, qsizetype at, qsizetype length) {
    return aoba::EntryText(entry).sliced(at, length).toString();
}

std::size_t Below(Rng& rng, std::size_t n) {
    return static_cast<std::size_t>(rng() % n);
}

// Pieces of random length from random places of random entries, the two never searched among them.
Needles CutAtRandom(Rng& rng, int count) {
    Needles needles;
    while (static_cast<int>(needles.size()) < count) {
        const int entry = 1 + static_cast<int>(Below(rng, aoba::kEntryCount));
        const qsizetype size = aoba::EntryText(entry).size();
        const auto length = static_cast<qsizetype>(rng() % 4 ? 1 + Below(rng, 12) : 1 + Below(rng, 80));
        if (length <= size)
            needles.push_back(
                Cut(entry, static_cast<qsizetype>(Below(rng, static_cast<std::size_t>(size - length + 1))),
                    length));
    }
    return needles;
}

// Pieces changed until no searched entry holds them: one unit replaced by another the catalogue uses, so the
// scan cannot give up before it starts, or one it never uses.
Needles Absent(Rng& rng, int count) {
    Needles needles;
    while (static_cast<int>(needles.size()) < count) {
        QString needle = CutAtRandom(rng, 1).front();
        const auto at = static_cast<qsizetype>(Below(rng, static_cast<std::size_t>(needle.size())));
        const QStringView other = aoba::EntryText(1 + static_cast<int>(Below(rng, 380)));
        needle[at] = rng() % 5
                         ? other[static_cast<qsizetype>(Below(rng, static_cast<std::size_t>(other.size())))]
                         : QChar(u'\u301C');
        if (rng() % 3 == 0)
            needle +=
                Cut(2 + static_cast<int>(Below(rng, 378)), 0, 1 + static_cast<qsizetype>(Below(rng, 6)));
        if (reader_model::IssuesHolding(needle).empty())
            needles.push_back(needle);
    }
    return needles;
}

// At each end of every entry: its last units, the next entry's first, and runs across the boundary that the
// buffer holds but no entry does.
Needles AtEntryBoundaries() {
    Needles needles;
    for (int entry = 1; entry <= aoba::kEntryCount; ++entry) {
        const QStringView text = aoba::EntryText(entry);
        for (qsizetype length : {1, 2, 3, 8, 33, 65}) {
            if (length > text.size())
                continue;
            needles.push_back(text.first(length).toString());
            needles.push_back(text.last(length).toString());
        }
        if (entry == aoba::kEntryCount)
            continue;
        const QStringView next = aoba::EntryText(entry + 1);
        for (qsizetype before : {1, 2, 9})
            for (qsizetype after : {1, 3, 17})
                needles.push_back(text.last(before).toString() + next.first(after).toString());
    }
    return needles;
}

// Every unit the catalogue uses, and a few it never does.
Needles SingleUnits() {
    std::set<char16_t> units{0, u'\t', u'\u301C', 0xD800, 0xDFFF, 0xFFFF};
    for (int entry = 1; entry <= aoba::kEntryCount; ++entry)
        for (QChar c : aoba::EntryText(entry))
            units.insert(c.unicode());
    Needles needles;
    for (char16_t unit : units)
        needles.push_back(QString(QChar(unit)));
    return needles;
}

// One needle of every length from 1 to one past the longest entry, cut from the longest (380) and, where
// they reach, from entries in the middle and at the end of the buffer; whole entries among them.
Needles EveryLength() {
    Needles needles;
    const qsizetype longest = aoba::EntryText(380).size();
    for (qsizetype length = 1; length <= longest + 1; ++length) {
        for (int entry : {380, 200, 379, 381, 55}) {
            const QStringView text = aoba::EntryText(entry);
            if (length <= text.size())
                needles.push_back(text.sliced((text.size() - length) / 2, length).toString());
        }
    }
    needles.push_back(aoba::EntryText(380).toString() + QStringLiteral("\r\n"));
    needles.push_back(QString(100000, QChar(u'\u3000')));
    return needles;
}

// Strings of every kind the catalogue holds: marks, the NEC row, an IBM ideograph, half-width katakana, both
// widths of letters and digits, runs of spaces and the line ends around them; and the empty string, which
// finds nothing.
Needles OfEveryKind() {
    Needles needles{QString()};
    for (const char* needle : {"＝",      "=",          "「",
                               "』",      "（",         "Ⅰ",
                               "Ⅱ",       "㎜",         "髙",
                               "ｰ",       "｡",          "PTA",
                               "pta",     "ＰＴＡ",     "1",
                               "１",      "12",         "１２",
                               "年",      "、",         "\u3000\u3000\u3000",
                               " \r\n",   "\u3000\r\n", "\r\n\u3000\u3000",
                               "月\u3000"})
        needles.push_back(QString::fromUtf8(needle));
    return needles;
}

QString Describe(const QString& needle) {
    QString shown;
    for (QChar c : needle.left(40))
        shown += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                    : QString(c);
    return QStringLiteral("%1 units: %2").arg(needle.size()).arg(shown);
}

} // namespace

Q_DECLARE_METATYPE(Needles)

class SearchOracleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theScanRunsEveryWayTheMachineHas() {
        const std::vector<aoba::ScanWay> ways = aoba::AvailableScanWays();
        QCOMPARE(ways.front(), aoba::ScanWay::Plain);
#if defined(__x86_64__) || defined(_M_X64)
        QVERIFY(std::find(ways.begin(), ways.end(), aoba::ScanWay::Sse2) != ways.end());
#endif
    }

    void sameHitsAsAFindInEachEntry_data() {
        QTest::addColumn<Needles>("needles");
        QTest::addColumn<int>("atLeast");
        Rng rng(0x0ab5eed);
        QTest::newRow("pieces cut at random places") << CutAtRandom(rng, 1500) << 1500;
        QTest::newRow("found nowhere") << Absent(rng, 200) << 200;
        QTest::newRow("at and across every entry boundary") << AtEntryBoundaries() << 381 * 18;
        QTest::newRow("single code units") << SingleUnits() << 100;
        QTest::newRow("every length to past the longest entry") << EveryLength() << 1399;
        QTest::newRow("strings of every kind") << OfEveryKind() << 26;
    }

    void sameHitsAsAFindInEachEntry() {
        QFETCH(Needles, needles);
        QFETCH(int, atLeast);
        QVERIFY(static_cast<int>(needles.size()) >= atLeast);
        qInfo("%zu needles", needles.size());
        int found = 0;
        for (const QString& needle : needles) {
            const std::vector<int> expected = reader_model::IssuesHolding(needle);
            found += expected.empty() ? 0 : 1;
            QVERIFY2(aoba::SearchCatalogue(needle).Issues() == expected, qPrintable(Describe(needle)));
            for (aoba::ScanWay way : aoba::AvailableScanWays())
                QVERIFY2(aoba::ScanCatalogue(needle, way).Issues() == expected,
                         qPrintable(
                             QStringLiteral("way %1, %2").arg(static_cast<int>(way)).arg(Describe(needle))));
        }
        QVERIFY(found > 0 || QLatin1String(QTest::currentDataTag()) == QLatin1String("found nowhere"));
    }
};

QTEST_APPLESS_MAIN(SearchOracleTest)
#include "search_oracle_test.moc"

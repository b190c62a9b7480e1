// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/entry_rules.h"

#include <QTest>

namespace {

// The lines of an entry, each closed by CR LF.
QString Entry(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

const QString kHeader55 = QStringLiteral("1977年６月　55増刊号");
const QString kArticle = QStringLiteral("　「題」");

QString Sound55(const QString& article) {
    return Entry({kHeader55, {}, article});
}

QString Describe(const std::vector<aoba::Violation>& violations) {
    QStringList parts;
    for (const aoba::Violation& v : violations)
        parts << QStringLiteral("%1: %2: %3")
                     .arg(v.line)
                     .arg(QString::fromStdString(v.rule), QString::fromStdString(v.detail));
    return parts.join(QStringLiteral("; "));
}

} // namespace

class EntryRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void soundEntryIsAccepted_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::newRow("shortest entry, three lines") << 55 << Sound55(kArticle);
        QTest::newRow("every allowed ASCII mark and half-width katakana")
            << 55 << Sound55(QStringLiteral("　Az09 !&()+-./=? ｾﾝﾀｰ｡"));
        QTest::newRow("wave dash and minus of the Windows table") << 55 << Sound55(QStringLiteral("　～－"));
        QTest::newRow("NEC row and IBM extension") << 55 << Sound55(QStringLiteral("　Ⅰ㎜髙"));
        QTest::newRow("39 with its price note")
            << 39 << Entry({QStringLiteral("1976年３月　39号　（誌代＝１５０円）"), {}, kArticle});
        QTest::newRow("80 with one U+3000 after the label")
            << 80 << Entry({QStringLiteral("1979年７月　80号　"), {}, kArticle});
        QTest::newRow("381, the appendix")
            << 381 << Entry({QStringLiteral("1985年11月 156付録"), {}, kArticle});
        QTest::newRow("382 with its note in line 2")
            << 382
            << Entry({QStringLiteral("2003年６月特別号"), QStringLiteral("　　（特集）"), {}, kArticle});
        QTest::newRow("1 dated to the day") << 1 << Entry({QStringLiteral("1972年9.15. １号"), {}, kArticle});
        QTest::newRow("2 in its dotted form")
            << 2 << Entry({QStringLiteral("1972.10.20. ２号"), {}, kArticle});
        QTest::newRow("28 with its publisher at once")
            << 28 << Entry({QStringLiteral("1975年４月　28号（発行・会）"), {}, kArticle});
        QTest::newRow("30 with its notice")
            << 30
            << Entry({QStringLiteral("1975年６月　30号　（今号より、毎月一回・５日発行）"), {}, kArticle});
        QTest::newRow("35 with editor and publisher")
            << 35 << Entry({QStringLiteral("1975年11月　35号　（編集　某　発行　会）"), {}, kArticle});
        QTest::newRow("42 with a publisher without parentheses")
            << 42 << Entry({QStringLiteral("1976年６月　42号　発行　会"), {}, kArticle});
        QTest::newRow("89 with its price")
            << 89 << Entry({QStringLiteral("1980年４月　89号（定価 200円）"), {}, kArticle});
        QTest::newRow("380, the last")
            << 380 << Entry({QStringLiteral("2004年７月 380号（終刊号）"), {}, kArticle});
        QStringList longest{kHeader55, {}};
        while (longest.size() < 56)
            longest << kArticle;
        QTest::newRow("56 lines") << 55 << Entry(longest);
    }

    void soundEntryIsAccepted() {
        QFETCH(int, entry);
        QFETCH(QString, text);
        aoba::Cp932 codePage;
        const std::vector<aoba::Violation> violations =
            aoba::CheckEntry(entry, text.toStdU16String(), codePage);
        QVERIFY2(violations.empty(), qPrintable(Describe(violations)));
    }

    void brokenEntryIsRejected_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("line");
        QTest::newRow("lone LF") << 55 << kHeader55 + QStringLiteral("\r\n\r\n　「題\n」\r\n") << "line-end"
                                 << 3;
        QTest::newRow("lone CR") << 55 << Sound55(QStringLiteral("　「題\r」")) << "line-end" << 3;
        QTest::newRow("no CR LF after the last line")
            << 55 << kHeader55 + QStringLiteral("\r\n\r\n") + kArticle << "line-end" << 3;
        QTest::newRow("empty line at the end")
            << 55 << Sound55(kArticle) + QStringLiteral("\r\n") << "empty-last-line" << 4;
        QTest::newRow("tab") << 55 << Sound55(QStringLiteral("　「題」\t山田")) << "tab" << 3;
        QTest::newRow("C1 control U+0085")
            << 55 << Sound55(QStringLiteral("　「題」\u0085")) << "control" << 3;
        QTest::newRow("DEL") << 55 << Sound55(QStringLiteral("　「題」\u007f")) << "control" << 3;
        QTest::newRow("U+301C wave dash, best-fitted by iconv")
            << 55 << Sound55(QStringLiteral("　１〜２")) << "repertoire" << 3;
        QTest::newRow("U+2212 minus sign") << 55 << Sound55(QStringLiteral("　−１")) << "repertoire" << 3;
        // User-defined characters (code page 932 F040..F9FC) round-trip but show a glyph only where defined.
        QTest::newRow("private-use U+E000, code page 932 F0 40")
            << 55 << Sound55(QStringLiteral("　\uE000")) << "repertoire" << 3;
        QTest::newRow("private-use U+F8FF") << 55 << Sound55(QStringLiteral("　\uF8FF")) << "repertoire" << 3;
        QTest::newRow("ASCII number sign") << 55 << Sound55(QStringLiteral("　#1")) << "ascii" << 3;
        QTest::newRow("ASCII backslash") << 55 << Sound55(QStringLiteral("　a\\b")) << "ascii" << 3;
        QTest::newRow("55 without its supplement label")
            << 55 << Entry({QStringLiteral("1977年６月　55号"), {}, kArticle}) << "header" << 1;
        QTest::newRow("39 with its note but no U+3000")
            << 39 << Entry({QStringLiteral("1976年３月　39号（誌代＝１５０円）"), {}, kArticle}) << "header"
            << 1;
        QTest::newRow("80 without its U+3000")
            << 80 << Entry({QStringLiteral("1979年７月　80号"), {}, kArticle}) << "header" << 1;
        QTest::newRow("80 with two U+3000")
            << 80 << Entry({QStringLiteral("1979年７月　80号　　"), {}, kArticle}) << "header" << 1;
        // A label that stands alone takes nothing after it, not even one character.
        QTest::newRow("55増刊号 followed by a letter")
            << 55 << Entry({QStringLiteral("1977年６月　55増刊号X"), {}, kArticle}) << "header" << 1;
        QTest::newRow("54 followed by U+3000")
            << 54 << Entry({QStringLiteral("1977年６月　54号　"), {}, kArticle}) << "header" << 1;
        QTest::newRow("1 followed by a letter")
            << 1 << Entry({QStringLiteral("1972年9.15. １号X"), {}, kArticle}) << "header" << 1;
        QTest::newRow("156付録 followed by a letter")
            << 381 << Entry({QStringLiteral("1985年11月 156付録X"), {}, kArticle}) << "header" << 1;
        QTest::newRow("特別号 followed by a letter")
            << 382
            << Entry({QStringLiteral("2003年６月特別号X"), QStringLiteral("　　（特集）"), {}, kArticle})
            << "header" << 1;
        QTest::newRow("380 with more after （終刊号）")
            << 380 << Entry({QStringLiteral("2004年７月 380号（終刊号）X"), {}, kArticle}) << "header" << 1;
        QTest::newRow("89 with more after its price")
            << 89 << Entry({QStringLiteral("1980年４月　89号（定価 200円）X"), {}, kArticle}) << "header"
            << 1;
        QTest::newRow("28 with U+3000 before its note")
            << 28 << Entry({QStringLiteral("1975年４月　28号　（発行・会）"), {}, kArticle}) << "header" << 1;
        QTest::newRow("28 with a note outside parentheses")
            << 28 << Entry({QStringLiteral("1975年４月　28号発行・会"), {}, kArticle}) << "header" << 1;
        QTest::newRow("30 with another notice")
            << 30 << Entry({QStringLiteral("1975年６月　30号　（今号より）"), {}, kArticle}) << "header" << 1;
        QTest::newRow("35 without its U+3000")
            << 35 << Entry({QStringLiteral("1975年11月　35号（編集　某）"), {}, kArticle}) << "header" << 1;
        QTest::newRow("42 with parentheses")
            << 42 << Entry({QStringLiteral("1976年６月　42号　（発行　会）"), {}, kArticle}) << "header" << 1;
        QTest::newRow("42 with U+3000 alone")
            << 42 << Entry({QStringLiteral("1976年６月　42号　"), {}, kArticle}) << "header" << 1;
        QTest::newRow("a label of another issue")
            << 56 << Entry({QStringLiteral("1977年６月　56号"), {}, kArticle}) << "header" << 1;
        QTest::newRow("line 2 not empty") << 55 << Entry({kHeader55, kArticle, kArticle}) << "line-2" << 2;
        QTest::newRow("382 without its note")
            << 382 << Entry({QStringLiteral("2003年６月特別号"), {}, kArticle, kArticle}) << "line-2" << 2;
        QTest::newRow("header alone") << 55 << Entry({kHeader55}) << "line-count" << 0;
        QStringList tooLong{kHeader55, {}};
        while (tooLong.size() < 57)
            tooLong << kArticle;
        QTest::newRow("57 lines") << 55 << Entry(tooLong) << "line-count" << 0;
    }

    // Each broken variant breaks one rule only, so any other rule reported is a false alarm.
    void brokenEntryIsRejected() {
        QFETCH(int, entry);
        QFETCH(QString, text);
        QFETCH(QString, rule);
        QFETCH(int, line);
        aoba::Cp932 codePage;
        const std::vector<aoba::Violation> violations =
            aoba::CheckEntry(entry, text.toStdU16String(), codePage);
        QVERIFY2(!violations.empty(), "the entry was accepted");
        for (const aoba::Violation& v : violations)
            QVERIFY2(QString::fromStdString(v.rule) == rule, qPrintable(Describe(violations)));
        QCOMPARE(violations.front().line, line);
    }

    void violationsAreReportedWhereAndAsTheyStand_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArrayList>("report");
        QTest::newRow("every line ended by LF alone")
            << 55 << kHeader55 + QStringLiteral("\n\n　「題」\n")
            << QByteArrayList{"1: line-end: LF without CR", "2: line-end: LF without CR",
                              "3: line-end: LF without CR"};
        QTest::newRow("a lone CR ends its line")
            << 55 << kHeader55 + QStringLiteral("\r\n\r\n　「題」\r　「題」\t\r\n")
            << QByteArrayList{"3: line-end: CR without LF", "4: tab: tab character"};
        QTest::newRow("header ending in CR CR LF")
            << 55 << kHeader55 + QStringLiteral("\r\r\n\r\n　「題」\r\n")
            << QByteArrayList{"1: line-end: CR without LF"};
        QTest::newRow("ten tabs: three listed, then a count")
            << 55 << Sound55(QStringLiteral("　「題」\t\t\t\t\t\t\t\t\t\t"))
            << QByteArrayList{"3: tab: tab character", "3: tab: tab character", "3: tab: tab character",
                              "0: tab: 7 more like these, not listed"};
        QTest::newRow("a tab in the header, escaped in the quote")
            << 55 << Entry({kHeader55 + QStringLiteral("\t"), {}, kArticle})
            << QByteArrayList{"1: tab: tab character",
                              "1: header: expected \"1977年６月　55増刊号\" with nothing after it, found "
                              "\"1977年６月　55増刊号\\t\""};
        QTest::newRow("a zero-width space in the header, shown by its code")
            << 55 << Entry({kHeader55 + QStringLiteral("\u200B"), {}, kArticle})
            << QByteArrayList{"1: repertoire: U+200B is not in code page 932",
                              "1: header: expected \"1977年６月　55増刊号\" with nothing after it, found "
                              "\"1977年６月　55増刊号U+200B\""};
        QTest::newRow("a long header, cut in the quote")
            << 55 << Entry({kHeader55 + QString(100, u'Ａ'), {}, kArticle})
            << QByteArrayList{"1: header: expected \"1977年６月　55増刊号\" with nothing after it, found "
                              "\"1977年６月　55増刊号" +
                              QString(47, u'Ａ').toUtf8() + "…\" (the first 60 of 113 characters)"};
        QTest::newRow("no-break space, named by its code alone")
            << 55 << Sound55(QStringLiteral("　a\u00A0b"))
            << QByteArrayList{"3: repertoire: U+00A0 is not in code page 932"};
        QTest::newRow("private-use character")
            << 55 << Sound55(QStringLiteral("　\uE000"))
            << QByteArrayList{
                   "3: repertoire: U+E000 is a private-use character (user-defined in code page 932)"};
    }

    void violationsAreReportedWhereAndAsTheyStand() {
        QFETCH(int, entry);
        QFETCH(QString, text);
        QFETCH(QByteArrayList, report);
        aoba::Cp932 codePage;
        QCOMPARE(Describe(aoba::CheckEntry(entry, text.toStdU16String(), codePage)).toUtf8(),
                 report.join("; "));
    }

    // The report is short, the count is whole.
    void manyViolationsAreCountedInFull() {
        aoba::Cp932 codePage;
        const QString text = Sound55(QStringLiteral("　") + QString(1000, u'\t') + QString(500, u'#'));
        const std::vector<aoba::Violation> violations = aoba::CheckEntry(55, text.toStdU16String(), codePage);
        long count = 0;
        for (const aoba::Violation& v : violations)
            count += v.count;
        QCOMPARE(count, 1500L);
        QCOMPARE(violations.size(), std::size_t{8});
    }
};

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "entry_rules_test.moc"

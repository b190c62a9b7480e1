// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/cp932.h"
#include "tools/checker/figures.h"

#include <QTest>

using aoba::BodyLineKind;

Q_DECLARE_METATYPE(aoba::BodyLineKind)

namespace {

QString Entry(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A catalogue that holds only the given entries, each made of a plain header, the empty line and body.
aoba::CatalogueFigures Figures(const QMap<int, QStringList>& bodies) {
    aoba::CatalogueTexts texts;
    for (auto it = bodies.begin(); it != bodies.end(); ++it)
        texts[static_cast<std::size_t>(it.key() - 1)] =
            Entry(QStringList{QStringLiteral("1980年１月 号"), {}} + it.value()).toStdU16String();
    aoba::Cp932 codePage;
    return aoba::ComputeFigures(texts, codePage);
}

QString Spaces(int count) {
    return QString(count, QChar(0x3000));
}

} // namespace

class FiguresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bodyLineIsClassified_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<BodyLineKind>("kind");
        QTest::addColumn<int>("run");
        QTest::newRow("one U+3000 and an item") << QStringLiteral("　「題」") << BodyLineKind::Article << 1;
        QTest::newRow("two U+3000 continue an item")
            << Spaces(2) + QStringLiteral("続き") << BodyLineKind::Continuation << 2;
        QTest::newRow("39 U+3000 still continue")
            << Spaces(39) + QStringLiteral("続き") << BodyLineKind::Continuation << 39;
        QTest::newRow("40 U+3000 are too many")
            << Spaces(40) + QStringLiteral("続き") << BodyLineKind::Other << 40;
        QTest::newRow("one U+3000 alone") << Spaces(1) << BodyLineKind::Other << 1;
        QTest::newRow("five U+3000 alone") << Spaces(5) << BodyLineKind::Other << 5;
        QTest::newRow("empty") << QString() << BodyLineKind::Other << 0;
        QTest::newRow("full stop alone") << QStringLiteral("。") << BodyLineKind::Other << 0;
        QTest::newRow("half-width space before the run")
            << QStringLiteral(" ") + Spaces(3) + QStringLiteral("続き") << BodyLineKind::Other << 0;
        QTest::newRow("U+3000 then a half-width space")
            << QStringLiteral("　 「題」") << BodyLineKind::Other << 1;
    }

    void bodyLineIsClassified() {
        QFETCH(QString, line);
        QFETCH(BodyLineKind, kind);
        QFETCH(int, run);
        const aoba::BodyLine found = aoba::ClassifyBodyLine(line.toStdU16String());
        QCOMPARE(found.kind, kind);
        QCOMPARE(found.run, run);
    }

    void trailingRunCountsOnlyLinesWithText_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("counted");
        QTest::newRow("text then U+3000") << QStringLiteral("　「題」　　") << true;
        QTest::newRow("text then half-width spaces") << QStringLiteral("　「題」  ") << true;
        QTest::newRow("text to the end") << QStringLiteral("　「題」") << false;
        QTest::newRow("one U+3000 alone") << Spaces(1) << false;
        QTest::newRow("five U+3000 alone") << Spaces(5) << false;
        QTest::newRow("spaces of both widths alone") << QStringLiteral(" 　 ") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void trailingRunCountsOnlyLinesWithText() {
        QFETCH(QString, line);
        QFETCH(bool, counted);
        QCOMPARE(aoba::EndsInSpaceRun(line.toStdU16String()), counted);
    }

    void lastItemIsStaffLine_data() {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<bool>("staff");
        QTest::newRow("column, equals, names")
            << QStringList{QStringLiteral("　「編集部」＝山田、田中")} << true;
        QTest::newRow("half-width equals") << QStringList{QStringLiteral("　「編集部」=山田、田中")} << true;
        QTest::newRow("names on a continuation line")
            << QStringList{QStringLiteral("　「編集部」＝山田"), Spaces(7) + QStringLiteral("、田中")}
            << true;
        QTest::newRow("equals on a continuation line")
            << QStringList{QStringLiteral("　「編集部」"), Spaces(2) + QStringLiteral("＝山田、田中")}
            << true;
        QTest::newRow("full stop line after the list")
            << QStringList{QStringLiteral("　「編集部」＝山田、田中"), QStringLiteral("。")} << true;
        QTest::newRow("an article after the list")
            << QStringList{QStringLiteral("　「編集部」＝山田、田中"), QStringLiteral("　山田＝「題」")}
            << false;
        QTest::newRow("comma only before the equals")
            << QStringList{QStringLiteral("　「山、川」＝山田")} << false;
        QTest::newRow("a second bracket before the equals")
            << QStringList{QStringLiteral("　「表紙」「編集部」＝山田、田中")} << true;
        QTest::newRow("bracket not followed at once by equals")
            << QStringList{QStringLiteral("　「編集部」　＝山田、田中")} << false;
        QTest::newRow("author first") << QStringList{QStringLiteral("　山田＝「題」、続")} << false;
        QTest::newRow("names cut off by an irregular line")
            << QStringList{QStringLiteral("　「編集部」＝山田"), QStringLiteral(" 　　、田中")} << false;
        QTest::newRow("no article line at all")
            << QStringList{Spaces(2) + QStringLiteral("「編集部」＝山田、田中")} << false;
    }

    void lastItemIsStaffLine() {
        QFETCH(QStringList, body);
        QFETCH(bool, staff);
        QCOMPARE(Figures({{100, body}}).staffEntries, staff ? 1 : 0);
    }

    void charactersAreCountedByKind_data() {
        QTest::addColumn<QString>("article");
        QTest::addColumn<int>("katakanaEntries");
        QTest::addColumn<int>("ibmIdeographs");
        QTest::newRow("half-width katakana") << QStringLiteral("　ｾﾝﾀｰ") << 1 << 0;
        QTest::newRow("half-width full stop, first of the range") << QStringLiteral("　｡") << 1 << 0;
        QTest::newRow("semi-voiced mark, last of the range") << QStringLiteral("　ﾟ") << 1 << 0;
        QTest::newRow("full-width katakana") << QStringLiteral("　センター") << 0 << 0;
        QTest::newRow("IBM ideograph 髙") << QStringLiteral("　髙") << 0 << 1;
        QTest::newRow("first IBM ideograph 纊") << QStringLiteral("　纊") << 0 << 1;
        QTest::newRow("last IBM ideograph 黑") << QStringLiteral("　黑") << 0 << 1;
        QTest::newRow("IBM small numeral ⅰ before the ideographs") << QStringLiteral("　ⅰ") << 0 << 0;
        QTest::newRow("NEC row Ⅰ and ㎜") << QStringLiteral("　Ⅰ㎜") << 0 << 0;
        QTest::newRow("each occurrence counts") << QStringLiteral("　髙橋と髙木") << 0 << 2;
    }

    void charactersAreCountedByKind() {
        QFETCH(QString, article);
        QFETCH(int, katakanaEntries);
        QFETCH(int, ibmIdeographs);
        const aoba::CatalogueFigures f = Figures({{100, {article}}});
        QCOMPARE(f.halfWidthKatakanaEntries, katakanaEntries);
        QCOMPARE(f.ibmIdeographs, ibmIdeographs);
    }

    void sizesCountCodeUnitsAndBytes() {
        // The header "1980年１月 号" is 9 units and 13 bytes, the body line ｱ髙 2 units and 3 bytes.
        const aoba::CatalogueFigures f =
            Figures({{7, {QStringLiteral("ｱ髙")}}, {9, {QStringLiteral("ｱｲｳ")}}});
        QCOMPARE(f.fewestChars, (aoba::Extreme{9 + 2 + 2 + 2 + 2, {7}}));
        QCOMPARE(f.mostChars, (aoba::Extreme{9 + 2 + 2 + 3 + 2, {9}}));
        QCOMPARE(f.fewestBytes, (aoba::Extreme{13 + 2 + 2 + 3 + 2, {7, 9}}));
        QCOMPARE(f.longestLine, 9);
        QCOMPARE(f.totalLines, 6L);
    }

    void entry382BodyBeginsAfterItsNote() {
        aoba::CatalogueTexts texts;
        texts[381] = Entry({QStringLiteral("2003年６月特別号"),
                            QStringLiteral("　　（特集）"),
                            {},
                            QStringLiteral("　「題」")})
                         .toStdU16String();
        aoba::Cp932 codePage;
        const aoba::CatalogueFigures f = aoba::ComputeFigures(texts, codePage);
        QCOMPARE(f.articleLines, 1);
        QCOMPARE(f.continuationLines, 0);
        QCOMPARE(f.otherLines, 0);
        QCOMPARE(f.linesOfSpecial, std::optional<int>(4));
    }

    void regularIssuesOnlyCountWordsAndEquals() {
        const QStringList body{QStringLiteral("　センター＝ｾﾝﾀｰ=９・11")};
        const aoba::CatalogueFigures f = Figures({{380, body}, {381, body}});
        QCOMPARE(f.centreBothEntries, 1);
        QCOMPARE(f.nineElevenFullEntries, 1);
        QCOMPARE(f.asciiEquals, 1L);
        QCOMPARE(f.fullWidthEquals, 1L);
    }

    void missingEntriesLackTheHeaderMark() {
        const aoba::CatalogueFigures f = Figures({{1, {QStringLiteral("　「題」")}}});
        QCOMPARE(f.entries, 1);
        QCOMPARE(f.entriesWithoutGoInHeader.size(), std::size_t{381});
        QCOMPARE(f.entriesWithoutGoInHeader.front(), 2);
    }

    void expectedFiguresReadAsDocumented_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("extremes name their entries") << "lines per entry, smallest / largest"
                                                     << "3 (55) / 56 (380)";
        QTest::newRow("thousands are grouped") << "characters / lines / bytes in all"
                                               << "214,023 / 8,305 / 397,857";
        QTest::newRow("means are rounded, 1,041.5 up") << "mean characters / bytes / lines per entry"
                                                       << "560 / 1,042 / 22";
        QTest::newRow("irregular lines list their entries") << "other body lines, and their entries"
                                                            << "6, in 49 95 136 170 331 347";
        QTest::newRow("words found in one entry each") << "entries with 付録 / 特別号 / 終刊号"
                                                       << "only 381 / only 382 / only 380";
        QTest::newRow("the one header without 号") << "entries with 号 in the header"
                                                   << "all but 381";
    }

    void expectedFiguresReadAsDocumented() {
        QFETCH(QString, label);
        QFETCH(QString, expected);
        for (const aoba::FigureRow& row :
             aoba::CompareFigures(aoba::ExpectedFigures(), aoba::ExpectedFigures())) {
            if (QString::fromStdString(row.label) == label) {
                QCOMPARE(QString::fromStdString(row.expected), expected);
                return;
            }
        }
        QFAIL("no such row");
    }

    void figureTableMarksExactlyTheRowsThatDiffer() {
        aoba::CatalogueFigures found = aoba::ExpectedFigures();
        const QLatin1String mark(aoba::kDifferenceMark.data(),
                                 static_cast<qsizetype>(aoba::kDifferenceMark.size()));
        QVERIFY(!QString::fromStdString(
                     aoba::RenderFigureTable(aoba::CompareFigures(found, aoba::ExpectedFigures())))
                     .contains(mark));
        found.staffEntries = 291;
        found.otherLineEntries.back() = 348;
        const std::string table =
            aoba::RenderFigureTable(aoba::CompareFigures(found, aoba::ExpectedFigures()));
        QStringList marked;
        for (const QString& line : QString::fromStdString(table).split(QLatin1Char('\n')))
            if (line.endsWith(mark))
                marked << line.section(QStringLiteral("  "), 0, 0);
        QCOMPARE(marked, (QStringList{QStringLiteral("other body lines, and their entries"),
                                      QStringLiteral("entries whose last item is a staff line")}));
    }
};

QTEST_GUILESS_MAIN(FiguresTest)
#include "figures_test.moc"

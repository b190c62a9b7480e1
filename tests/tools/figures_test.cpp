// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/cp932.h"
#include "tests/support/catalogue_files.h"
#include "tools/checker/figures.h"

#include <QTest>

namespace {

using Bodies = QMap<int, QStringList>; // entry → its body lines

QString Spaces(int count) {
    return QString(count, QChar(0x3000));
}

QString Entry(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A catalogue that holds only the given entries: a header with 号 (9 characters, 13 bytes), the empty line
// (with the note before it in 382) and the body.
aoba::CatalogueTexts Catalogue(const Bodies& bodies) {
    aoba::CatalogueTexts texts;
    for (auto it = bodies.begin(); it != bodies.end(); ++it) {
        QStringList lines{QStringLiteral("1980年１月 号")};
        if (it.key() == 382)
            lines << QStringLiteral("　　（特集）");
        texts[static_cast<std::size_t>(it.key() - 1)] =
            Entry(lines << QString() << it.value()).toStdU16String();
    }
    return texts;
}

QString Cell(const std::vector<aoba::FigureRow>& rows, const QString& label) {
    for (const aoba::FigureRow& row : rows)
        if (QString::fromStdString(row.label) == label)
            return QString::fromStdString(row.found);
    return QStringLiteral("(no such row)");
}

// The labels of the rows the rendered table marks.
QStringList Marked(const std::vector<aoba::FigureRow>& rows) {
    QStringList marked;
    for (const QString& line : QString::fromStdString(aoba::RenderFigureTable(rows)).split(QLatin1Char('\n')))
        if (line.endsWith(QLatin1String("<< differs")))
            marked << line.section(QStringLiteral("  "), 0, 0);
    return marked;
}

} // namespace

class FiguresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figureIsCountedAsDocumented_data() {
        QTest::addColumn<Bodies>("bodies");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("cell");
        const QString title = QStringLiteral("　「題」");
        const QString other = QStringLiteral("other body lines");
        const QString staff = QStringLiteral("entries whose last item is a staff line");
        const QString trailing = QStringLiteral("body lines with text that end in U+3000 or spaces");
        const QString katakana = QStringLiteral("entries with half-width katakana");
        const QString ibm = QStringLiteral("IBM-extension ideographs");

        QTest::newRow("one U+3000 and an item: an article line") << Bodies{{100, {title}}} << "article lines"
                                                                 << "1";
        QTest::newRow("two U+3000 continue an item")
            << Bodies{{100, {title, Spaces(2) + QStringLiteral("続き")}}} << "continuation lines"
            << "1";
        QTest::newRow("two U+3000, the shortest run")
            << Bodies{{100, {title, Spaces(2) + QStringLiteral("続き"), Spaces(9) + QStringLiteral("続き")}}}
            << "leading run of a continuation line, shortest"
            << "2";
        QTest::newRow("39 U+3000 still continue")
            << Bodies{{100, {title, Spaces(39) + QStringLiteral("続き")}}}
            << "leading run of a continuation line, longest"
            << "39";
        QTest::newRow("no continuation line, no run")
            << Bodies{{100, {title}}} << "leading run of a continuation line, shortest"
            << "none";
        QTest::newRow("40 U+3000 are too many")
            << Bodies{{100, {Spaces(40) + QStringLiteral("続き")}}} << other << "1";
        QTest::newRow("one U+3000 alone") << Bodies{{100, {Spaces(1)}}} << other << "1";
        QTest::newRow("five U+3000 alone") << Bodies{{100, {Spaces(5)}}} << other << "1";
        QTest::newRow("an empty line") << Bodies{{100, {title, {}, title}}} << other << "1";
        QTest::newRow("a full stop alone") << Bodies{{100, {title, QStringLiteral("。")}}} << other << "1";
        QTest::newRow("a half-width space before the run")
            << Bodies{{100, {QStringLiteral(" ") + Spaces(3) + QStringLiteral("続き")}}} << other << "1";
        QTest::newRow("U+3000 then a half-width space")
            << Bodies{{100, {QStringLiteral("　 「題」")}}} << other << "1";
        QTest::newRow("other lines name their entries")
            << Bodies{{49, {QStringLiteral("。")}}, {95, {QStringLiteral("。")}}, {96, {title}}}
            << "entries with other body lines"
            << "in 49 95";
        QTest::newRow("a long list of entries is cut short")
            << Bodies{{1, {{}}}, {2, {{}}}, {3, {{}}}, {4, {{}}}, {5, {{}}},
                      {6, {{}}}, {7, {{}}}, {8, {{}}}, {9, {{}}}, {10, {{}}}}
            << "entries with other body lines"
            << "in 1 2 3 4 5 6 7 8 … and 2 more";

        QTest::newRow("text then U+3000 is a trailing run")
            << Bodies{{100, {QStringLiteral("　「題」　　")}}} << trailing << "1";
        QTest::newRow("text then half-width spaces")
            << Bodies{{100, {QStringLiteral("　「題」  ")}}} << trailing << "1";
        QTest::newRow("U+3000 alone is no trailing run") << Bodies{{100, {Spaces(5)}}} << trailing << "0";
        QTest::newRow("spaces of both widths alone")
            << Bodies{{100, {QStringLiteral(" 　 ")}}} << trailing << "0";
        QTest::newRow("entries with trailing runs, each counted once")
            << Bodies{{100, {QStringLiteral("　「題」 "), QStringLiteral("　「題」 ")}},
                      {101, {QStringLiteral("　「題」　")}}}
            << "entries with such lines"
            << "2";

        QTest::newRow("column, equals, names")
            << Bodies{{100, {QStringLiteral("　「編集部」＝山田、田中")}}} << staff << "1";
        QTest::newRow("half-width equals")
            << Bodies{{100, {QStringLiteral("　「編集部」=山田、田中")}}} << staff << "1";
        QTest::newRow("names on a continuation line")
            << Bodies{{100, {QStringLiteral("　「編集部」＝山田"), Spaces(7) + QStringLiteral("、田中")}}}
            << staff << "1";
        QTest::newRow("equals on a continuation line")
            << Bodies{{100, {QStringLiteral("　「編集部」"), Spaces(2) + QStringLiteral("＝山田、田中")}}}
            << staff << "1";
        QTest::newRow("full stop line after the list")
            << Bodies{{100, {QStringLiteral("　「編集部」＝山田、田中"), QStringLiteral("。")}}} << staff
            << "1";
        QTest::newRow("an article after the list")
            << Bodies{{100, {QStringLiteral("　「編集部」＝山田、田中"), QStringLiteral("　山田＝「題」")}}}
            << staff << "0";
        QTest::newRow("comma only before the equals")
            << Bodies{{100, {QStringLiteral("　「山、川」＝山田")}}} << staff << "0";
        QTest::newRow("a second bracket before the equals")
            << Bodies{{100, {QStringLiteral("　「表紙」「編集部」＝山田、田中")}}} << staff << "1";
        QTest::newRow("bracket not followed at once by equals")
            << Bodies{{100, {QStringLiteral("　「編集部」　＝山田、田中")}}} << staff << "0";
        QTest::newRow("author first")
            << Bodies{{100, {QStringLiteral("　山田＝「題」、続")}}} << staff << "0";
        QTest::newRow("names cut off by an irregular line")
            << Bodies{{100, {QStringLiteral("　「編集部」＝山田"), QStringLiteral(" 　　、田中")}}} << staff
            << "0";
        QTest::newRow("no article line at all")
            << Bodies{{100, {Spaces(2) + QStringLiteral("「編集部」＝山田、田中")}}} << staff << "0";

        QTest::newRow("half-width katakana") << Bodies{{100, {QStringLiteral("　ｾﾝﾀｰ")}}} << katakana << "1";
        QTest::newRow("half-width full stop, first of the range")
            << Bodies{{100, {QStringLiteral("　｡")}}} << katakana << "1";
        QTest::newRow("semi-voiced mark, last of the range")
            << Bodies{{100, {QStringLiteral("　ﾟ")}}} << katakana << "1";
        QTest::newRow("full-width katakana")
            << Bodies{{100, {QStringLiteral("　センター")}}} << katakana << "0";
        QTest::newRow("IBM ideograph 髙") << Bodies{{100, {QStringLiteral("　髙")}}} << ibm << "1";
        QTest::newRow("first IBM ideograph 纊") << Bodies{{100, {QStringLiteral("　纊")}}} << ibm << "1";
        QTest::newRow("last IBM ideograph 黑") << Bodies{{100, {QStringLiteral("　黑")}}} << ibm << "1";
        QTest::newRow("IBM small numeral ⅰ before the ideographs")
            << Bodies{{100, {QStringLiteral("　ⅰ")}}} << ibm << "0";
        QTest::newRow("NEC row Ⅰ and ㎜") << Bodies{{100, {QStringLiteral("　Ⅰ㎜")}}} << ibm << "0";
        QTest::newRow("each IBM ideograph counts")
            << Bodies{{100, {QStringLiteral("　髙橋と髙木")}}} << ibm << "2";
        QTest::newRow("Ⅰ present") << Bodies{{100, {QStringLiteral("　Ⅰ")}}} << "Ⅰ present"
                                   << "yes";
        QTest::newRow("Ⅱ absent") << Bodies{{100, {QStringLiteral("　Ⅰ")}}} << "Ⅱ present"
                                  << "no";

        // ｱ髙 is 2 units and 3 bytes, ｱｲｳ 3 units and 3 bytes.
        const Bodies sizes{{7, {QStringLiteral("ｱ髙")}}, {9, {QStringLiteral("ｱｲｳ")}}};
        QTest::newRow("characters are code units, line ends included")
            << sizes << "characters per entry, smallest"
            << "17 (7)";
        QTest::newRow("bytes are code page 932's, ties name every entry")
            << sizes << "bytes per entry, smallest"
            << "22 (7 9)";
        QTest::newRow("the mean of 17 and 18 is rounded up") << sizes << "characters per entry, mean"
                                                             << "18";
        QTest::newRow("the longest line, its line end not counted")
            << sizes << "longest line, CR LF not counted"
            << "9";
        QTest::newRow("lines in all") << sizes << "lines in all"
                                      << "6";
        QTest::newRow("thousands are grouped")
            << Bodies{{100, {QStringLiteral("　") + QString(996, u'ア')}}} << "characters in all"
            << "1,012";

        QTest::newRow("382's body begins after its note and empty line")
            << Bodies{{382, {title}}} << other << "0";
        QTest::newRow("382's lines") << Bodies{{382, {title}}} << "lines of entry 382"
                                     << "4";
        QTest::newRow("381 missing") << Bodies{{382, {title}}} << "lines of entry 381"
                                     << "none";
        const QStringList words{QStringLiteral("　センター＝ｾﾝﾀｰ=９・11")};
        QTest::newRow("words in regular issues only")
            << Bodies{{380, words}, {381, words}} << "entries with both, 1..380"
            << "1";
        QTest::newRow("equals in regular issues only")
            << Bodies{{380, words}, {382, words}} << "occurrences of =, 1..380"
            << "1";
        QTest::newRow("a word in one entry")
            << Bodies{{381, {QStringLiteral("　付録")}}} << "entries with 付録"
            << "only 381";
        QTest::newRow("missing entries are not counted") << Bodies{{1, {title}}} << "entries"
                                                         << "1";
        QTest::newRow("missing entries do not lack 号 in their header")
            << Bodies{{1, {title}}} << "entries whose header lacks 号"
            << "none";
    }

    void figureIsCountedAsDocumented() {
        QFETCH(Bodies, bodies);
        QFETCH(QString, figure);
        QFETCH(QString, cell);
        aoba::Cp932 codePage;
        QCOMPARE(Cell(aoba::CompareFigures(Catalogue(bodies), codePage), figure), cell);
    }

    // The shipped catalogue has every figure of the real one; one changed character in it changes one figure.
    void figureTableMarksExactlyTheRowsThatDiffer() {
        QCOMPARE(aoba::ExpectedFigureProblems(), std::vector<std::string>());
        aoba::CatalogueTexts texts;
        int changed = 0;
        for (int n = 1; n <= 382; ++n) {
            QString text = EntryFile(n);
            if (changed == 0 && text.contains(QStringLiteral("９・11")))
                changed = n;
            texts[static_cast<std::size_t>(n - 1)] = text.toStdU16String();
        }
        aoba::Cp932 codePage;
        QCOMPARE(Marked(aoba::CompareFigures(texts, codePage)), QStringList());
        QVERIFY(changed > 0);
        texts[static_cast<std::size_t>(changed - 1)] =
            EntryFile(changed).replace(QStringLiteral("９・11"), QStringLiteral("９・12")).toStdU16String();
        QCOMPARE(Marked(aoba::CompareFigures(texts, codePage)),
                 QStringList{QStringLiteral("entries with ９・11, 1..380")});
    }
};

QTEST_GUILESS_MAIN(FiguresTest)
#include "figures_test.moc"

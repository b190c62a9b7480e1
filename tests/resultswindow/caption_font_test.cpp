// SPDX-License-Identifier: MIT
// The issue labels' font is condensed just enough for the widest caption. It is chosen from the widths of the
// ten digits; here it must come out as measuring every caption gives, in fonts whose digits differ in width
// and in fonts whose digits are all alike.
#include "resultswindow/issue_label.h"
#include "tests/support/widget_test_support.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>

namespace {

QFont Font(const char* family, int pixels, bool bold) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Every caption measured, as a reader's screen shows them.
int ExpectedStretch(const QFont& font, int width) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int issue = 1; issue <= 380; ++issue)
        widest = std::max(
            widest, metrics.horizontalAdvance(QStringLiteral("[%1]").arg(issue, 3, 10, QLatin1Char('0'))));
    return widest <= width ? font.stretch() : std::max(50, 100 * width / widest);
}

} // namespace

class CaptionFontTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void condensedAsMeasuringEveryCaption_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("width");
        QTest::newRow("the program's own: 9 pt, 25 px") << aoba::DefaultFont() << 25;
        QTest::newRow("IPA P Gothic 12 px") << Font("IPAPGothic", 12, false) << 25;
        QTest::newRow("IPA P Gothic 17 px bold") << Font("IPAPGothic", 17, true) << 25;
        QTest::newRow("IPA P Mincho 15 px") << Font("IPAPMincho", 15, false) << 30;
        QTest::newRow("DejaVu Sans 13 px") << Font("DejaVu Sans", 13, false) << 25;
        QTest::newRow("DejaVu Serif 21 px, to the half") << Font("DejaVu Serif", 21, false) << 20;
        QTest::newRow("Nimbus Sans 14 px") << Font("Nimbus Sans", 14, false) << 25;
        QTest::newRow("URW Bookman 16 px bold") << Font("URW Bookman", 16, true) << 25;
        QTest::newRow("DejaVu Sans Mono 12 px") << Font("DejaVu Sans Mono", 12, false) << 25;
        // A symbol font whose digits all differ in width: the only kind that tells the widest caption apart.
        QTest::newRow("digits of different widths, 20 px") << Font("D050000L", 20, false) << 60;
        QTest::newRow("digits of different widths, 13 px bold") << Font("D050000L", 13, true) << 40;
        QTest::newRow("small enough as it is") << Font("DejaVu Sans", 7, false) << 40;
    }

    void condensedAsMeasuringEveryCaption() {
        QFETCH(QFont, font);
        QFETCH(int, width);
        if (!QFontDatabase::hasFamily(font.family()) && QFont::substitutes(font.family()).isEmpty())
            QSKIP("the font is not installed here");
        const QFont chosen = aoba::CaptionFont(font, width);
        QCOMPARE(chosen.stretch(), ExpectedStretch(font, width));
        QCOMPARE(chosen.family(), font.family());
        QCOMPARE(chosen.pixelSize(), font.pixelSize());
    }
};

QTEST_MAIN(CaptionFontTest)
#include "caption_font_test.moc"

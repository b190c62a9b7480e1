// SPDX-License-Identifier: MIT
// The issue labels' font is condensed just enough for the widest caption, at most to half: to the box's share
// of the widest caption, then narrower while a caption still does not fit. The stretches below were found by
// advancing every caption "[001]" … "[380]" in each font, through Linux's font engine, in fonts whose digits
// differ in width and in fonts whose digits are all alike; scripts/packages.sh installs every font named
// here.
#include "resultswindow/issue_label.h"
#include "tests/support/widget_test_support.h"

#include <QFontDatabase>

namespace {

QFont Font(const char* family, int pixels, bool bold) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

class CaptionFontTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void condensedJustEnoughForTheWidestCaption_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("stretch"); // 0: the font as it is
        QTest::newRow("the program's own: 9 pt, 25 px") << aoba::DefaultFont() << 25 << 83;
        QTest::newRow("IPA P Gothic 12 px") << Font("IPAPGothic", 12, false) << 25 << 83;
        QTest::newRow("IPA P Gothic 17 px bold") << Font("IPAPGothic", 17, true) << 25 << 59;
        QTest::newRow("IPA P Mincho 15 px") << Font("IPAPMincho", 15, false) << 30 << 78;
        QTest::newRow("DejaVu Sans 13 px") << Font("DejaVu Sans", 13, false) << 25 << 70;
        QTest::newRow("DejaVu Serif 21 px, to the half") << Font("DejaVu Serif", 21, false) << 20 << 50;
        QTest::newRow("Nimbus Sans 14 px") << Font("Nimbus Sans", 14, false) << 25 << 80;
        QTest::newRow("URW Bookman 16 px bold") << Font("URW Bookman", 16, true) << 25 << 60;
        QTest::newRow("DejaVu Sans Mono 12 px") << Font("DejaVu Sans Mono", 12, false) << 25 << 69;
        // A symbol font whose digits all differ in width: the only kind that tells the widest caption apart.
        QTest::newRow("digits of different widths, 20 px") << Font("D050000L", 20, false) << 60 << 69;
        QTest::newRow("digits of different widths, 13 px bold") << Font("D050000L", 13, true) << 40 << 71;
        QTest::newRow("small enough as it is") << Font("DejaVu Sans", 7, false) << 40 << 0;
    }

    void condensedJustEnoughForTheWidestCaption() {
        QFETCH(QFont, font);
        QFETCH(int, width);
        QFETCH(int, stretch);
        QVERIFY2(QFontDatabase::hasFamily(font.family()) || !QFont::substitutes(font.family()).isEmpty(),
                 qPrintable(font.family() + QStringLiteral(" is not installed: run scripts/packages.sh")));
        const QFont chosen = aoba::CaptionFont(font, width);
        QCOMPARE(chosen.stretch(), stretch);
        QCOMPARE(chosen.family(), font.family());
        QCOMPARE(chosen.pixelSize(), font.pixelSize());
        QCOMPARE(chosen.bold(), font.bold());
    }
};

QTEST_MAIN(CaptionFontTest)
#include "caption_font_test.moc"

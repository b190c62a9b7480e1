// SPDX-License-Identifier: MIT
// An issue label paints its caption itself, from a picture it keeps, in place of a QLabel: it must look
// exactly as a QLabel with the same caption, font and colours does, and a new font, colour or size must
// show at the next paint.
#include "lookandfeel/look.h"
#include "resultswindow/issue_label.h"
#include "tests/support/issue_captions.h"
#include "tests/support/widget_test_support.h"

#include <QLabel>

namespace {

QImage Shown(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// What a plain QLabel beside the issue label shows with the given caption and the label's look.
QImage AsAQLabel(const aoba::IssueLabel& label, const QString& caption) {
    QLabel plain(caption, label.parentWidget());
    plain.setFont(label.font());
    plain.setPalette(label.palette());
    plain.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plain.setGeometry(label.geometry());
    return Shown(plain);
}

// The widest of the captions "[001]" … "[380]", advanced in the given font.
int WidestCaption(const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& caption : IssueCaptions())
        widest = std::max(widest, metrics.horizontalAdvance(caption));
    return widest;
}

} // namespace

class IssueLabelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void looksAsAQLabelWithItsCaption_data() {
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << QStringLiteral("[001]");
        QTest::newRow("156") << 156 << QStringLiteral("[156]");
        QTest::newRow("380") << 380 << QStringLiteral("[380]");
    }

    void looksAsAQLabelWithItsCaption() {
        QFETCH(int, issue);
        QFETCH(QString, caption);
        QWidget window;
        aoba::FillBackground(window, aoba::kLightGreen);
        aoba::IssueLabel label(issue, &window);
        label.setGeometry(8, 64, 25, 17);
        const QImage shown = Shown(label);
        QCOMPARE(shown, AsAQLabel(label, caption));
        QCOMPARE(shown.pixelColor(24, 16), QColor(192, 255, 192)); // on the window's green
    }

    void aNewFontColourOrSizeShows() {
        QWidget window;
        aoba::FillBackground(window, aoba::kLightGreen);
        aoba::IssueLabel label(45, &window);
        label.setGeometry(8, 64, 25, 17);
        const QImage before = Shown(label);
        QFont font = label.font();
        font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() + 4 : 16);
        label.setFont(font);
        const QImage larger = Shown(label);
        QVERIFY(larger != before);
        QCOMPARE(larger, AsAQLabel(label, QStringLiteral("[045]")));
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label.setPalette(palette);
        QCOMPARE(Shown(label), AsAQLabel(label, QStringLiteral("[045]")));
        label.resize(40, 20);
        QCOMPARE(Shown(label), AsAQLabel(label, QStringLiteral("[045]")));
    }

    // Measured caption by caption, in the fonts the program uses on every system; how much each font is
    // condensed, font by font, is the caption-font test's.
    void everyCaptionFitsInTheFontChosenForIt_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("width");
        QTest::newRow("the program's own, in its 25 px") << aoba::DefaultFont() << 25;
        QTest::newRow("the program's own, in 20 px") << aoba::DefaultFont() << 20;
        QTest::newRow("the program's own, bold, in 30 px") << aoba::GothicFont(12, true) << 30;
        QTest::newRow("the Mincho, in 25 px") << aoba::MinchoFont(10, false) << 25;
        QTest::newRow("wide enough as it is") << aoba::DefaultFont() << 60;
    }

    void everyCaptionFitsInTheFontChosenForIt() {
        QFETCH(QFont, font);
        QFETCH(int, width);
        const QFont chosen = aoba::CaptionFont(font, width);
        const int widest = WidestCaption(chosen);
        QVERIFY2(widest <= width,
                 qPrintable(QStringLiteral("%1 px at stretch %2").arg(widest).arg(chosen.stretch())));
        // Condensed no more than it must be: nearly as wide as at the widest stretch at which all fit.
        // Windows rounds stretched glyphs to whole pixels, so a small font may jump from too wide to a fifth
        // narrower.
        if (chosen.stretch() != QFont::AnyStretch) {
            int best = 0;
            for (int stretch = 99; stretch >= 50 && best == 0; --stretch) {
                QFont stretched = font;
                stretched.setStretch(stretch);
                if (const int w = WidestCaption(stretched); w <= width)
                    best = w;
            }
            QVERIFY2(widest * 10 >= best * 9, qPrintable(QStringLiteral("%1 px at stretch %2, %3 px at best")
                                                             .arg(widest)
                                                             .arg(chosen.stretch())
                                                             .arg(best)));
        }
    }
};

QTEST_MAIN(IssueLabelTest)
#include "issue_label_test.moc"

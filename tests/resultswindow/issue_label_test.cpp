// SPDX-License-Identifier: MIT
// An issue label paints its caption from a picture it keeps: the picture must be what drawing the caption
// gives, and a new font or colour must show at the next paint.
#include "lookandfeel/look.h"
#include "resultswindow/issue_label.h"
#include "tests/support/widget_test_support.h"

#include <QPainter>

namespace {

// The caption drawn straight onto the label's background, as a label without a kept picture would.
QImage Drawn(const QWidget& label, const QString& caption) {
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(label.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    return image;
}

QImage Shown(QWidget& label) {
    return label.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class IssueLabelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void showsTheCaptionAsDrawn_data() {
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << QStringLiteral("[001]");
        QTest::newRow("156") << 156 << QStringLiteral("[156]");
        QTest::newRow("380") << 380 << QStringLiteral("[380]");
    }

    void showsTheCaptionAsDrawn() {
        QFETCH(int, issue);
        QFETCH(QString, caption);
        QWidget window;
        aoba::FillBackground(window, aoba::kLightGreen);
        aoba::IssueLabel label(issue, &window);
        label.setGeometry(8, 64, 25, 17);
        QCOMPARE(Shown(label), Drawn(label, caption));
    }

    void aNewFontOrColourShows() {
        QWidget window;
        aoba::FillBackground(window, aoba::kLightGreen);
        aoba::IssueLabel label(45, &window);
        label.setGeometry(8, 64, 25, 17);
        const QImage before = Shown(label);
        QFont font = label.font();
        font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() + 4 : 16);
        label.setFont(font);
        QCOMPARE(Shown(label), Drawn(label, QStringLiteral("[045]")));
        QVERIFY(Shown(label) != before);
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label.setPalette(palette);
        QCOMPARE(Shown(label), Drawn(label, QStringLiteral("[045]")));
        label.resize(40, 20);
        QCOMPARE(Shown(label), Drawn(label, QStringLiteral("[045]")));
    }
};

QTEST_MAIN(IssueLabelTest)
#include "issue_label_test.moc"

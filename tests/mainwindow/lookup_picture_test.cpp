// SPDX-License-Identifier: MIT
// The lookup buttons paint their picture from a cache: it must be the picture as drawn from its shapes, at
// the screen's device pixel ratio (crisp, not scaled up), and it must reach the button's face.
#include "mainwindow/lookup_button.h"
#include "tests/support/widget_test_support.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

constexpr QColor kOrange{255, 128, 64};

QImage Drawn(qreal ratio, QPointF offset) {
    const QSizeF size =
        QSizeF(aoba::kLookupPictureSize.width() + 1, aoba::kLookupPictureSize.height() + 1) * ratio;
    QImage image(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    aoba::PaintLookupPicture(painter, offset);
    return image;
}

} // namespace

class LookupPictureTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void cachedPictureIsThePictureAtThatRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPointF>("offset");
        QTest::newRow("ratio 1, on whole pixels") << 1.0 << QPointF(0, 0);
        QTest::newRow("ratio 1, half a pixel in") << 1.0 << QPointF(0.5, 0.5);
        QTest::newRow("ratio 1.5, a third of a pixel across") << 1.5 << QPointF(1.0 / 3, 0);
        QTest::newRow("ratio 2, half a device pixel down") << 2.0 << QPointF(0, 0.25);
    }

    void cachedPictureIsThePictureAtThatRatio() {
        QFETCH(qreal, ratio);
        QFETCH(QPointF, offset);
        const QPixmap cached = aoba::LookupPicture(ratio, offset);
        QCOMPARE(cached.devicePixelRatio(), ratio);
        const QImage expected = Drawn(ratio, offset);
        QCOMPARE(cached.size(), expected.size());
        QCOMPARE(cached.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
        QCOMPARE(aoba::LookupPicture(ratio, offset).cacheKey(), cached.cacheKey()); // drawn once
    }

    void differentRatiosGetTheirOwnPicture() {
        QVERIFY(aoba::LookupPicture(1, {}).cacheKey() != aoba::LookupPicture(2, {}).cacheKey());
        QVERIFY(aoba::LookupPicture(1, {}).cacheKey() != aoba::LookupPicture(1, {0.5, 0}).cacheKey());
    }

    // A window shows at one ratio at a time: moving between screens of many ratios does not pile up pictures.
    void picturesOfManyRatiosDoNotPileUp() {
        const qint64 first = aoba::LookupPicture(1, {}).cacheKey();
        for (qreal ratio = 1.25; ratio <= 4; ratio += 0.25)
            aoba::LookupPicture(ratio, {});
        QVERIFY(aoba::LookupPicture(1, {}).cacheKey() != first);
    }

    // The face of a button of the main window's size shows the orange picture where its middle is.
    void theButtonShowsThePicture() {
        aoba::LookupButton button;
        button.resize(81, 33);
        const QImage face = button.grab().toImage();
        int orange = 0;
        for (int x = 10; x < 70; ++x)
            orange += face.pixelColor(x, 4) == kOrange ? 1 : 0;
        QCOMPARE(orange, 60); // the band above the lettering
        int ink = 0;
        for (int x = 10; x < 70; ++x)
            ink += face.pixelColor(x, 16).red() < 160 ? 1 : 0;
        QVERIFY2(ink > 5, qPrintable(QString::number(ink))); // the lettering crosses the middle line
    }
};

QTEST_MAIN(LookupPictureTest)
#include "lookup_picture_test.moc"

// SPDX-License-Identifier: MIT
// The lookup buttons paint their picture from a cache: 目次を見る in dark lettering on orange, drawn at the
// screen's device pixel ratio (crisp, not scaled up) and at its sub-pixel offset, and it must reach the face.
#include "mainwindow/lookup_button.h"
#include "tests/support/widget_test_support.h"

#include <QImage>

namespace {

const QColor kOrange(255, 128, 64);
const QColor kInk(48, 24, 8);

QImage Pixels(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool IsInk(const QColor& c) {
    return c.alpha() == 255 && c.red() < 160;
}

// Neither the orange nor the ink: a pixel the edge of a stroke crosses.
bool IsEdge(const QColor& c) {
    return c.alpha() == 255 && c != kOrange && c != kInk;
}

} // namespace

class LookupPictureTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    // The picture is 86 × 28 logical pixels, with one more column and row for a sub-pixel offset.
    void pictureHasTheSizeOfItsRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ratio 1") << 1.0 << QSize(87, 29);
        QTest::newRow("ratio 1.5: halves round up") << 1.5 << QSize(131, 44);
        QTest::newRow("ratio 2") << 2.0 << QSize(174, 58);
    }

    void pictureHasTheSizeOfItsRatio() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap picture = aoba::LookupPicture(ratio, {});
        QCOMPARE(picture.size(), pixels);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(aoba::LookupPicture(ratio, {}).cacheKey(), picture.cacheKey()); // drawn once
    }

    // On whole pixels the orange fills the picture to its edges and the spare column and row stay clear;
    // half a pixel in, the first and the spare ones are each half covered.
    void pictureSitsAtItsOffset() {
        const QImage whole = Pixels(aoba::LookupPicture(1, {}));
        for (int x = 0; x < 86; ++x) {
            QCOMPARE(whole.pixelColor(x, 0), kOrange);
            QCOMPARE(whole.pixelColor(x, 27), kOrange);
        }
        for (int y = 0; y < 28; ++y) {
            QCOMPARE(whole.pixelColor(0, y), kOrange);
            QCOMPARE(whole.pixelColor(85, y), kOrange);
            QCOMPARE(whole.pixelColor(86, y).alpha(), 0);
        }
        QCOMPARE(whole.pixelColor(40, 28).alpha(), 0);

        const QImage half = Pixels(aoba::LookupPicture(1, {0.5, 0.5}));
        for (const QPoint p : {QPoint(0, 14), QPoint(86, 14), QPoint(40, 0), QPoint(40, 28)}) {
            QVERIFY2(qAbs(half.pixelColor(p).alpha() - 128) <= 2, qPrintable(half.pixelColor(p).name()));
        }
        QCOMPARE(half.pixelColor(1, 1), kOrange);
        QVERIFY(aoba::LookupPicture(1, {}).cacheKey() != aoba::LookupPicture(1, {0.5, 0.5}).cacheKey());
    }

    // The lettering keeps to its box, 7..79 across and 6..20 down (a pixel more for the smoothed edge),
    // its strokes in the dark ink.
    void letteringKeepsToItsBoxInTheInk_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 1.5") << 1.5;
        QTest::newRow("ratio 2") << 2.0;
    }

    void letteringKeepsToItsBoxInTheInk() {
        QFETCH(qreal, ratio);
        const QImage image = Pixels(aoba::LookupPicture(ratio, {}));
        const QRectF box = QRectF(6, 5, 74, 16);
        int ink = 0;
        int solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (!IsInk(c))
                    continue;
                QVERIFY2(box.contains(QPointF(x + 0.5, y + 0.5) / ratio),
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                ++ink;
                solid += c == kInk ? 1 : 0;
            }
        }
        QVERIFY2(ink > 100 * ratio * ratio, qPrintable(QString::number(ink)));
        QVERIFY2(solid > 0, "no pixel of the ink itself");
    }

    // Drawn anew at each ratio, not scaled up: twice the ratio makes four times the strokes' pixels but only
    // twice their edges, so edges are a smaller share of the lettering.
    void higherRatiosAreDrawnSharper() {
        const auto edgeShare = [](qreal ratio) {
            const QImage image = Pixels(aoba::LookupPicture(ratio, {}));
            int edges = 0;
            int lettering = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    edges += IsEdge(c) ? 1 : 0;
                    lettering += IsEdge(c) || c == kInk ? 1 : 0;
                }
            }
            return static_cast<double>(edges) / lettering;
        };
        const double one = edgeShare(1);
        const double two = edgeShare(2);
        QVERIFY2(two < one * 0.8,
                 qPrintable(QStringLiteral("%1 at ratio 2, %2 at ratio 1").arg(two).arg(one)));
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

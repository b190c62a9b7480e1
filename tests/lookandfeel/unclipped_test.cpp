// SPDX-License-Identifier: MIT
// A caption wider than its box runs on to the right only into empty room: short of the next control on its
// rows and of its container's edge, never narrower than laid out.
#include "lookandfeel/unclipped.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<QRect>)

namespace {

// Label1 of the main window: 96, 27, 81 × 17 pixels in a frame 265 wide.
const QRect kBox(96, 27, 81, 17);
const QRect kRoom(0, 0, 265, 97);

} // namespace

class UnclippedTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void widensOnlyIntoEmptyRoom_data() {
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<std::vector<QRect>>("others");
        QTest::addColumn<int>("width");
        const std::vector<QRect> none;
        QTest::newRow("text that fits keeps the box") << 70 << kRoom << none << 81;
        QTest::newRow("text exactly as wide keeps the box") << 81 << kRoom << none << 81;
        QTest::newRow("wider text, nothing beside it: as wide as the text") << 95 << kRoom << none << 95;
        QTest::newRow("a button on its rows stops it short")
            << 95 << kRoom << std::vector<QRect>{{180, 20, 30, 30}} << 84;
        QTest::newRow("the nearest of two buttons stops it")
            << 95 << kRoom << std::vector<QRect>{{190, 27, 20, 17}, {185, 40, 20, 20}} << 89;
        QTest::newRow("a button below its rows is no obstacle")
            << 95 << kRoom << std::vector<QRect>{{168, 48, 81, 33}} << 95;
        QTest::newRow("a button above its rows is no obstacle")
            << 95 << kRoom << std::vector<QRect>{{120, 0, 81, 27}} << 95;
        QTest::newRow("a field to its left is no obstacle")
            << 95 << kRoom << std::vector<QRect>{{8, 24, 89, 18}} << 95;
        QTest::newRow("a control inside the box keeps the box as it is")
            << 95 << kRoom << std::vector<QRect>{{120, 27, 50, 17}} << 81;
        QTest::newRow("the container's edge stops it") << 200 << kRoom << none << 169;
        QTest::newRow("a container narrower than the box keeps the box")
            << 95 << QRect(0, 0, 150, 97) << none << 81;
    }

    void widensOnlyIntoEmptyRoom() {
        QFETCH(int, textWidth);
        QFETCH(QRect, room);
        QFETCH(std::vector<QRect>, others);
        QFETCH(int, width);
        const QRect widened = aoba::Unclipped(kBox, textWidth, room, others);
        QCOMPARE(widened.width(), width);
        QCOMPARE(widened.topLeft(), kBox.topLeft());
        QCOMPARE(widened.height(), kBox.height());
    }

    // The real thing: a label and an option button too narrow for their text, and the controls around them.
    void showWholeWidensACaptionAmongItsNeighbours() {
        QWidget container;
        container.resize(300, 100);
        auto* label = new QLabel(QStringLiteral("a caption much wider than its box"), &container);
        label->setGeometry(10, 10, 30, 17);
        auto* option = new QRadioButton(QStringLiteral("an option wider than its box"), &container);
        option->setGeometry(10, 50, 30, 25);
        auto* fits = new QLabel(QStringLiteral("ok"), &container);
        fits->setGeometry(200, 80, 60, 17);
        (new QPushButton(&container))->setGeometry(100, 5, 50, 30);
        for (QWidget* caption : std::initializer_list<QWidget*>{label, option, fits})
            aoba::ShowWhole(*caption);
        QCOMPARE(label->geometry(), QRect(10, 10, 90, 17));
        QCOMPARE(option->geometry(), QRect(10, 50, option->sizeHint().width(), 25));
        QCOMPARE(fits->geometry(), QRect(200, 80, 60, 17));
    }
};

QTEST_MAIN(UnclippedTest)
#include "unclipped_test.moc"

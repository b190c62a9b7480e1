// SPDX-License-Identifier: MIT
// The real message boxes, each opened as the windows open it and closed from here with its one button, and
// what the reader finds in it while it is open: the icon, the title, the lines, the text as it was written.
// The beep is not here: offscreen it makes no sound to observe.
#include "lookandfeel/feedback.h"
#include "tests/support/expected_texts.h"
#include "tests/support/widget_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {

// What the box showed, read while it was open.
struct Seen {
    bool opened = false;
    const QWidget* over = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool iconShown = false;
    QString title;
    QString text; // as a screen reader reads it: markup would be gone
    QStringList buttons;
};

Seen ReadAndClose(QMessageBox& box) {
    Seen seen{true, box.parentWidget(), box.icon(), false, box.windowTitle(), {}, {}};
    if (const auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        seen.iconShown = icon->isVisible();
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        seen.text = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    for (QAbstractButton* button : box.buttons())
        seen.buttons << (box.standardButton(button) == QMessageBox::Ok ? QStringLiteral("OK")
                                                                       : button->text());
    if (box.buttons().size() == 1)
        QTest::mouseClick(box.buttons().front(), Qt::LeftButton);
    else
        box.reject();
    return seen;
}

} // namespace

class FeedbackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void eachBoxShowsWhatTheReaderIsToSee_data() {
        QTest::addColumn<bool>("refusal"); // else the notice, with its title
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title"); // as it reads: blank, or its words
        QTest::addColumn<QString>("shown");
        QTest::newRow("a refusal: the exclamation, a blank title, two lines")
            << true << expected::kIssueNumberOutOfRange << int{QMessageBox::Warning} << QString()
            << QStringLiteral("青葉便りの発行は380号までです。\n1から380の間の号数を指定してください。");
        QTest::newRow("the no-hits notice: no icon, its title")
            << false << expected::kNoHits << int{QMessageBox::NoIcon} << expected::kNoHitsTitle
            << expected::kNoHits;
        QTest::newRow("markup shows as written")
            << true << QStringLiteral("<b>1</b>から<i>380</i>") << int{QMessageBox::Warning} << QString()
            << QStringLiteral("<b>1</b>から<i>380</i>");
    }

    void eachBoxShowsWhatTheReaderIsToSee() {
        QFETCH(bool, refusal);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QWidget window;
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Seen seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &window, [&seen, &poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                seen = ReadAndClose(*box);
            }
        });
        poll.start();
        // Should the box never close, this ends the wait on it and the test fails below.
        QTimer::singleShot(10000, &window, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        aoba::DialogFeedback feedback;
        if (refusal)
            feedback.Warn(window, text);
        else
            feedback.Inform(window, expected::kNoHitsTitle, text);

        QVERIFY(seen.opened);
        QCOMPARE(seen.over, &window);
        QCOMPARE(int{seen.icon}, icon);
        QCOMPARE(seen.iconShown, icon != QMessageBox::NoIcon);
        // An empty title would not read blank: X11 shows the program's name in its place.
        QVERIFY(!seen.title.isEmpty());
        QCOMPARE(seen.title.trimmed(), title);
        QCOMPARE(seen.text, shown);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(FeedbackTest)
#include "feedback_test.moc"

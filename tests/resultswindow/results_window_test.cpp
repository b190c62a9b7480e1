// SPDX-License-Identifier: MIT
// The search as the reader runs it, and the results window it fills.
#include "core/catalogue_search.h"
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_fonts.h"
#include "tests/support/expected_texts.h"
#include "tests/support/issue_captions.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

#include <memory>

using aoba::IssueLabel;
using aoba::MainWindow;
using aoba::ResultsWindow;

namespace {

std::vector<IssueLabel*> Labels(const ResultsWindow& window) {
    std::vector<IssueLabel*> labels(380);
    for (IssueLabel* label : window.findChildren<IssueLabel*>(QStringLiteral("Label1")))
        labels[static_cast<std::size_t>(label->Issue() - 1)] = label;
    return labels;
}

IssueLabel* LabelOf(const ResultsWindow& window, int issue) {
    return Labels(window)[static_cast<std::size_t>(issue - 1)];
}

std::vector<int> VisibleIssues(const ResultsWindow& window) {
    std::vector<int> visible;
    for (IssueLabel* label : Labels(window))
        if (!label->isHidden())
            visible.push_back(label->Issue());
    return visible;
}

using Issues = std::vector<int>;

const QString kWithHits = QStringLiteral("56号"); // the headers of 56, 156, 256, 356
const Issues kWithHitsIssues{56, 156, 256, 356};
const QString kWithoutHits = QStringLiteral("特別号"); // only in the special issue, never searched
const QString kInEveryIssue = QStringLiteral("号");

} // namespace

class ResultsWindowTest : public WindowFixture {
    Q_OBJECT

    void Search(const QString& needle) {
        Control<QLineEdit>(*window_, "Text2")->setText(needle);
        Click(*window_, "Command7");
    }
    ResultsWindow* Results() const { return window_->Results(); }

private Q_SLOTS:
    void windowIsFixedWithItsTitleBandAndHeader() {
        Search(kWithHits);
        ResultsWindow* form = Results();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), expected::kResultsTitle);
        QCOMPARE(form->size(), QSize(653, 370));
        QVERIFY(!form->parentWidget());
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        auto* band = Control<QLabel>(*form, "Label3");
        auto* header = Control<QLabel>(*form, "Label2");
        QCOMPARE(band->geometry(), QRect(0, 0, 657, 17));
        QCOMPARE(header->geometry(), QRect(0, 8, 657, 49));
        QCOMPARE(header->font().family(), expected::MinchoFamily());
        QCOMPARE(header->font().pointSizeF(), 9.0);
        QVERIFY(header->alignment().testFlag(Qt::AlignHCenter));
        // The header's lines, which the texts part by a lone CR, each on a line of its own.
        QCOMPARE(header->text(), expected::ResultsHeader(kWithHits).replace(u'\r', u'\n'));
        // White from the top edge to the band's foot, beside the header's text; the window's green below it.
        const QImage image = form->grab().toImage();
        for (const QPoint p : {QPoint(3, 3), QPoint(640, 3), QPoint(3, 50), QPoint(640, 50)})
            QCOMPARE(image.pixelColor(p), QColor(255, 255, 255));
        for (const QPoint p : {QPoint(3, 60), QPoint(3, 200), QPoint(640, 366)})
            QCOMPARE(image.pixelColor(p), QColor(192, 255, 192));
    }

    void labelsAndTheirPlaces_data() {
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("description");
        QTest::newRow("1 opens the grid")
            << 1 << QStringLiteral("[001]") << QPoint(8, 64) << QStringLiteral("1号 1972年9月");
        QTest::newRow("9") << 9 << QStringLiteral("[009]") << QPoint(264, 64)
                           << QStringLiteral("9号 1973年9月");
        QTest::newRow("10") << 10 << QStringLiteral("[010]") << QPoint(296, 64)
                            << QStringLiteral("10号 1973年10月");
        QTest::newRow("20 closes row 1")
            << 20 << QStringLiteral("[020]") << QPoint(616, 64) << QStringLiteral("20号 1974年8月");
        QTest::newRow("21 opens row 2")
            << 21 << QStringLiteral("[021]") << QPoint(8, 80) << QStringLiteral("21号 1974年9月");
        QTest::newRow("40 closes row 2")
            << 40 << QStringLiteral("[040]") << QPoint(616, 80) << QStringLiteral("40号 1976年4月");
        QTest::newRow("45: third row, fifth column")
            << 45 << QStringLiteral("[045]") << QPoint(136, 96) << QStringLiteral("45号 1976年9月");
        QTest::newRow("99") << 99 << QStringLiteral("[099]") << QPoint(584, 128)
                            << QStringLiteral("99号 1981年2月");
        QTest::newRow("100 closes row 5")
            << 100 << QStringLiteral("[100]") << QPoint(616, 128) << QStringLiteral("100号 1981年3月");
        QTest::newRow("380 closes the grid")
            << 380 << QStringLiteral("[380]") << QPoint(616, 352) << QStringLiteral("380号 2004年7月");
    }

    void labelsAndTheirPlaces() {
        QFETCH(int, issue);
        QFETCH(QString, text);
        QFETCH(QPoint, place);
        QFETCH(QString, description);
        Search(kInEveryIssue);
        IssueLabel* label = LabelOf(*Results(), issue);
        QCOMPARE(label->Text(), text);
        QCOMPARE(label->geometry(), QRect(place, QSize(25, 17)));
        // What a screen reader hears.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(accessible->text(QAccessible::Name), text);
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void everyLabelHasItsCaption() {
        Search(kInEveryIssue);
        QStringList captions;
        for (const IssueLabel* label : Labels(*Results()))
            captions << label->Text();
        QCOMPARE(captions, IssueCaptions());
        QCOMPARE(VisibleIssues(*Results()).size(), 380u);
    }

    void onlyTheHitsShowEachAtItsPlace() {
        Search(kWithHits);
        QVERIFY(Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()), kWithHitsIssues);
        // The sixteenth column of rows 3, 8, 13 and 18.
        QCOMPARE(LabelOf(*Results(), 56)->pos(), QPoint(488, 96));
        QCOMPARE(LabelOf(*Results(), 156)->pos(), QPoint(488, 176));
        QCOMPARE(LabelOf(*Results(), 256)->pos(), QPoint(488, 256));
        QCOMPARE(LabelOf(*Results(), 356)->pos(), QPoint(488, 336));
        QCOMPARE(Results()->Header(), expected::ResultsHeader(kWithHits));
        QVERIFY(feedback_->said.isEmpty());
    }

    void hitsThenNoneThenHits() {
        Search(kWithHits);
        Search(kWithoutHits);
        QCOMPARE(feedback_->said, QStringList{expected::NoHitsNotice()});
        QVERIFY(!Results()->isVisible());
        QVERIFY(VisibleIssues(*Results()).empty());
        QCOMPARE(Results()->Header(), expected::ResultsHeader(kWithHits)); // the last search that had hits
        Search(QStringLiteral("終刊号"));
        QVERIFY(Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()), Issues{380});
        QCOMPARE(Results()->Header(), expected::ResultsHeader(QStringLiteral("終刊号")));
    }

    void emptySearchHidesTheWindowAndKeepsItsLabels() {
        Search(kWithHits);
        ResultsWindow* form = Results();
        Search(QString());
        QCOMPARE(feedback_->said, QStringList{expected::Warned(expected::kEmptySearch)});
        QCOMPARE(Results(), form);
        QVERIFY(!form->isVisible());
        QCOMPARE(VisibleIssues(*form), kWithHitsIssues);
    }

    void firstSearchCreatesTheWindowEvenWhenEmpty() {
        Search(QString());
        QVERIFY(Results());
        QVERIFY(!Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()).size(), 380u);
    }

    // As with any button, a press counts only when the left button is let go over the label it went down on.
    void clickingALabelShowsItsIssue_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("releasedAt");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a click shows it") << int{Qt::LeftButton} << QPoint(2, 2) << true;
        QTest::newRow("pressed, dragged off and released: nothing")
            << int{Qt::LeftButton} << QPoint(-20, 30) << false;
        QTest::newRow("a right click: nothing") << int{Qt::RightButton} << QPoint(2, 2) << false;
    }

    void clickingALabelShowsItsIssue() {
        QFETCH(int, button);
        QFETCH(QPoint, releasedAt);
        QFETCH(bool, shown);
        Search(kWithHits);
        ResultsWindow* form = Results();
        IssueLabel* label = LabelOf(*form, 156);
        QTest::mousePress(label, static_cast<Qt::MouseButton>(button), {}, QPoint(2, 2));
        QTest::mouseRelease(label, static_cast<Qt::MouseButton>(button), {}, releasedAt);
        QCOMPARE(Shown(*window_), shown ? EntryAsShown(156) : expected::kPlaceholderAsShown);
        QVERIFY(form->isVisible());
        QCOMPARE(VisibleIssues(*form), kWithHitsIssues);
        QCOMPARE(form->Header(), expected::ResultsHeader(kWithHits));
        QVERIFY(feedback_->said.isEmpty());
        // The search brought the results window forward; the click brings the main window back in front.
        QStringList brought{QStringLiteral("Form2")};
        if (shown)
            brought << QStringLiteral("Form1");
        QCOMPARE(foreground_->brought, brought);
    }

    void onlyASearchWithHitsBringsTheResultsWindowForward() {
        Search(kWithoutHits);
        Search(QString());
        QVERIFY(foreground_->brought.isEmpty());
        Search(kWithHits);
        QCOMPARE(foreground_->brought, QStringList{QStringLiteral("Form2")});
        Search(QStringLiteral("終刊号"));
        QCOMPARE(foreground_->brought, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form2")}));
    }

    // Left and Right go through the visible labels in issue order, Up and Down to the nearest visible label
    // in the nearest row above or below, Home and End to the first and the last; at an end the focus stays.
    // Visible in most rows: 3 and 18 in row 1; 45 and 47 in row 3; 150 and 160 in row 8; 379 in row 19.
    void arrowKeysMoveAmongTheVisibleLabels_data() {
        QTest::addColumn<QList<int>>("visible");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        const auto row = [](const char* tag, int from, Qt::Key key, int to,
                            const QList<int>& visible = {3, 18, 45, 47, 150, 160, 379}) {
            QTest::newRow(tag) << visible << from << int{key} << to;
        };
        row("Right: the next issue in the row", 3, Qt::Key_Right, 18);
        row("Right: on into the next row", 18, Qt::Key_Right, 45);
        row("Right: nothing after the last", 379, Qt::Key_Right, 379);
        row("Left: the issue before, across rows", 45, Qt::Key_Left, 18);
        row("Left: within the row", 160, Qt::Key_Left, 150);
        row("Left: nothing before the first", 3, Qt::Key_Left, 3);
        row("Down: the nearer column of the next row", 3, Qt::Key_Down, 45);
        row("Down: the nearest row before a nearer column further down", 18, Qt::Key_Down, 47);
        row("Down: over empty rows", 160, Qt::Key_Down, 379);
        row("Down: nothing below the last row", 379, Qt::Key_Down, 379);
        row("Up: the nearest row before the nearer column", 150, Qt::Key_Up, 47);
        row("Up: over empty rows to the nearer column", 379, Qt::Key_Up, 160);
        row("Up: the nearest row before a nearer column further up", 160, Qt::Key_Up, 47);
        row("Up: nothing above the first row", 18, Qt::Key_Up, 18);
        // 20 closes row 1, 21 opens row 2, 60 closes row 3.
        row("Up: the nearest row, however far along it", 60, Qt::Key_Up, 21, {20, 21, 60});
        row("Down: the nearest row, however far along it", 20, Qt::Key_Down, 21, {20, 21, 60});
        row("Home: the first", 150, Qt::Key_Home, 3);
        row("Home on the first stays", 3, Qt::Key_Home, 3);
        row("End: the last", 18, Qt::Key_End, 379);
    }

    void arrowKeysMoveAmongTheVisibleLabels() {
        QFETCH(QList<int>, visible);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        aoba::SearchHits hits;
        for (int issue : visible)
            hits.Add(issue);
        const auto form = std::make_unique<ResultsWindow>();
        form->SetVisibleIssues(hits);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        LabelOf(*form, from)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        auto* focus = qobject_cast<IssueLabel*>(QApplication::focusWidget());
        QVERIFY(focus);
        QCOMPARE(focus->Issue(), to);
    }

    void keysOpenTheFocusedLabel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int{Qt::Key_Return} << int{Qt::NoModifier};
        QTest::newRow("the keypad's Enter") << int{Qt::Key_Enter} << int{Qt::KeypadModifier};
        QTest::newRow("Space") << int{Qt::Key_Space} << int{Qt::NoModifier};
    }

    void keysOpenTheFocusedLabel() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Search(kWithHits);
        ResultsWindow* form = Results();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        LabelOf(*form, 256)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
        QCOMPARE(Shown(*window_), EntryAsShown(256));
    }

    // The header lines are the catalogue's true ones, whatever texts are put in place.
    void tooltipQuotesTheFirstMatchingLine_data() {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("tip");
        QTest::newRow("156: its header")
            << QStringLiteral("56号") << 156 << QStringLiteral("1985年11月 156号");
        QTest::newRow("80: its header, without the ideographic space at its end")
            << QStringLiteral("80号") << 80 << QStringLiteral("1979年７月　80号");
        QTest::newRow("380: the header of the last issue")
            << QStringLiteral("終刊号") << 380 << QStringLiteral("2004年７月 380号（終刊号）");
    }

    void tooltipQuotesTheFirstMatchingLine() {
        QFETCH(QString, needle);
        QFETCH(int, issue);
        QFETCH(QString, tip);
        Search(needle);
        IssueLabel* label = LabelOf(*Results(), issue);
        QVERIFY(!label->isHidden());
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &help);
        QTRY_COMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void closingTheWindowMakesTheNextSearchCreateAFreshOne() {
        Search(kWithHits);
        QPointer<ResultsWindow> first = Results();
        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!window_->Results());
        Search(QStringLiteral("終刊号"));
        QVERIFY(Results());
        QVERIFY(Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()), Issues{380});
        QCOMPARE(LabelOf(*Results(), 1)->Text(), QStringLiteral("[001]"));
    }

    void enterInTheSearchFieldSearchesAndStillReachesTheField_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int{Qt::Key_Return} << int{Qt::NoModifier};
        QTest::newRow("the keypad's Enter") << int{Qt::Key_Enter} << int{Qt::KeypadModifier};
    }

    void enterInTheSearchFieldSearchesAndStillReachesTheField() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* field = Control<QLineEdit>(*window_, "Text2");
        field->setText(kWithHits);
        QSignalSpy returned(field, &QLineEdit::returnPressed);
        QTest::keyClick(field, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
        QVERIFY(Results() && Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()), kWithHitsIssues);
        QCOMPARE(returned.count(), 1);
    }

    void aHugePastedStringIsHandled() {
        auto* field = Control<QLineEdit>(*window_, "Text2");
        field->setText(QString(100000, QChar(u'青')));
        Click(*window_, "Command7");
        QCOMPARE(feedback_->said.size(), 1);
        QVERIFY(feedback_->said.front().startsWith(QStringLiteral("inform ")));
        QVERIFY(!Results()->isVisible());
    }

    void closingTheMainWindowEndsTheProgramWhileResultsAreShown() {
        Search(kWithHits);
        QPointer<ResultsWindow> form = Results();
        // Qt decides to quit only inside its event loop; should it not, the second timer ends the loop.
        bool endedByClose = true;
        QTimer::singleShot(0, window_.get(), &QWidget::close);
        QTimer::singleShot(10000, qApp, [&endedByClose] {
            endedByClose = false;
            QCoreApplication::quit();
        });
        QApplication::exec();
        QVERIFY(endedByClose);
        window_.reset();
        QVERIFY(!form);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"

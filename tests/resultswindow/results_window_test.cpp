// SPDX-License-Identifier: MIT
// The search as the reader runs it, and the results window it fills.
#include "core/catalogue_search.h"
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/support/expected_fonts.h"
#include "tests/support/expected_texts.h"
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

class ResultsWindowTest : public QObject, WindowFixture {
    Q_OBJECT

    void Search(const QString& needle) {
        Control<QLineEdit>(*window_, "Text2")->setText(needle);
        Click(*window_, "Command7");
    }
    ResultsWindow* Results() const { return window_->Results(); }

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void init() {
        OpenWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void window() {
        Search(kWithHits);
        ResultsWindow* form = Results();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), expected::kResultsTitle);
        QCOMPARE(form->size(), QSize(653, 370));
        QVERIFY(!form->parentWidget());
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(192, 255, 192));
        auto* band = Control<QLabel>(*form, "Label3");
        auto* header = Control<QLabel>(*form, "Label2");
        QCOMPARE(band->geometry(), QRect(0, 0, 657, 17));
        QCOMPARE(header->geometry(), QRect(0, 8, 657, 49));
        QCOMPARE(band->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(header->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(header->font().family(), expected::MinchoFamily());
        QCOMPARE(header->font().pointSizeF(), 9.0);
        QVERIFY(header->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(header->text().split(QLatin1Char('\n')).size(), 3);
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
        const std::vector<IssueLabel*> labels = Labels(*Results());
        for (int issue = 1; issue <= 380; ++issue)
            QCOMPARE(labels[static_cast<std::size_t>(issue - 1)]->Text(),
                     QStringLiteral("[%1]").arg(issue, 3, 10, QLatin1Char('0')));
        QCOMPARE(VisibleIssues(*Results()).size(), 380u);
    }

    void onlyTheHitsShowEachAtItsPlace() {
        Search(kWithHits);
        QVERIFY(Results()->isVisible());
        QCOMPARE(VisibleIssues(*Results()), kWithHitsIssues);
        QCOMPARE(LabelOf(*Results(), 156)->pos(), QPoint(8 + 32 * 15, 64 + 16 * 7));
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

    void clickingALabelShowsItsIssue() {
        Search(kWithHits);
        ResultsWindow* form = Results();
        QTest::mouseClick(LabelOf(*form, 156), Qt::LeftButton);
        QCOMPARE(Shown(*window_), EntryAsShown(156));
        QVERIFY(form->isVisible());
        QCOMPARE(VisibleIssues(*form), kWithHitsIssues);
        QCOMPARE(form->Header(), expected::ResultsHeader(kWithHits));
        QVERIFY(feedback_->said.isEmpty());
        // The search brought the results window forward; the click brings the main window back in front.
        QCOMPARE(foreground_->brought, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form1")}));
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

    void headerQuotesTheStringOnItsSecondLine() {
        Search(kWithHits);
        QCOMPARE(Results()->Header(),
                 QStringLiteral(
                     "検索された文字列\r　　　　　『56号』　　　は、\r"
                     "以下の号の目次で発見されました。（号番をクリックすると、その号の目次が表示されます）"));
        QCOMPARE(Control<QLabel>(*Results(), "Label2")->text(),
                 QStringLiteral(
                     "検索された文字列\n　　　　　『56号』　　　は、\n"
                     "以下の号の目次で発見されました。（号番をクリックすると、その号の目次が表示されます）"));
    }

    void keyboardReachesAndOpensTheLabels() {
        Search(kWithHits);
        ResultsWindow* form = Results();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        LabelOf(*form, 56)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), LabelOf(*form, 156));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // nearest below: 256, five rows down
        QCOMPARE(QApplication::focusWidget(), LabelOf(*form, 256));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(QApplication::focusWidget(), LabelOf(*form, 356));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // nothing beyond the last
        QCOMPARE(QApplication::focusWidget(), LabelOf(*form, 356));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Shown(*window_), EntryAsShown(356));
        QTest::keyClick(LabelOf(*form, 56), Qt::Key_Space);
        QCOMPARE(Shown(*window_), EntryAsShown(56));
    }

    void tooltipQuotesTheFirstMatchingLine() {
        Search(QStringLiteral("＝「"));
        ResultsWindow* form = Results();
        const int issue = VisibleIssues(*form).front();
        IssueLabel* label = LabelOf(*form, issue);
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &help);
        const QString line =
            aoba::FirstLineContaining(aoba::EntryText(issue), QStringLiteral("＝「")).toString();
        QTRY_COMPARE(QToolTip::text(), line.trimmed());
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

    void enterInTheSearchFieldSearchesAndStillReachesTheField() {
        auto* field = Control<QLineEdit>(*window_, "Text2");
        field->setText(kWithHits);
        QSignalSpy returned(field, &QLineEdit::returnPressed);
        QTest::keyClick(field, Qt::Key_Return);
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

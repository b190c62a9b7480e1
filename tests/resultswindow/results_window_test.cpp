// The search as the reader runs it, and the results window it fills.
#include "core/catalogue_search.h"
#include "resultswindow/issue_label.h"
#include "texts/messages.h"
#include "tests/support/recording_feedback.h"
#include "resultswindow/results_window.h"
#include "tests/support/widget_test_support.h"

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

class ResultsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFeedback> feedback_;
    std::unique_ptr<MainWindow> window_;

    void search(const QString& needle) {
        Control<QLineEdit>(*window_, "Text2")->setText(needle);
        Click(*window_, "Command7");
    }
    ResultsWindow* results() const { return window_->Results(); }

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void init() {
        feedback_ = std::make_unique<RecordingFeedback>();
        window_ = std::make_unique<MainWindow>(*feedback_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void window() {
        search(kWithHits);
        ResultsWindow* form = results();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), QStringLiteral("目次検索結果"));
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
        QCOMPARE(header->font().family(), QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(header->font().pointSizeF(), 9.0);
        QVERIFY(header->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(header->text().split(QLatin1Char('\n')).size(), 3);
    }

    void labelsAndTheirPlaces_data() {
        QTest::addColumn<int>("issue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("1 opens the grid") << 1 << QStringLiteral("[001]") << QPoint(8, 64);
        QTest::newRow("9") << 9 << QStringLiteral("[009]") << QPoint(264, 64);
        QTest::newRow("10") << 10 << QStringLiteral("[010]") << QPoint(296, 64);
        QTest::newRow("20 closes row 1") << 20 << QStringLiteral("[020]") << QPoint(616, 64);
        QTest::newRow("21 opens row 2") << 21 << QStringLiteral("[021]") << QPoint(8, 80);
        QTest::newRow("40 closes row 2") << 40 << QStringLiteral("[040]") << QPoint(616, 80);
        QTest::newRow("45: third row, fifth column") << 45 << QStringLiteral("[045]") << QPoint(136, 96);
        QTest::newRow("99") << 99 << QStringLiteral("[099]") << QPoint(584, 128);
        QTest::newRow("100 closes row 5") << 100 << QStringLiteral("[100]") << QPoint(616, 128);
        QTest::newRow("380 closes the grid") << 380 << QStringLiteral("[380]") << QPoint(616, 352);
    }

    void labelsAndTheirPlaces() {
        QFETCH(int, issue);
        QFETCH(QString, text);
        QFETCH(QPoint, place);
        search(kInEveryIssue);
        IssueLabel* label = LabelOf(*results(), issue);
        QCOMPARE(label->Text(), text);
        QCOMPARE(label->geometry(), QRect(place, QSize(25, 17)));
        QCOMPARE(label->accessibleName(), text);
        QVERIFY(label->accessibleDescription().startsWith(QStringLiteral("%1号 ").arg(issue)));
    }

    void everyLabelHasItsCaption() {
        search(kInEveryIssue);
        const std::vector<IssueLabel*> labels = Labels(*results());
        for (int issue = 1; issue <= 380; ++issue)
            QCOMPARE(labels[static_cast<std::size_t>(issue - 1)]->Text(), aoba::IssueCaption(issue));
        QCOMPARE(VisibleIssues(*results()).size(), 380u);
    }

    void onlyTheHitsShowEachAtItsPlace() {
        search(kWithHits);
        QVERIFY(results()->isVisible());
        QCOMPARE(VisibleIssues(*results()), kWithHitsIssues);
        QCOMPARE(LabelOf(*results(), 156)->pos(), QPoint(8 + 32 * 15, 64 + 16 * 7));
        QCOMPARE(results()->Header(), aoba::ResultsHeader(kWithHits));
        QVERIFY(feedback_->said.isEmpty());
    }

    void hitsThenNoneThenHits() {
        search(kWithHits);
        search(kWithoutHits);
        QCOMPARE(feedback_->said,
                 QStringList{QStringLiteral("inform %1: %2")
                                 .arg(aoba::messages::NoHitsTitle(), aoba::messages::NoHits())});
        QVERIFY(!results()->isVisible());
        QVERIFY(VisibleIssues(*results()).empty());
        QCOMPARE(results()->Header(), aoba::ResultsHeader(kWithHits)); // the last search that had hits
        search(QStringLiteral("終刊号"));
        QVERIFY(results()->isVisible());
        QCOMPARE(VisibleIssues(*results()), Issues{380});
        QCOMPARE(results()->Header(), aoba::ResultsHeader(QStringLiteral("終刊号")));
    }

    void emptySearchHidesTheWindowAndKeepsItsLabels() {
        search(kWithHits);
        ResultsWindow* form = results();
        search(QString());
        QCOMPARE(feedback_->said, QStringList{QStringLiteral("warn: ") + aoba::messages::EmptySearch()});
        QCOMPARE(results(), form);
        QVERIFY(!form->isVisible());
        QCOMPARE(VisibleIssues(*form), kWithHitsIssues);
    }

    void firstSearchCreatesTheWindowEvenWhenEmpty() {
        search(QString());
        QVERIFY(results());
        QVERIFY(!results()->isVisible());
        QCOMPARE(VisibleIssues(*results()).size(), 380u);
    }

    void clickingALabelShowsItsIssue() {
        search(kWithHits);
        ResultsWindow* form = results();
        QTest::mouseClick(LabelOf(*form, 156), Qt::LeftButton);
        QCOMPARE(Shown(*window_), EntryAsShown(156));
        QVERIFY(form->isVisible());
        QCOMPARE(VisibleIssues(*form), kWithHitsIssues);
        QCOMPARE(form->Header(), aoba::ResultsHeader(kWithHits));
        QVERIFY(feedback_->said.isEmpty());
        QTRY_COMPARE(QApplication::activeWindow(), window_.get());
    }

    void keyboardReachesAndOpensTheLabels() {
        search(kWithHits);
        ResultsWindow* form = results();
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
        search(QStringLiteral("＝「"));
        ResultsWindow* form = results();
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
        search(kWithHits);
        QPointer<ResultsWindow> first = results();
        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!window_->Results());
        search(QStringLiteral("終刊号"));
        QVERIFY(results());
        QVERIFY(results()->isVisible());
        QCOMPARE(VisibleIssues(*results()), Issues{380});
        QCOMPARE(LabelOf(*results(), 1)->Text(), QStringLiteral("[001]"));
    }

    void enterInTheSearchFieldSearchesAndStillReachesTheField() {
        auto* field = Control<QLineEdit>(*window_, "Text2");
        field->setText(kWithHits);
        QSignalSpy returned(field, &QLineEdit::returnPressed);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(results() && results()->isVisible());
        QCOMPARE(VisibleIssues(*results()), kWithHitsIssues);
        QCOMPARE(returned.count(), 1);
    }

    void aHugePastedStringIsHandled() {
        auto* field = Control<QLineEdit>(*window_, "Text2");
        field->setText(QString(100000, QChar(u'青')));
        Click(*window_, "Command7");
        QCOMPARE(feedback_->said.size(), 1);
        QVERIFY(feedback_->said.front().startsWith(QStringLiteral("inform ")));
        QVERIFY(!results()->isVisible());
    }

    void closingTheMainWindowEndsTheProgramWhileResultsAreShown() {
        search(kWithHits);
        QPointer<ResultsWindow> form = results();
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

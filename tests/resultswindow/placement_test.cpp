// SPDX-License-Identifier: MIT
// Where the results window appears on a desktop with a window manager: a window the reader moved comes back
// where it was left when the next search shows it; a window created anew is placed by the window manager.
// Runs on a real X server with openbox (see tests/support/with_window_manager.sh); xdotool moves the window
// through the window manager, as a drag of its title bar does.
#include "lookandfeel/foreground.h"
#include "mainwindow/main_window.h"
#include "resultswindow/results_window.h"
#include "tests/support/recording_feedback.h"
#include "tests/support/widget_test_support.h"

#include <QLineEdit>
#include <QProcess>

#include <memory>

namespace {

void MoveLikeTheReader(QWidget& window, QPoint to) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(window.winId()),
                                              QString::number(to.x()), QString::number(to.y())});
    QVERIFY(xdotool.waitForFinished(5000));
    QCOMPARE(xdotool.exitCode(), 0);
}

// The place once the window manager has stopped moving the window.
QPoint SettledPlace(const QWidget& window) {
    QPoint place = window.pos();
    for (int i = 0; i < 10; ++i) {
        QTest::qWait(50);
        if (window.pos() == place && i >= 3)
            break;
        place = window.pos();
    }
    return place;
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingFeedback> feedback_;
    aoba::DesktopForeground foreground_;
    std::unique_ptr<aoba::MainWindow> window_;

    aoba::ResultsWindow* SearchFor(const QString& needle) {
        Control<QLineEdit>(*window_, "Text2")->setText(needle);
        Click(*window_, "Command7");
        aoba::ResultsWindow* results = window_->Results();
        if (results && !QTest::qWaitForWindowExposed(results))
            return nullptr;
        return results;
    }

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void init() {
        feedback_ = std::make_unique<RecordingFeedback>();
        window_ = std::make_unique<aoba::MainWindow>(*feedback_, foreground_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void aMovedWindowComesBackWhereTheReaderLeftIt() {
        aoba::ResultsWindow* results = SearchFor(QStringLiteral("56号"));
        QVERIFY(results);
        const QPoint placedByTheManager = SettledPlace(*results);
        const QPoint target = placedByTheManager.x() > 200 ? QPoint(40, 420) : QPoint(400, 420);
        MoveLikeTheReader(*results, target);
        QTRY_VERIFY(results->pos() != placedByTheManager);
        const QPoint left = SettledPlace(*results);

        QVERIFY(SearchFor(QStringLiteral("終刊号")) == results);
        QCOMPARE(SettledPlace(*results), left);
        QVERIFY(SearchFor(QStringLiteral("56号")) == results);
        QCOMPARE(SettledPlace(*results), left);
        QVERIFY(feedback_->said.isEmpty());
    }

    void aWindowCreatedAnewIsPlacedByTheManager() {
        aoba::ResultsWindow* first = SearchFor(QStringLiteral("56号"));
        QVERIFY(first);
        const QPoint placedByTheManager = SettledPlace(*first);
        MoveLikeTheReader(*first, QPoint(placedByTheManager.x() > 200 ? 40 : 400, 420));
        QTRY_VERIFY(first->pos() != placedByTheManager);
        QPointer<aoba::ResultsWindow> closed = first;
        first->close();
        QTRY_VERIFY(!closed);

        aoba::ResultsWindow* fresh = SearchFor(QStringLiteral("56号"));
        QVERIFY(fresh);
        QCOMPARE(SettledPlace(*fresh), placedByTheManager);
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"

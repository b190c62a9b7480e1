// SPDX-License-Identifier: MIT
#include "tests/support/window_fixture.h"

#include "tests/support/widget_test_support.h"

WindowFixture::WindowFixture(Wait wait)
    : wait_(wait) {}

void WindowFixture::initTestCase() {
    StartLikeTheProgram();
}

void WindowFixture::init() {
    feedback_ = std::make_unique<RecordingFeedback>();
    foreground_ = std::make_unique<RecordingForeground>();
    window_ = std::make_unique<aoba::MainWindow>(*feedback_, *foreground_);
    window_->show();
    if (wait_ == Wait::Active) {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
}

// The results window goes with the main window; a tooltip or a box left open would fail the next test.
void WindowFixture::cleanup() {
    window_.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

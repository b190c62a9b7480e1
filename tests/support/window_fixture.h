// SPDX-License-Identifier: MIT
// A fresh main window for each test, its message boxes, beeps and raising recorded instead of done.
#pragma once

#include "mainwindow/main_window.h"
#include "tests/support/recording_feedback.h"
#include "tests/support/recording_foreground.h"

#include <memory>

class WindowFixture {
protected:
    // Call from init(); wait for the window there, as the test needs it.
    void OpenWindow() {
        feedback_ = std::make_unique<RecordingFeedback>();
        foreground_ = std::make_unique<RecordingForeground>();
        window_ = std::make_unique<aoba::MainWindow>(*feedback_, *foreground_);
        window_->show();
    }

    std::unique_ptr<RecordingFeedback> feedback_;
    std::unique_ptr<RecordingForeground> foreground_;
    std::unique_ptr<aoba::MainWindow> window_; // last, so it goes first
};

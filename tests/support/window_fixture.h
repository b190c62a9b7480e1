// SPDX-License-Identifier: MIT
// A fresh main window for each test, its message boxes, beeps and raising recorded instead of done. A test
// class derives from it and gets its initTestCase(), init() and cleanup(): the program's start-up once, a
// window shown before each test, and none left over after it.
#pragma once

#include "mainwindow/main_window.h"
#include "tests/support/recording_feedback.h"
#include "tests/support/recording_foreground.h"

#include <QObject>

#include <memory>

class WindowFixture : public QObject {
    Q_OBJECT

public:
    // How long init() waits: until the window is on the screen, or until it is active too, for tests that
    // type into it or move its focus.
    enum class Wait { Exposed, Active };
    explicit WindowFixture(Wait wait = Wait::Exposed);

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

protected:
    std::unique_ptr<RecordingFeedback> feedback_;
    std::unique_ptr<RecordingForeground> foreground_;
    std::unique_ptr<aoba::MainWindow> window_; // last, so it goes first

private:
    Wait wait_;
};

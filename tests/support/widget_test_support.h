// SPDX-License-Identifier: MIT
// What the widget tests share: the start-up the program does, and reading the main window as a user sees it.
#pragma once

#include "lookandfeel/look.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

// The offscreen platform cannot raise a window or size one to its contents and says so each time; that says
// nothing about the program.
inline QtMessageHandler& TestMessageHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void QuietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()") &&
        message != QLatin1String("This plugin does not support propagateSizeHints()") && TestMessageHandler())
        TestMessageHandler()(type, context, message);
}

inline void StartLikeTheProgram() {
    TestMessageHandler() = qInstallMessageHandler(QuietAboutRaising);
    aoba::ChooseFontFamilies();
    QApplication::setFont(aoba::DefaultFont());
}

template <class Widget = QWidget> Widget* Control(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// The main window's contents pane as the document holds it: lines end in LF there.
inline QString Shown(const QWidget& window) {
    return Control<QPlainTextEdit>(window, "Text3")->toPlainText();
}

inline void Click(const QWidget& window, const char* button) {
    QTest::mouseClick(Control(window, button), Qt::LeftButton);
}

// SPDX-License-Identifier: MIT
// What the widget tests share: the start-up the program does, and reading the main window as a user sees it.
#pragma once

#include "core/entry_store.h"
#include "lookandfeel/look.h"
#include "mainwindow/main_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

// The offscreen platform cannot raise a window and says so each time; that says nothing about the program.
inline QtMessageHandler& TestMessageHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void QuietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()") && TestMessageHandler())
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

// The contents pane as the document holds it: lines end in LF there.
inline QString Shown(const aoba::MainWindow& window) {
    return Control<QPlainTextEdit>(window, "Text3")->toPlainText();
}

inline QString AsShown(QStringView entry) {
    return entry.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline QString EntryAsShown(int n) {
    return AsShown(aoba::EntryText(n));
}

inline void Click(const QWidget& window, const char* button) {
    QTest::mouseClick(Control(window, button), Qt::LeftButton);
}

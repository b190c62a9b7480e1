// SPDX-License-Identifier: MIT
// Start-up only: the application, the fonts, the main window.
#include "mainwindow/main_window.h"
#include "widgets/feedback.h"
#include "widgets/foreground.h"
#include "widgets/look.h"

#include <QApplication>
#include <QIcon>

namespace {

// Title bars and task switchers want 16 to 48 pixels; desktops take the larger sizes from the installed theme
// through the desktop entry. Asking the theme here would parse its index at every start, and the sizes given
// let each picture be decoded only when something asks for it.
QIcon WindowIcon() {
    QIcon builtIn;
    for (int size : {16, 32, 48})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/aoba-search.png").arg(size), QSize(size, size));
    return builtIn;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("aoba-search"));
    QGuiApplication::setDesktopFileName(QStringLiteral("aoba-search"));
    QApplication::setWindowIcon(WindowIcon());
    aoba::RegisterFontSubstitutes();
    QApplication::setFont(aoba::DefaultFont());

    aoba::DialogFeedback feedback;
    aoba::DesktopForeground foreground;
    aoba::MainWindow window(feedback, foreground);
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: MIT
// Start-up only: the answer on the terminal, or the application, the fonts and the main window.
#include "cli/command_line.h"
#include "lookandfeel/feedback.h"
#include "lookandfeel/foreground.h"
#include "lookandfeel/look.h"
#include "mainwindow/main_window.h"

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
    // No display name: Qt would append it to every window title.
    QCoreApplication::setApplicationName(QStringLiteral("aoba-search"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AOBA_VERSION));

    // The arguments are read before any QApplication exists: that would need a display, and a terminal
    // answer must not.
    const QStringList arguments = aoba::cli::Arguments(argc, argv);
    if (aoba::cli::WantsTerminal(arguments)) {
        const QCoreApplication terminal(argc, argv);
        return aoba::cli::Print(aoba::cli::Run(arguments));
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("aoba-search"));
    QApplication::setWindowIcon(WindowIcon());
    aoba::ChooseFontFamilies();
    QApplication::setFont(aoba::DefaultFont());

    aoba::DialogFeedback feedback;
    aoba::DesktopForeground foreground;
    aoba::MainWindow window(feedback, foreground);
    window.show();
    return QApplication::exec();
}

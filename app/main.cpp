// Start-up only: the application, the fonts, the main window.
#include "feedback.h"
#include "look.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("aoba-search"));
    QGuiApplication::setDesktopFileName(QStringLiteral("aoba-search"));
    aoba::RegisterFontSubstitutes();
    QApplication::setFont(aoba::DefaultFont());

    aoba::DialogFeedback feedback;
    aoba::MainWindow window(feedback);
    feedback.setParent(&window);
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: MIT
// aoba-bench-bare plain|captioned: a baseline main window as a program of its own, started and timed as the
// program is.
#include "bench/bare_windows.h"

#include <QApplication>

#include <memory>
#include <string_view>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool captioned = argc > 1 && std::string_view(argv[1]) == "captioned";
    const std::unique_ptr<QWidget> window(captioned ? bench::NewCaptionedMainWindow()
                                                    : bench::NewBareMainWindow());
    window->show();
    return QApplication::exec();
}

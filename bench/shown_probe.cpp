// SPDX-License-Identifier: MIT
// Loaded into a program at start (LD_PRELOAD), so the program is timed as it is, unchanged: once its first
// window has been exposed and painted, prints "shown <peak resident kB>" on stdout and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

class ShownProbe final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || queued_)
            return false;
        const auto* window = qobject_cast<QWindow*>(watched);
        if (window && window->isExposed()) {
            // The window paints and flushes while it handles this event; the report waits for that.
            queued_ = true;
            QMetaObject::invokeMethod(this, &ShownProbe::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report() {
        std::printf("shown %ld\n", PeakResidentKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool queued_ = false;
};

void Install() {
    unsetenv("LD_PRELOAD"); // not into anything the program starts
    QCoreApplication::instance()->installEventFilter(new ShownProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)

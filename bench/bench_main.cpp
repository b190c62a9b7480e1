// SPDX-License-Identifier: MIT
// aoba-bench: prints how fast and how big the program is, each figure beside a baseline measured in the
// same run on the same machine, and their ratio. It asserts nothing: shared machines are too noisy.
//   aoba-bench [--runs N]            all measurements, as a Markdown table
//   aoba-bench --child main|bare     (internal) show one window, report, exit
#include "bench/bare_windows.h"
#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "mainwindow/main_window.h"
#include "resultswindow/results_window.h"
#include "widgets/feedback.h"
#include "widgets/foreground.h"
#include "widgets/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds of one call, median of many.
double MedianMicros(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return Median(times);
}

void WaitUntilExposed(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

long PeakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

class SilentFeedback final : public aoba::Feedback {
public:
    void Beep() override {}
    void Warn(QWidget&, QStringView) override {}
    void Inform(QWidget&, QStringView, QStringView) override {}
};

// A start-up as the program does it, or the bare baseline; reports once the window is on screen.
int RunChild(int argc, char** argv, bool ours) {
    QApplication app(argc, argv);
    SilentFeedback feedback;
    aoba::DesktopForeground foreground;
    std::unique_ptr<QWidget> window;
    if (ours) {
        aoba::RegisterFontSubstitutes();
        QApplication::setFont(aoba::DefaultFont());
        window = std::make_unique<aoba::MainWindow>(feedback, foreground);
    } else {
        window.reset(bench::NewBareMainWindow());
    }
    window->show();
    WaitUntilExposed(*window);
    std::printf("shown %ld\n", PeakResidentKilobytes());
    std::fflush(stdout);
    return 0;
}

struct StartUp {
    double millis;
    double kilobytes;
};

StartUp MeasureStartUp(const QString& program, const QString& kind, int runs) {
    std::vector<double> times;
    std::vector<double> memory;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(program, {QStringLiteral("--child"), kind});
        while (child.waitForReadyRead(10000) && !child.canReadLine()) {
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        memory.push_back(child.readLine().mid(6).trimmed().toDouble());
        child.waitForFinished(10000);
    }
    return {Median(times), Median(memory)};
}

struct Row {
    QString what;
    double ours;
    double baseline;
    QString unit;
    QString baselineName;
};

void Print(const std::vector<Row>& rows) {
    std::printf("| measure | aoba-search | baseline | ratio | baseline is |\n|---|---:|---:|---:|---|\n");
    for (const Row& row : rows)
        std::printf("| %s | %.1f %s | %.1f %s | %.2f | %s |\n", qPrintable(row.what), row.ours,
                    qPrintable(row.unit), row.baseline, qPrintable(row.unit), row.ours / row.baseline,
                    qPrintable(row.baselineName));
}

std::u16string_view View(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

int PlainFindCount(std::u16string_view needle) {
    int hits = 0;
    for (int issue = 1; issue <= 380; ++issue)
        hits += View(aoba::EntryText(issue)).find(needle) != std::u16string_view::npos ? 1 : 0;
    return hits;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--child")
        return RunChild(argc, argv, std::string_view(argv[2]) == "main");
    int runs = 201;
    if (argc == 3 && std::string_view(argv[1]) == "--runs")
        runs = std::max(3, std::atoi(argv[2]));

    QApplication app(argc, argv);
    std::vector<Row> rows;
    volatile int sink = 0;

    const QString self = QCoreApplication::applicationFilePath();
    const int startRuns = std::max(3, runs / 10);
    const StartUp bareStart = MeasureStartUp(self, QStringLiteral("bare"), startRuns);
    const StartUp ourStart = MeasureStartUp(self, QStringLiteral("main"), startRuns);
    const QString bareName = QStringLiteral("a plain window with the same 23 controls");
    rows.push_back({QStringLiteral("start-up to the main window shown"), ourStart.millis, bareStart.millis,
                    QStringLiteral("ms"), bareName});
    rows.push_back({QStringLiteral("peak memory"), ourStart.kilobytes / 1024, bareStart.kilobytes / 1024,
                    QStringLiteral("MiB"), bareName});

    const struct {
        const char* tag;
        QString needle;
    } needles[] = {
        {"search, a word in 20 entries (センター)", QStringLiteral("センター")},
        {"search, in every entry (号)", QStringLiteral("号")},
        {"search, found nowhere (〜)", QStringLiteral("\u301C")},
        {"search, a 40-character string",
         QStringLiteral("検索された文字列は以下の号の目次で発見されました。号番をクリックすると")},
    };
    for (const auto& row : needles) {
        const QString& needle = row.needle;
        const std::u16string_view plain = View(needle);
        const double ours = MedianMicros(runs, [&] { sink = sink + aoba::SearchCatalogue(needle).Count(); });
        const double base = MedianMicros(runs, [&] { sink = sink + PlainFindCount(plain); });
        rows.push_back({QString::fromUtf8(row.tag), ours, base, QStringLiteral("µs"),
                        QStringLiteral("a std::u16string_view::find loop over the same 380 texts")});
    }

    aoba::RegisterFontSubstitutes();
    QApplication::setFont(aoba::DefaultFont());
    SilentFeedback feedback;
    aoba::DesktopForeground foreground;
    aoba::MainWindow window(feedback, foreground);
    window.show();
    WaitUntilExposed(window);
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* searchButton = window.findChild<QAbstractButton*>(QStringLiteral("Command7"));
    field->setText(QStringLiteral("センター"));
    const int windowRuns = std::max(3, runs / 5);

    const double firstSearch = MedianMicros(windowRuns, [&] {
        if (aoba::ResultsWindow* results = window.Results())
            delete results;
        searchButton->click();
        WaitUntilExposed(*window.Results());
    });
    const double firstBare = MedianMicros(windowRuns, [&] {
        std::unique_ptr<QWidget> bare(bench::NewBareLabelWindow());
        bare->show();
        WaitUntilExposed(*bare);
    });
    rows.push_back({QStringLiteral("first search to the results window shown (creates it)"),
                    firstSearch / 1000, firstBare / 1000, QStringLiteral("ms"),
                    QStringLiteral("creating and showing a window of 380 plain labels")});

    const double againSearch = MedianMicros(windowRuns, [&] {
        searchButton->click();
        WaitUntilExposed(*window.Results());
    });
    std::unique_ptr<QWidget> bare(bench::NewBareLabelWindow());
    const double againBare = MedianMicros(windowRuns, [&] {
        bare->hide();
        bare->show();
        WaitUntilExposed(*bare);
    });
    rows.push_back({QStringLiteral("search to the results window shown again"), againSearch / 1000,
                    againBare / 1000, QStringLiteral("ms"),
                    QStringLiteral("hiding and showing that window of 380 labels")});

    auto* pane = window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
    const double show = MedianMicros(runs, [&] {
        window.ShowIssue(380);
        pane->viewport()->repaint();
    });
    QPlainTextEdit plainPane;
    plainPane.resize(pane->size());
    plainPane.show();
    WaitUntilExposed(plainPane);
    const QString longest = aoba::EntryText(380).toString();
    const double showBare = MedianMicros(runs, [&] {
        plainPane.setPlainText(longest);
        plainPane.viewport()->repaint();
    });
    rows.push_back({QStringLiteral("ShowIssue(380), the longest entry, painted"), show, showBare,
                    QStringLiteral("µs"),
                    QStringLiteral("the same text into a plain QPlainTextEdit of the same size")});

    std::printf("Platform: %s; %d runs a median (start-up %d, windows %d).\n\n",
                qPrintable(QGuiApplication::platformName()), runs, startRuns, windowRuns);
    Print(rows);
    return 0;
}

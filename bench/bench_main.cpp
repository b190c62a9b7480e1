// SPDX-License-Identifier: MIT
// aoba-bench: prints how fast and how big the program is, each figure beside a baseline measured in the
// same run on the same machine, pair by pair in turn, with their ratio and the target. It asserts nothing:
// shared machines are too noisy. Run it under a session bus (scripts/bench.sh does), or every Qt program it
// starts forks dbus-launch first.
//   aoba-bench [--runs N]                         all measurements, N pairs each, as a Markdown table
//   aoba-bench --child first-search|first-labels  (internal) one first showing in a fresh process
//   aoba-bench --count-again ours|baseline N      (internal) N showings again inside CountedShowings, for
//                                                 callgrind to count (bench/instructions.sh)
#include "bench/bare_windows.h"
#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "lookandfeel/feedback.h"
#include "lookandfeel/foreground.h"
#include "lookandfeel/look.h"
#include "mainwindow/main_window.h"
#include "resultswindow/results_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Min(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

double Micros(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// One sample of a fast operation: the median of many calls.
double MedianMicros(int calls, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < calls; ++i)
        times.push_back(Micros(work));
    return Median(times);
}

void WaitUntilExposed(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

class SilentFeedback final : public aoba::Feedback {
public:
    void Beep() override {}
    void Warn(QWidget&, QStringView) override {}
    void Inform(QWidget&, QStringView, QStringView) override {}
};

// The windows are kept apart on the screen, so showing or hiding one never makes another repaint.
constexpr QPoint kMainWindowPlace{0, 500};
constexpr QPoint kBareLabelsPlace{700, 0};

// The program's own start-up, then its main window on screen.
struct ProgramWindow {
    SilentFeedback feedback;
    aoba::DesktopForeground foreground;
    std::unique_ptr<aoba::MainWindow> window;

    ProgramWindow() {
        aoba::ChooseFontFamilies();
        QApplication::setFont(aoba::DefaultFont());
        window = std::make_unique<aoba::MainWindow>(feedback, foreground);
        window->move(kMainWindowPlace);
        window->show();
        WaitUntilExposed(*window);
        window->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("センター"));
    }
    void Search() const { window->findChild<QAbstractButton*>(QStringLiteral("Command7"))->click(); }
};

// A fresh process: the main window up, then one first showing of the results window or of the baseline's,
// which is brought forward as the search brings the results window.
int RunChild(int argc, char** argv, std::string_view kind) {
    QApplication app(argc, argv);
    ProgramWindow program;
    std::unique_ptr<QWidget> bare;
    const double micros = Micros([&] {
        if (kind == "first-search") {
            program.Search();
            WaitUntilExposed(*program.window->Results());
        } else {
            bare.reset(bench::NewBareLabelWindow());
            bare->move(kBareLabelsPlace);
            bare->show();
            aoba::DesktopForeground().Bring(*bare);
            WaitUntilExposed(*bare);
        }
    });
    std::printf("%.1f\n", micros);
    return 0;
}

// What showing the results window again starts from: the program's main window with one search done, and
// beside it the baseline's window of labels, shown once. The baseline does what the search must do to its
// window, bringing it forward through the same calls.
struct ShownAgain {
    ProgramWindow ours;
    std::vector<int> hits = aoba::SearchCatalogue(u"センター").Issues();
    std::unique_ptr<QWidget> labels{bench::NewBareLabelWindow()};
    aoba::DesktopForeground foreground;

    ShownAgain() {
        ours.Search();
        WaitUntilExposed(*ours.window->Results());
        labels->move(kBareLabelsPlace);
        labels->show();
        WaitUntilExposed(*labels);
    }
    void Ours() const {
        ours.Search();
        WaitUntilExposed(*ours.window->Results());
    }
    void Baseline() {
        labels->hide();
        bench::ShowOnlyLabels(*labels, hits);
        labels->show();
        foreground.Bring(*labels);
        WaitUntilExposed(*labels);
    }
};

// Kept out of line: callgrind counts the instructions inside this function only.
Q_NEVER_INLINE void CountedShowings(ShownAgain& again, bool ours, int showings) {
    for (int i = 0; i < showings; ++i)
        ours ? again.Ours() : again.Baseline();
}

int RunCounted(int argc, char** argv, std::string_view kind, int showings) {
    QApplication app(argc, argv);
    ShownAgain again;
    CountedShowings(again, kind == "ours", showings);
    return 0;
}

// Pairs of figures, ours and the baseline's, measured in turn.
struct Pairs {
    std::vector<double> ours;
    std::vector<double> base;
};

enum class Compare { Ratio, Difference };

struct Row {
    QString what;
    Pairs figures;
    QString unit;
    QString target;
    QString baselineName;
    Compare compare = Compare::Ratio;
};

void Print(const std::vector<Row>& rows) {
    std::printf(
        "| measure | aoba-search, min / median | baseline, min / median | ratio, min / median | target "
        "| baseline is |\n|---|---:|---:|---:|---|---|\n");
    for (const Row& row : rows) {
        const double oursMin = Min(row.figures.ours);
        const double oursMedian = Median(row.figures.ours);
        const double baseMin = Min(row.figures.base);
        const double baseMedian = Median(row.figures.base);
        char comparison[64];
        if (row.compare == Compare::Ratio)
            std::snprintf(comparison, sizeof comparison, "%.2f / %.2f", oursMin / baseMin,
                          oursMedian / baseMedian);
        else
            std::snprintf(comparison, sizeof comparison, "%+.1f / %+.1f %s", oursMin - baseMin,
                          oursMedian - baseMedian, qPrintable(row.unit));
        const QByteArray unitText = row.unit.toUtf8();
        const char* unit = unitText.constData();
        const int digits = row.unit == QStringLiteral("µs") && oursMedian < 100 ? 2 : 1;
        std::printf("| %s | %.*f / %.*f %s | %.*f / %.*f %s | %s | %s | %s |\n", qPrintable(row.what), digits,
                    oursMin, digits, oursMedian, unit, digits, baseMin, digits, baseMedian, unit, comparison,
                    qPrintable(row.target), qPrintable(row.baselineName));
    }
}

struct StartUp {
    double millis = 0;
    double mebibytes = 0;
};

// From the fork to the probe's report that the first window is painted.
StartUp StartOnce(const QString& program, const QStringList& arguments, const QString& probe) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), probe);
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    while (child.waitForReadyRead(10000) && !child.canReadLine()) {
    }
    StartUp result;
    result.millis = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const QByteArray line = child.readLine();
    if (!line.startsWith("shown "))
        qFatal("%s did not report its window: %s", qPrintable(program), line.constData());
    result.mebibytes = line.mid(6).trimmed().toDouble() / 1024;
    if (!child.waitForFinished(10000))
        child.kill();
    return result;
}

double ChildMillis(const QString& self, const char* kind) {
    QProcess child;
    child.start(self, {QStringLiteral("--child"), QLatin1String(kind)});
    child.waitForFinished(20000);
    return child.readAllStandardOutput().trimmed().toDouble() / 1000;
}

// The 380 searched texts as one buffer, and where each ends, for the memmem baseline.
struct Buffer {
    std::u16string text;
    std::vector<std::size_t> ends;

    Buffer() {
        for (int issue = 1; issue <= 380; ++issue) {
            const QStringView entry = aoba::EntryText(issue);
            text.append(reinterpret_cast<const char16_t*>(entry.utf16()),
                        static_cast<std::size_t>(entry.size()));
            ends.push_back(text.size());
        }
    }
};

// The same hits as the search, found with glibc memmem in the one buffer: a byte match at an odd offset or
// across an entry's end is passed over, and after a hit the scan goes on at the next entry.
int MemmemHits(const Buffer& buffer, std::u16string_view needle) {
    const char* bytes = reinterpret_cast<const char*>(buffer.text.data());
    const std::size_t size = buffer.text.size() * 2;
    const std::size_t needleBytes = needle.size() * 2;
    std::size_t at = 0;
    std::size_t entry = 0;
    int hits = 0;
    while (at + needleBytes <= size) {
        const void* found = memmem(bytes + at, size - at, needle.data(), needleBytes);
        if (!found)
            break;
        const auto offset = static_cast<std::size_t>(static_cast<const char*>(found) - bytes);
        if (offset % 2 != 0) {
            at = offset + 1;
            continue;
        }
        const std::size_t unit = offset / 2;
        while (buffer.ends[entry] <= unit)
            ++entry;
        if (unit + needle.size() <= buffer.ends[entry]) {
            ++hits;
            at = buffer.ends[entry] * 2;
        } else {
            at = offset + 2;
        }
    }
    return hits;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--child")
        return RunChild(argc, argv, argv[2]);
    if (argc == 4 && std::string_view(argv[1]) == "--count-again")
        return RunCounted(argc, argv, argv[2], std::max(1, std::atoi(argv[3])));
    int runs = 40;
    if (argc == 3 && std::string_view(argv[1]) == "--runs")
        runs = std::max(3, std::atoi(argv[2]));

    QApplication app(argc, argv);
    std::vector<Row> rows;
    volatile int sink = 0;

    // Start-up: the program itself against baselines built as programs of their own, all timed the same way.
    const QString program = QStringLiteral(AOBA_PROGRAM);
    const QString bare = QStringLiteral(AOBA_BARE_PROGRAM);
    const QString probe = QStringLiteral(AOBA_SHOWN_PROBE);
    Pairs startCaptioned, startPlain, memoryCaptioned, memoryPlain;
    for (int i = 0; i < runs; ++i) {
        const StartUp ours = StartOnce(program, {}, probe);
        const StartUp captioned = StartOnce(bare, {QStringLiteral("captioned")}, probe);
        const StartUp plain = StartOnce(bare, {QStringLiteral("plain")}, probe);
        for (Pairs* pairs : {&startCaptioned, &startPlain})
            pairs->ours.push_back(ours.millis);
        for (Pairs* pairs : {&memoryCaptioned, &memoryPlain})
            pairs->ours.push_back(ours.mebibytes);
        startCaptioned.base.push_back(captioned.millis);
        startPlain.base.push_back(plain.millis);
        memoryCaptioned.base.push_back(captioned.mebibytes);
        memoryPlain.base.push_back(plain.mebibytes);
    }
    const QString captionedName =
        QStringLiteral("a window with the same 23 controls carrying the same captions in "
                       "the same IPA fonts, as a program");
    const QString plainName =
        QStringLiteral("a window with the same 23 controls, default-constructed, as a program");
    rows.push_back({QStringLiteral("start-up, exec to the main window painted"), startCaptioned,
                    QStringLiteral("ms"), QStringLiteral("≤ 1.05"), captionedName});
    rows.push_back({QStringLiteral("start-up, against a bare window"), startPlain, QStringLiteral("ms"),
                    QStringLiteral("—"), plainName});
    rows.push_back({QStringLiteral("peak memory at shown"), memoryCaptioned, QStringLiteral("MiB"),
                    QStringLiteral("≤ +1.0 MiB"), captionedName, Compare::Difference});
    rows.push_back({QStringLiteral("peak memory, against a bare window"), memoryPlain, QStringLiteral("MiB"),
                    QStringLiteral("—"), plainName, Compare::Difference});

    const QString self = QCoreApplication::applicationFilePath();
    Pairs firstShown;
    for (int i = 0; i < std::max(3, runs / 2); ++i) {
        firstShown.ours.push_back(ChildMillis(self, "first-search"));
        firstShown.base.push_back(ChildMillis(self, "first-labels"));
    }
    rows.push_back({QStringLiteral("first search to the results window shown, fresh process"), firstShown,
                    QStringLiteral("ms"), QStringLiteral("≤ 1.10"),
                    QStringLiteral("creating and showing a window of 380 plain labels and bringing it "
                                   "forward as the search does, fresh process")});

    const Buffer buffer;
    const QString cut = aoba::EntryText(200).sliced(200, 40).toString();
    QString reversed = aoba::EntryText(300).sliced(100, 35).toString();
    std::reverse(reversed.begin(), reversed.end());
    const QString sentence =
        QStringLiteral("検索された文字列は以下の号の目次で発見されました。号番をクリックすると");
    const struct {
        QString what;
        QString needle;
    } needles[] = {
        {QStringLiteral("search, センター: 4 code units"), QStringLiteral("センター")},
        {QStringLiteral("search, 号: 1 code unit"), QStringLiteral("号")},
        {QStringLiteral("search, 〜 U+301C: 1 code unit"), QStringLiteral("\u301C")},
        {QStringLiteral("search, a sentence of %1 code units, some the catalogue never holds")
             .arg(sentence.size()),
         sentence},
        {QStringLiteral("search, %1 code units cut from entry 200").arg(cut.size()), cut},
        {QStringLiteral("search, %1 code units of entry 300 reversed").arg(reversed.size()), reversed},
    };
    const int calls = 41;
    for (const auto& row : needles) {
        const std::u16string_view plain(reinterpret_cast<const char16_t*>(row.needle.utf16()),
                                        static_cast<std::size_t>(row.needle.size()));
        const int hits = aoba::SearchCatalogue(row.needle).Count();
        if (MemmemHits(buffer, plain) != hits)
            qFatal("the memmem baseline and the search disagree on %s", qPrintable(row.needle));
        Pairs pairs;
        for (int i = 0; i < runs; ++i) {
            pairs.ours.push_back(
                MedianMicros(calls, [&] { sink = sink + aoba::SearchCatalogue(row.needle).Count(); }));
            pairs.base.push_back(MedianMicros(calls, [&] { sink = sink + MemmemHits(buffer, plain); }));
        }
        const QString counted = hits == 1 ? QStringLiteral("1 hit") : QStringLiteral("%1 hits").arg(hits);
        rows.push_back(
            {QStringLiteral("%1 (%2)").arg(row.what, counted), pairs, QStringLiteral("µs"),
             QStringLiteral("≤ 0.5"),
             QStringLiteral("glibc memmem over one buffer of the 380 texts, finding the same hits")});
    }

    ShownAgain again;
    Pairs showings;
    for (int i = 0; i < runs; ++i) {
        showings.ours.push_back(Micros([&] { again.Ours(); }) / 1000);
        showings.base.push_back(Micros([&] { again.Baseline(); }) / 1000);
    }
    rows.push_back(
        {QStringLiteral("search to the results window shown again (%1 hits)").arg(again.hits.size()),
         showings, QStringLiteral("ms"), QStringLiteral("≤ 1.0"),
         QStringLiteral("hiding a window of 380 plain labels, leaving the same %1 shown, showing it "
                        "and bringing it forward as the search does")
             .arg(again.hits.size())});
    again.labels.reset();

    auto* pane = again.ours.window->findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
    QPlainTextEdit plainPane;
    plainPane.resize(pane->size());
    plainPane.move(kBareLabelsPlace);
    plainPane.show();
    WaitUntilExposed(plainPane);
    const QString longest = aoba::EntryText(380).toString();
    Pairs showIssue;
    for (int i = 0; i < runs; ++i) {
        showIssue.ours.push_back(MedianMicros(5, [&] {
            again.ours.window->ShowIssue(380);
            pane->viewport()->repaint();
        }));
        showIssue.base.push_back(MedianMicros(5, [&] {
            plainPane.setPlainText(longest);
            plainPane.viewport()->repaint();
        }));
    }
    rows.push_back({QStringLiteral("ShowIssue(380), the longest entry, painted"), showIssue,
                    QStringLiteral("µs"), QStringLiteral("—"),
                    QStringLiteral("the same text into a plain QPlainTextEdit of the same size")});

    std::printf("Platform: %s; %d pairs a measure, taken in turn (fresh-process first showings %d); a search "
                "figure is the median of %d calls.\n\n",
                qPrintable(QGuiApplication::platformName()), runs, std::max(3, runs / 2), calls);
    Print(rows);
    return 0;
}

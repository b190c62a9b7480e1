// SPDX-License-Identifier: MIT
// A long, seeded storm of reader input on the real main window, to see whether memory grows over a long
// session: clicks on every button, option and results label, editing keys, typing, input-method composition
// of Japanese text, pastes of up to 100,000 characters into every field, hovering for tooltips. It runs a
// fixed number of events in each round (a minute unless told otherwise), lets the windows paint between
// them, and prints the resident memory at the start and after every round. It asserts nothing: it is run by
// hand for minutes (README.md in this folder says how), and briefly by CTest so that it keeps working.
#include "lookandfeel/feedback.h"
#include "lookandfeel/foreground.h"
#include "mainwindow/main_window.h"
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/fuzz/random_text.h"
#include "tests/support/widget_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QThread>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

using namespace random_text;

namespace {

// Says nothing and never blocks: the storm is about memory, not about what the program says.
class QuietFeedback final : public aoba::Feedback {
public:
    void Beep() override { ++said; }
    void Warn(QWidget&, QStringView) override { ++said; }
    void Inform(QWidget&, QStringView, QStringView) override { ++said; }
    long said = 0;
};

// Kilobytes of the process's resident memory by kind, as the kernel counts them, and the heap in use.
struct Memory {
    long rss = 0;
    long anon = 0;
    long file = 0;
    long heap = 0;
};

Memory Measure() {
    Memory memory;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        const auto value = [&line] { return std::stol(line.substr(line.find(':') + 1)); };
        if (line.starts_with("VmRSS:"))
            memory.rss = value();
        else if (line.starts_with("RssAnon:"))
            memory.anon = value();
        else if (line.starts_with("RssFile:"))
            memory.file = value();
    }
    const struct mallinfo2 info = mallinfo2();
    memory.heap = static_cast<long>((info.uordblks + info.hblkhd) / 1024);
    return memory;
}

void Print(const char* when, std::uint64_t events, const Memory& m, double seconds) {
    std::printf("%-8s %8llu %9.1f %9.1f %9.1f %9.1f %9.0f\n", when, static_cast<unsigned long long>(events),
                m.rss / 1024.0, m.anon / 1024.0, m.file / 1024.0, m.heap / 1024.0, seconds);
    std::fflush(stdout);
}

// Hiragana, as an input method shows it while the reader types, before the conversion is committed.
QString Kana(Rng& rng, std::size_t length) {
    QString kana;
    for (std::size_t i = 0; i < length; ++i)
        kana += QChar(static_cast<char16_t>(u'ぁ' + Below(rng, 0x56)));
    return kana;
}

class Storm {
public:
    explicit Storm(std::uint64_t seed)
        : rng_(seed) {
        window_.show();
        fields_ = {Control(window_, "Text1"), Control(window_, "Combo1"), Control(window_, "Combo2"),
                   Control(window_, "Text2"), Control(window_, "Text3")};
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                 "Command7", "Command12", "Option1", "Option2", "Option3"})
            buttons_.push_back(Control(window_, name));
    }

    void Act() {
        QWidget* field = fields_[Below(rng_, fields_.size())];
        switch (Below(rng_, 20)) {
        case 0:
        case 1:
        case 2:
        case 3: Paste(field); break;
        case 4:
        case 5:
        case 6: Type(field); break;
        case 7:
        case 8:
        case 9: Compose(field); break;
        case 10:
        case 11: EditingKey(field); break;
        case 12:
        case 13:
        case 14: QTest::mouseClick(buttons_[Below(rng_, buttons_.size())], Qt::LeftButton); break;
        case 15: ClickInto(field); break;
        case 16: Search(); break;
        case 17: Results(); break;
        case 18: Wheel(field); break;
        default:
            QTest::keyClick(window_.focusWidget() ? window_.focusWidget() : &window_,
                            rng_() % 2 ? Qt::Key_Tab : Qt::Key_Backtab);
            break;
        }
    }

private:
    // Pieces of every kind the fields meet, from one character to 100,000, more often short than long.
    QString LongText() {
        const auto length = static_cast<std::size_t>(std::exp(std::log(100000.0) * (rng_() % 10001) / 10000));
        std::u16string text;
        while (text.size() < length)
            text += rng_() % 3 ? Snippet(rng_, 1 + static_cast<int>(Below(rng_, 382))) : Piece(rng_);
        text.resize(length);
        return Q(text);
    }

    void Paste(QWidget* field) {
        QGuiApplication::clipboard()->setText(LongText());
        field->setFocus();
        if (rng_() % 2)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    void Type(QWidget* field) {
        const QString typed = rng_() % 2 ? Q(Number(rng_)) : Q(Text(rng_));
        for (QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &release);
        }
    }

    // A word typed in kana, shown underlined as it grows, then committed as the catalogue writes it.
    void Compose(QWidget* field) {
        field->setFocus();
        const std::size_t length = 1 + Below(rng_, 8);
        for (std::size_t i = 1; i <= length; ++i) {
            const QString preedit = Kana(rng_, i);
            QInputMethodEvent composing(preedit, {{QInputMethodEvent::Cursor, static_cast<int>(i), 1, {}}});
            QApplication::sendEvent(field, &composing);
        }
        QInputMethodEvent commit;
        commit.setCommitString(rng_() % 4 ? Q(Snippet(rng_, 1 + static_cast<int>(Below(rng_, 382))))
                                          : Q(Number(rng_)));
        QApplication::sendEvent(field, &commit);
    }

    void EditingKey(QWidget* field) {
        const auto [key, modifiers] = kEditingKeys[Below(rng_, std::size(kEditingKeys))];
        field->setFocus();
        QTest::keyClick(field, key, modifiers);
    }

    void ClickInto(QWidget* field) {
        const QPoint at(static_cast<int>(Below(rng_, static_cast<std::size_t>(field->width()))),
                        static_cast<int>(Below(rng_, static_cast<std::size_t>(field->height()))));
        QWidget* target = field;
        if (auto* combo = qobject_cast<QComboBox*>(field))
            target = combo->lineEdit();
        else if (auto* pane = qobject_cast<QPlainTextEdit*>(field))
            target = pane->viewport();
        if (rng_() % 3)
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        else
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    }

    void Search() {
        auto* field = static_cast<QLineEdit*>(fields_[3]);
        field->setText(rng_() % 3 ? Q(Snippet(rng_, 1 + static_cast<int>(Below(rng_, 380)))) : Q(Text(rng_)));
        if (rng_() % 2)
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::mouseClick(buttons_[6], Qt::LeftButton);
    }

    // Click or hover over a label of the results window, or close it.
    void Results() {
        aoba::ResultsWindow* results = window_.Results();
        if (!results || !results->isVisible()) {
            Search();
            return;
        }
        if (rng_() % 8 == 0) {
            results->close();
            return;
        }
        std::vector<aoba::IssueLabel*> visible;
        for (aoba::IssueLabel* label : results->findChildren<aoba::IssueLabel*>())
            if (!label->isHidden())
                visible.push_back(label);
        if (visible.empty())
            return;
        aoba::IssueLabel* label = visible[Below(rng_, visible.size())];
        if (rng_() % 2) {
            QTest::mouseClick(label, Qt::LeftButton);
            return;
        }
        QTest::mouseMove(label);
        QHelpEvent tip(QEvent::ToolTip, label->rect().center(), label->mapToGlobal(label->rect().center()));
        QApplication::sendEvent(label, &tip);
    }

    void Wheel(QWidget* field) {
        QWidget* target = field;
        if (auto* pane = qobject_cast<QPlainTextEdit*>(field))
            target = pane->viewport();
        const QPoint at = target->rect().center();
        QWheelEvent wheel(at, target->mapToGlobal(at), {}, {0, rng_() % 2 ? 120 : -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    Rng rng_;
    QuietFeedback feedback_;
    aoba::DesktopForeground foreground_;
    aoba::MainWindow window_{feedback_, foreground_};
    std::vector<QWidget*> fields_;  // Text1, Combo1, Combo2, Text2, Text3
    std::vector<QWidget*> buttons_; // Command1..7, Command12, Option1..3
};

// Text shaping warns of every font without tables for a script the random characters touch.
void QuietAboutShaping(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("OpenType support missing")))
        QuietAboutRaising(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StartLikeTheProgram();
    qInstallMessageHandler(QuietAboutShaping);
    const std::uint64_t seed = Setting("AOBA_STORM_SEED", 0xa0ba);
    const std::uint64_t rounds = Setting("AOBA_STORM_ROUNDS", 10);
    const std::uint64_t perRound = Setting("AOBA_STORM_EVENTS", 240);
    const auto roundLength = std::chrono::milliseconds(Setting("AOBA_STORM_ROUND_MS", 60000));
    std::printf("seed %#llx, %llu rounds of %llu events, %lld ms each, platform %s\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(rounds),
                static_cast<unsigned long long>(perRound), static_cast<long long>(roundLength.count()),
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-8s %8s %9s %9s %9s %9s %9s\n", "round", "events", "RSS MiB", "anon MiB", "file MiB",
                "heap MiB", "seconds");

    QElapsedTimer clock;
    clock.start();
    std::uint64_t events = 0;
    {
        Storm storm(seed);
        QTest::qWait(200);
        Print("start", 0, Measure(), 0);
        for (std::uint64_t round = 1; round <= rounds; ++round) {
            for (std::uint64_t i = 1; i <= perRound; ++i) {
                storm.Act();
                ++events;
                // The windows paint and the queued events run between two inputs, as they do for a reader.
                const auto due = roundLength * (round - 1) + roundLength * i / perRound;
                do {
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    if (std::chrono::milliseconds(clock.elapsed()) < due)
                        QThread::msleep(2);
                } while (std::chrono::milliseconds(clock.elapsed()) < due);
            }
            Print(qPrintable(QString::number(round)), events, Measure(), clock.elapsed() / 1000.0);
        }
    }
    QCoreApplication::processEvents();
    Print("closed", events, Measure(), clock.elapsed() / 1000.0);
    return 0;
}

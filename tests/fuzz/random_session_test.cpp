// SPDX-License-Identifier: MIT
// One main window driven by a seeded stream of reader actions: typing, editing keys, pasting, input-method
// commits, every button and option, the results labels, closing the results window, searching. After each
// step the windows must be in a state the rules explain. AOBA_SESSION_STEPS and AOBA_SESSION_SEED set the
// length and the seed; the seed is printed so a failing session can be replayed.
#include "mainwindow/main_window.h"
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/fuzz/random_text.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"
#include "tests/support/reader_model.h"
#include "tests/support/recording_feedback.h"
#include "tests/support/recording_foreground.h"
#include "tests/support/widget_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <bitset>
#include <map>
#include <optional>

using namespace random_text;
using aoba::IssueLabel;
using aoba::MainWindow;
using aoba::ResultsWindow;

namespace {

QString FieldText(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return static_cast<QLineEdit*>(field)->text();
}

// What a step may say, and the entry it must show unless it is refused; other steps keep the pane as it was.
struct Expect {
    QStringList said;
    std::optional<int> shows = std::nullopt;
    QWidget* filtered = nullptr; // a numeric field typed into: no refused character may reach it
    qsizetype refusedBefore = 0;
    bool anyIssue = false; // unless refused, some regular issue may be shown
};

qsizetype Refused(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !reader_model::KeyAccepted(c); });
}

class Session {
public:
    explicit Session(std::uint64_t seed)
        : rng_(seed) {
        window_.show();
        shownTexts_.insert(Shown(window_), 0);
        for (int n = 1; n <= aoba::kEntryCount; ++n)
            shownTexts_.insert(EntryAsShown(n), n);
        fields_ = {Control(window_, "Text1"), Control(window_, "Combo1"), Control(window_, "Combo2"),
                   Control(window_, "Text2")};
    }

    const std::map<QString, int>& Tally() const { return tally_; }

    // Runs one random step; returns what went wrong, or nothing.
    QString Step(QString& description) {
        const QString shownBefore = Shown(window_);
        const qsizetype saidBefore = feedback_.said.size();
        const Expect expect = Act(description);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QString shown = Shown(window_);
        if (!shownTexts_.contains(shown))
            return QStringLiteral("the contents pane holds neither the placeholder nor an entry");
        const QStringList said = feedback_.said.mid(saidBefore);
        for (const QString& s : said)
            if (!expect.said.contains(s))
                return QStringLiteral("unexpected feedback: ") + s;
        const bool refused =
            std::any_of(said.begin(), said.end(), [](const QString& s) { return s.startsWith(u"warn"); });
        if (expect.shows && !refused && shown != EntryAsShown(*expect.shows))
            return QStringLiteral("entry %1 was not shown").arg(*expect.shows);
        if (expect.anyIssue && !refused && (shownTexts_.value(shown) < 1 || shownTexts_.value(shown) > 380))
            return QStringLiteral("the contents pane holds no regular issue");
        if ((refused || !(expect.shows || expect.anyIssue)) && shown != shownBefore)
            return QStringLiteral("the contents pane changed");
        if (expect.filtered && Refused(FieldText(expect.filtered)) > expect.refusedBefore)
            return QStringLiteral("a refused character reached ") + expect.filtered->objectName();
        if (!reader_model::MonthFieldFits(FieldText(fields_[2])))
            return QStringLiteral("the month field holds ") + FieldText(fields_[2]);
        return CheckResults();
    }

private:
    QWidget* Field() { return fields_[Below(rng_, fields_.size())]; }
    QString AnyText() { return rng_() % 4 ? Q(Text(rng_)) : Q(Number(rng_)); }

    Expect Act(QString& description) {
        static const QStringList kBeep{QStringLiteral("beep")};
        QWidget* f = Field();
        switch (Below(rng_, 12)) {
        case 0:
        case 1:
        case 2: { // typing, one key press per unit
            const QString typed = AnyText();
            description = QStringLiteral("type %1 into %2").arg(typed, f->objectName());
            ++tally_[QStringLiteral("type")];
            const Expect expect = TypedInto(f);
            for (QChar c : typed) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(f, &press);
            }
            return expect;
        }
        case 3: { // an editing key; Enter in the search field searches
            const auto [key, modifiers] = kEditingKeys[Below(rng_, std::size(kEditingKeys))];
            description = QStringLiteral("key %1/%2 in %3")
                              .arg(int{key}, 0, 16)
                              .arg(modifiers.toInt())
                              .arg(f->objectName());
            ++tally_[QStringLiteral("key")];
            const bool searches = f == fields_[3] && (key == Qt::Key_Return || key == Qt::Key_Enter);
            const QString needle = FieldText(f);
            QTest::keyClick(f, key, modifiers);
            return searches ? Searched(needle) : Expect{kBeep};
        }
        case 4: { // pasting, through the clipboard or straight into the field
            const QString pasted = AnyText();
            description = QStringLiteral("paste %1 into %2").arg(pasted, f->objectName());
            ++tally_[QStringLiteral("paste")];
            if (rng_() % 2) {
                QGuiApplication::clipboard()->setText(pasted);
                f->setFocus();
                if (rng_() % 2)
                    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
            } else if (auto* combo = qobject_cast<QComboBox*>(f)) {
                combo->setEditText(pasted);
            } else {
                static_cast<QLineEdit*>(f)->setText(pasted);
            }
            return {kBeep};
        }
        case 5: {
            const QString committed = AnyText();
            description = QStringLiteral("commit %1 in %2").arg(committed, f->objectName());
            ++tally_[QStringLiteral("commit")];
            const Expect expect = TypedInto(f);
            QInputMethodEvent event;
            event.setCommitString(committed);
            QApplication::sendEvent(f, &event);
            return expect;
        }
        case 6:
        case 7: return ClickButton(description);
        case 8: {
            const int option = 1 + static_cast<int>(Below(rng_, 3));
            description = QStringLiteral("click Option%1").arg(option);
            ++tally_[QStringLiteral("option")];
            Click(window_, qPrintable(QStringLiteral("Option%1").arg(option)));
            return {};
        }
        case 9: {
            ResultsWindow* results = window_.Results();
            std::vector<IssueLabel*> visible;
            if (results && results->isVisible())
                for (IssueLabel* label : results->findChildren<IssueLabel*>())
                    if (!label->isHidden())
                        visible.push_back(label);
            if (visible.empty())
                return Search(description);
            IssueLabel* label = visible[Below(rng_, visible.size())];
            description = QStringLiteral("click label %1").arg(label->Issue());
            ++tally_[QStringLiteral("label")];
            QTest::mouseClick(label, Qt::LeftButton);
            return {{}, label->Issue()};
        }
        case 10:
            if (ResultsWindow* results = window_.Results(); results && rng_() % 2) {
                description = QStringLiteral("close the results window");
                ++tally_[QStringLiteral("close")];
                results->close();
                exists_ = false;
                return {};
            }
            [[fallthrough]];
        default: return Search(description);
        }
    }

    Expect TypedInto(QWidget* f) {
        if (f == fields_[3])
            return {{}};
        return {{QStringLiteral("beep")}, std::nullopt, f, Refused(FieldText(f))};
    }

    Expect ClickButton(QString& description) {
        static const char* const kButtons[] = {"Command1", "Command2", "Command3", "Command4",
                                               "Command5", "Command6", "Command7", "Command12"};
        const QString button = QString::fromLatin1(kButtons[Below(rng_, std::size(kButtons))]);
        description = QStringLiteral("click ") + button;
        ++tally_[button];
        const QString issueText = FieldText(fields_[0]);
        const QString yearText = FieldText(fields_[1]);
        const QString monthText = FieldText(fields_[2]);
        const QString needle = FieldText(fields_[3]);
        bool options[3];
        for (int i = 0; i < 3; ++i)
            options[i] = Control<QRadioButton>(window_, qPrintable(QStringLiteral("Option%1").arg(i + 1)))
                             ->isChecked();
        Click(window_, qPrintable(button));

        const auto warn = [](const QString& text) { return QStringList{expected::Warned(text)}; };
        if (button == u"Command1") {
            const std::optional<int> issue = reader_model::IssueOfNumber(issueText);
            return issue ? Expect{{}, issue} : Expect{warn(expected::kIssueNumberOutOfRange)};
        }
        if (button == u"Command2") {
            using Kind = aoba::MonthLookup::Kind;
            const std::optional<aoba::MonthLookup> outcome = reader_model::IssueOfMonth(yearText, monthText);
            if (!outcome) {
                ++tally_[QStringLiteral("Command2 beyond the model")];
                return {warn(expected::kNotPublished) + warn(expected::kOutOfPeriod), {}, nullptr, 0, true};
            }
            switch (outcome->kind) {
            case Kind::Issue: return {{}, outcome->issue};
            case Kind::NotPublished: return {warn(expected::kNotPublished)};
            case Kind::OutOfPeriod: return {warn(expected::kOutOfPeriod)};
            }
        }
        if (button == u"Command12") {
            const int entries[] = {55, 381, 382};
            for (int i = 0; i < 3; ++i)
                if (options[i])
                    return {{}, entries[i]};
            return {warn(expected::kNoExtraIssueChosen)};
        }
        if (button == u"Command7")
            return Searched(needle);
        return {{QStringLiteral("beep")}}; // stepping a month past 12 is corrected with a beep
    }

    Expect Search(QString& description) {
        QString needle;
        switch (Below(rng_, 4)) {
        case 0: needle = AnyText(); break;
        case 1: break;
        default: needle = Q(Snippet(rng_, 1 + static_cast<int>(Below(rng_, aoba::kEntryCount))));
        }
        auto* field = static_cast<QLineEdit*>(fields_[3]);
        field->setText(needle);
        needle = field->text();
        const bool enter = rng_() % 2;
        description = QStringLiteral("search %1 with %2")
                          .arg(needle, enter ? QStringLiteral("Enter") : QStringLiteral("Command7"));
        ++tally_[QStringLiteral("search")];
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
        else
            Click(window_, "Command7");
        return Searched(needle);
    }

    // What the window must show after a search for needle.
    Expect Searched(const QString& needle) {
        if (!exists_) { // created now: every label captioned and visible, no header yet
            exists_ = true;
            visible_.set();
            header_.clear();
        }
        windowShown_ = false;
        if (needle.isEmpty())
            return {{expected::Warned(expected::kEmptySearch)}};
        visible_.reset();
        const std::vector<int> hits = reader_model::IssuesHolding(needle);
        for (int issue : hits)
            visible_.set(static_cast<std::size_t>(issue - 1));
        if (hits.empty())
            return {{expected::NoHitsNotice()}};
        header_ = expected::ResultsHeader(needle);
        windowShown_ = true;
        return {};
    }

    QString CheckResults() const {
        ResultsWindow* results = window_.Results();
        if (!results)
            return exists_ ? QStringLiteral("the results window is gone") : QString();
        if (!exists_)
            return QStringLiteral("the results window outlived its closing");
        if (results->isVisible() != windowShown_)
            return QStringLiteral("the results window is %1").arg(windowShown_ ? u"hidden" : u"shown");
        if (results->Header() != header_)
            return QStringLiteral("the header is [%1], expected [%2]").arg(results->Header(), header_);
        for (IssueLabel* label : results->findChildren<IssueLabel*>())
            if (label->isHidden() == visible_[static_cast<std::size_t>(label->Issue() - 1)])
                return QStringLiteral("label %1 is %2")
                    .arg(label->Issue())
                    .arg(label->isHidden() ? u"hidden" : u"visible");
        return {};
    }

    Rng rng_;
    RecordingFeedback feedback_;
    RecordingForeground foreground_;
    MainWindow window_{feedback_, foreground_};
    std::vector<QWidget*> fields_;   // Text1, Combo1, Combo2, Text2
    QHash<QString, int> shownTexts_; // the placeholder and every entry, as the pane holds them
    std::map<QString, int> tally_;
    bool exists_ = false;
    bool windowShown_ = false;
    std::bitset<aoba::kLastIssue> visible_;
    QString header_;
};

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void everyStepLeavesAnExplainableWindow() {
        const std::uint64_t seed = Setting("AOBA_SESSION_SEED", 0xa0ba);
        const std::uint64_t steps = Setting("AOBA_SESSION_STEPS", 4000);
        qInfo("seed %#llx, %llu steps", static_cast<unsigned long long>(seed),
              static_cast<unsigned long long>(steps));
        QStringList recent;
        {
            Session session(seed);
            for (std::uint64_t i = 1; i <= steps; ++i) {
                QString description;
                const QString wrong = session.Step(description);
                recent << QStringLiteral("%1: %2").arg(i).arg(description);
                if (recent.size() > 8)
                    recent.removeFirst();
                QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2: %3\nlast steps:\n%4")
                                                         .arg(seed)
                                                         .arg(i)
                                                         .arg(wrong, recent.join(u'\n'))));
            }
            QString tally;
            for (const auto& [kind, count] : session.Tally())
                tally += QStringLiteral(" %1 %2").arg(kind).arg(count);
            qInfo("%llu steps run:%s", static_cast<unsigned long long>(steps), qPrintable(tally));
        }
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"

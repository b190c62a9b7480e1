// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include "console/console.h"
#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "core/field_rules.h"
#include "core/number_text.h"
#include "texts/texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <optional>

namespace aoba::cli {

namespace {

// The options QGuiApplication, its platform plugins and QApplication take for themselves. They are accepted
// unlisted, so that they still reach the windows; a terminal answer ignores them.
constexpr const char* kQtValueOptions[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowicon",
                                           "qwindowtitle",    "session",
                                           "title",           "geometry",
                                           "display",         "name",
                                           "visual",          "style",
                                           "stylesheet",      "qmljsdebugger",
                                           "dialogs",         "fontengine"};
constexpr const char* kQtFlags[] = {"reverse", "testability", "nograb", "dograb", "widgetcount", "qdevel"};

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, texts::kHelpOption.toString()};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               texts::kVersionOption.toString()};
    QCommandLineOption show{QStringLiteral("show"), texts::kShowOption.toString(),
                            texts::kShowValue.toString()};
    QCommandLineOption month{QStringLiteral("month"), texts::kMonthOption.toString(),
                             texts::kMonthValue.toString()};
    QCommandLineOption search{QStringLiteral("search"), texts::kSearchOption.toString(),
                              texts::kSearchValue.toString()};
    bool parsed = false;

    explicit CommandLine(const QStringList& arguments) {
        // Qt's window options are written with one dash ("-platform offscreen"), so one dash starts a long
        // option here too; "-h" and "-v" are still the short names of help and version.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(texts::kCommandLineDescription.toString());
        parser.addOptions({help, version, show, month, search});
        for (const char* name : kQtValueOptions) {
            QCommandLineOption option(Name(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : kQtFlags) {
            QCommandLineOption option(Name(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        // A program can be started with no argument at all, not even its name (execve allows it).
        parsed = parser.parse(arguments.isEmpty() ? QStringList{QString()} : arguments);
    }

    bool AsksForAnswer() const {
        for (const QCommandLineOption* option : {&help, &version, &show, &month, &search})
            if (parser.isSet(*option))
                return true;
        return !parser.positionalArguments().isEmpty();
    }
};

// A message of the windows joins its lines with a lone CR; a terminal wants LF.
QString ForTerminal(QStringView message) {
    return message.toString().replace(QLatin1Char('\r'), QLatin1Char('\n')) + QLatin1Char('\n');
}

Answer Printed(const QString& out) {
    return {out, {}, kExitAnswered};
}

Answer Refused(QStringView message) {
    return {{}, ForTerminal(message), kExitRefused};
}

Answer WrongCommandLine(const QString& message) {
    return {{},
            QCoreApplication::applicationName() + QStringLiteral(": ") + message + QLatin1Char('\n') +
                texts::kSeeHelp.toString() + QLatin1Char('\n'),
            kExitRefused};
}

// The entry as stored, each CR LF a terminal's LF.
Answer Entry(int n) {
    return Printed(EntryText(n).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// Entries 1..382 by their number, read as the issue number field reads it.
Answer Show(const QString& text) {
    const std::optional<std::int32_t> n = text.isEmpty() ? std::nullopt : ReadWholeNumber(text);
    if (!n || *n < 1 || *n > kEntryCount)
        return Refused(texts::kShowOutOfRange);
    return Entry(*n);
}

Answer Month(const QString& text) {
    qsizetype slash = 0;
    while (slash < text.size() && text[slash] != u'/' && text[slash] != u'／')
        ++slash;
    if (slash == text.size())
        return WrongCommandLine(texts::MonthForm(text));
    const MonthLookup lookup =
        IssueFromMonthFields(QStringView(text).first(slash), QStringView(text).sliced(slash + 1));
    switch (lookup.kind) {
    case MonthLookup::Kind::Issue: return Entry(lookup.issue);
    case MonthLookup::Kind::NotPublished: return Refused(texts::kNotPublished);
    case MonthLookup::Kind::OutOfPeriod: break;
    }
    return Refused(texts::kOutOfPeriod);
}

// One line for each issue found: its number, a tab, and the line its tooltip in the results window quotes.
Answer Search(const QString& needle) {
    if (needle.isEmpty())
        return Refused(texts::kEmptySearch);
    const SearchHits hits = SearchCatalogue(needle);
    if (hits.Count() == 0)
        return {{}, ForTerminal(texts::kNoHits), kExitNothingFound};
    QString lines;
    for (int issue : hits.Issues())
        lines += QString::number(issue) + QLatin1Char('\t') +
                 FirstLineContaining(EntryText(issue), needle).trimmed().toString() + QLatin1Char('\n');
    return Printed(lines);
}

} // namespace

bool WantsTerminal(const QStringList& arguments) {
    const CommandLine commandLine(arguments);
    return !commandLine.parsed || commandLine.AsksForAnswer();
}

Answer Run(const QStringList& arguments) {
    const CommandLine commandLine(arguments);
    const QCommandLineParser& parser = commandLine.parser;
    if (!commandLine.parsed)
        return WrongCommandLine(parser.errorText());
    // Qt's own order: version before help.
    if (parser.isSet(commandLine.version))
        return Printed(QCoreApplication::applicationName() + QLatin1Char(' ') +
                       QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    if (parser.isSet(commandLine.help))
        return Printed(parser.helpText());
    if (!parser.positionalArguments().isEmpty())
        return WrongCommandLine(texts::UnexpectedArgument(parser.positionalArguments().constFirst()));

    const qsizetype queries = parser.values(commandLine.show).size() +
                              parser.values(commandLine.month).size() +
                              parser.values(commandLine.search).size();
    if (queries > 1)
        return WrongCommandLine(texts::kOneQueryAtATime.toString());
    if (parser.isSet(commandLine.show))
        return Show(parser.value(commandLine.show));
    if (parser.isSet(commandLine.month))
        return Month(parser.value(commandLine.month));
    if (parser.isSet(commandLine.search))
        return Search(parser.value(commandLine.search));
    return {};
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments = console::Arguments(argc, argv);
#ifdef _WIN32
    if (arguments.size() == 2 && arguments[1] == u"/?")
        arguments[1] = QStringLiteral("--help");
#endif
    return arguments;
}

int Print(const Answer& answer) {
    const bool written = console::Write(console::Stream::Output, answer.out);
    console::Write(console::Stream::Error, answer.err);
    return written ? answer.exitCode : kExitRefused;
}

} // namespace aoba::cli

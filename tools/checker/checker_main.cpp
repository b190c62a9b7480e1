// SPDX-License-Identifier: MIT
// aoba-catalogue-check: checks a folder of the 382 entry files, imports texts into a catalogue folder, or
// writes the manifest of one after a hand edit. The exit statuses are listed at the end of kUsage.
#include "calendar/calendar.h"
#include "catalogue/entry_check/catalogue_folder.h"
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/folder_io.h"
#include "catalogue/entry_check/manifest.h"
#include "catalogue/entry_check/report.h"
#include "catalogue/entry_check/utf8.h"
#include "console/console.h"
#include "tools/checker/figures.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kAllWell = 0;
constexpr int kFault = 1;
constexpr int kBadUsage = 2;
constexpr int kSystemError = 3;

constexpr const char* kUsage =
    "usage: aoba-catalogue-check [--encoding utf-8|cp932|detect] [--strict-figures] [--] DIR\n"
    "       aoba-catalogue-check --import SRC --out DEST [--strict-figures]\n"
    "       aoba-catalogue-check --update-manifest [--] DEST\n"
    "Checks DIR/001.txt … DIR/382.txt and reports their figures beside the expected ones.\n"
    "--import checks the files in SRC (each UTF-8 or code page 932) and, when they keep every rule,\n"
    "replaces the set in DEST with them as UTF-8 and their manifest, all files or none.\n"
    "--update-manifest writes DEST/SHA256SUMS for the files DEST holds, after an entry was edited by hand.\n"
    "DEST has no default: name the catalogue folder, the data folder of a source tree.\n"
    "Exit status: 0 all well; 1 a broken rule, a figure that differs under --strict-figures, or a change\n"
    "of DEST refused; 2 bad usage; 3 a folder or file that could not be opened, read or written.";

// Every line the tool writes goes through one of these two: the report to standard output, errors and
// notes to standard error, after the tool's name unless it is the usage. text is UTF-8, one line or
// several, and leaves with a line end. On Windows it goes through the console writer, which a Japanese
// console shows whatever its code page; on Linux the bytes go out as they are, so that a name that is not
// UTF-8 is reported as the file system has it.
// A line that could not be written (a full disk, a closed pipe) makes the exit status 3, whatever the
// report said.
bool everyLineWritten = true;

void Print(aoba::console::Stream stream, std::string_view text) {
    std::string line(text);
    if (line.empty() || line.back() != '\n')
        line += '\n';
#ifdef _WIN32
    const bool written = aoba::console::Write(stream, QString::fromStdString(line));
#else
    std::FILE* file = stream == aoba::console::Stream::Output ? stdout : stderr;
    const bool written = std::fputs(line.c_str(), file) >= 0 && std::fflush(file) == 0;
#endif
    everyLineWritten = everyLineWritten && written;
}

void PrintReport(std::string_view text) {
    Print(aoba::console::Stream::Output, text);
}

void PrintError(std::string_view text, bool named = true) {
    Print(aoba::console::Stream::Error,
          named ? "aoba-catalogue-check: " + std::string(text) : std::string(text));
}

// --- the command line

enum class Mode { Check, Import, UpdateManifest };

enum Option { kEncoding = 1, kStrictFigures = 2, kOut = 4 };

// What each mode takes besides the option that names it.
struct ModeRule {
    Mode mode;
    const char* name; // as an error names the mode
    int allowed;      // Option bits
    int required;
    qsizetype folders;      // folders after the options
    const char* folderRule; // said when there are more or fewer
};

constexpr ModeRule kModeRules[] = {
    {Mode::Check, "a check", kEncoding | kStrictFigures, 0, 1, "name exactly one folder to check"},
    {Mode::Import, "--import", kStrictFigures | kOut, kOut, 0,
     "--import takes no further folder; name the destination with --out"},
    {Mode::UpdateManifest, "--update-manifest", 0, 0, 1, "--update-manifest takes the one folder it writes"},
};

struct Options {
    Mode mode = Mode::Check;
    std::optional<aoba::FileEncoding> encoding; // nothing: each file as it reads, UTF-8 first
    bool strictFigures = false;
    fs::path folder; // checked, imported from, or given a manifest
    fs::path out;    // --import's destination
};

// The arguments as the file system needs them. On Windows they come from the wide command line: main()'s
// bytes are in the ANSI code page and cannot name a folder outside it. On Linux main()'s bytes are the
// names themselves, and Latin-1 maps each byte to one character and back, so even a name that is not UTF-8
// reaches the file system as typed.
QStringList Arguments(int argc, char** argv) {
#ifdef _WIN32
    return aoba::console::Arguments(argc, argv);
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
#endif
}

fs::path PathOf(const QString& argument) {
#ifdef _WIN32
    return fs::path(argument.toStdWString());
#else
    return fs::path(argument.toLatin1().toStdString());
#endif
}

std::optional<aoba::FileEncoding> EncodingNamed(const QString& name) {
    if (name == QLatin1String("utf-8"))
        return aoba::FileEncoding::Utf8;
    if (name == QLatin1String("cp932"))
        return aoba::FileEncoding::Cp932;
    if (name == QLatin1String("detect"))
        return aoba::FileEncoding::Detect;
    return std::nullopt;
}

// What the command line holds that its mode does not take, or lacks that it needs; empty when it fits.
QString Misfit(const QCommandLineParser& parser, Mode mode,
               std::initializer_list<std::pair<const QCommandLineOption*, Option>> options) {
    const ModeRule& rule = *std::find_if(std::begin(kModeRules), std::end(kModeRules),
                                         [&](const ModeRule& r) { return r.mode == mode; });
    for (const auto& [option, bit] : options) {
        const QString name = QStringLiteral("--") + option->names().front();
        if (parser.isSet(*option) && !(rule.allowed & bit))
            return name + QStringLiteral(" does not go with ") + QLatin1String(rule.name);
        if (!parser.isSet(*option) && (rule.required & bit))
            return QLatin1String(rule.name) + QStringLiteral(" needs ") + name;
    }
    if (parser.positionalArguments().size() != rule.folders)
        return QLatin1String(rule.folderRule);
    return {};
}

// The options, or the status to exit with: 0 after the usage was asked for, 2 after a message on stderr.
// An option's value is taken whatever it looks like ("--out --help" names a folder), and "--" ends the
// options.
std::variant<Options, int> ParseOptions(const QStringList& arguments) {
    const auto fail = [](const QString& why) {
        PrintError(why.toStdString());
        PrintError(kUsage, false);
        return kBadUsage;
    };
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption encoding(QStringLiteral("encoding"), {}, QStringLiteral("name"));
    const QCommandLineOption strict(QStringLiteral("strict-figures"), {});
    const QCommandLineOption import(QStringLiteral("import"), {}, QStringLiteral("folder"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("folder"));
    const QCommandLineOption update(QStringLiteral("update-manifest"), {});
    parser.addOptions({help, encoding, strict, import, out, update});
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        PrintReport(kUsage);
        return kAllWell;
    }
    if (parser.isSet(import) && parser.isSet(update))
        return fail(QStringLiteral("--import and --update-manifest do not go together"));
    Options options;
    options.mode = parser.isSet(import)   ? Mode::Import
                   : parser.isSet(update) ? Mode::UpdateManifest
                                          : Mode::Check;
    if (const QString misfit =
            Misfit(parser, options.mode, {{&encoding, kEncoding}, {&strict, kStrictFigures}, {&out, kOut}});
        !misfit.isEmpty())
        return fail(misfit);
    if (parser.isSet(encoding)) {
        options.encoding = EncodingNamed(parser.value(encoding));
        if (!options.encoding)
            return fail(QStringLiteral("--encoding takes utf-8, cp932 or detect"));
    }
    options.strictFigures = parser.isSet(strict);
    options.folder =
        PathOf(options.mode == Mode::Import ? parser.value(import) : parser.positionalArguments().front());
    if (options.mode == Mode::Import)
        options.out = PathOf(parser.value(out));
    return options;
}

// --- reading a folder

std::string Plural(long count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// A folder to read, its reason on stderr when it cannot be opened.
std::optional<aoba::Folder> OpenToRead(const fs::path& path) {
    std::error_code error;
    aoba::Folder folder = aoba::Folder::OpenToRead(path, error);
    if (!error)
        return folder;
    PrintError(aoba::NativePathText(path) + ": cannot open the folder: " + aoba::Reason(error));
    return std::nullopt;
}

struct Report {
    aoba::CatalogueTexts texts;
    long violations = 0;
    long ioErrors = 0;
    std::set<fs::path> brokenFiles;
    long differences = 0;
};

void PrintViolation(Report& report, const fs::path& path, const aoba::Violation& v) {
    PrintReport(aoba::ReportLine(path, v.line, v.rule, v.detail));
    report.violations += v.count;
    report.ioErrors += v.ioError ? 1 : 0;
    report.brokenFiles.insert(path);
}

// The names in a folder that the check passes over: neither an entry, nor the manifest, nor what the tools
// keep there themselves.
void PrintPassedOver(const aoba::Folder& folder) {
    std::error_code error;
    std::vector<std::string> names = folder.Names(error);
    std::sort(names.begin(), names.end());
    aoba::ShortList listed(10);
    std::string shown;
    for (const std::string& name : names) {
        if (aoba::EntryNumberOf(name) != 0 || name == aoba::kManifestName || name == ".catalogue-lock" ||
            name.starts_with(".import-"))
            continue;
        if (listed.Take())
            shown += " " + aoba::QuoteBytes(name);
    }
    if (!shown.empty())
        PrintReport("passed over, not entry files:" + shown +
                    (listed.Unlisted() > 0 ? " and " + std::to_string(listed.Unlisted()) + " more" : ""));
}

// Whether a folder's manifest is checked: data/ must have one; a folder of texts to import has none.
enum class Manifest { Skip, IfPresent, Required };

// Checks every entry of folder, and its manifest as asked, and prints the report.
Report CheckFolder(const aoba::Folder& folder, std::optional<aoba::FileEncoding> encoding, Manifest manifest,
                   aoba::Cp932& codePage) {
    Report report;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        aoba::EntryFile file =
            aoba::ReadEntryFile(folder.Path(), n, encoding.value_or(aoba::FileEncoding::Detect), codePage);
        for (const aoba::Violation& v : file.violations)
            PrintViolation(report, file.path, v);
        report.texts[static_cast<std::size_t>(n - 1)] = std::move(file.text);
    }
    std::error_code error;
    if (manifest == Manifest::Required ||
        (manifest == Manifest::IfPresent &&
         fs::symlink_status(aoba::SetFilePath(folder.Path(), aoba::kManifestName), error).type() !=
             fs::file_type::not_found)) {
        for (const aoba::ManifestProblem& problem : aoba::ManifestProblems(folder.Path()))
            PrintViolation(report, problem.path,
                           {problem.line, "manifest", problem.detail, 1, problem.ioError});
    }
    PrintPassedOver(folder);

    const std::vector<aoba::FigureRow> rows = aoba::CompareFigures(report.texts, codePage);
    for (const aoba::FigureRow& row : rows)
        report.differences += row.differs ? 1 : 0;
    if (report.violations > 0)
        PrintReport("");
    PrintReport(aoba::RenderFigureTable(rows));
    PrintReport("");
    PrintReport(Plural(report.violations, "rule violation") + " in " +
                Plural(static_cast<long>(report.brokenFiles.size()), "file") + ", " +
                Plural(report.differences, "figure difference"));
    return report;
}

// What a report means for the exit status, the system's failures first: the report is then incomplete.
int StatusOf(const Report& report, bool strictFigures) {
    if (report.ioErrors > 0)
        return kSystemError;
    return report.violations > 0 || (strictFigures && report.differences > 0) ? kFault : kAllWell;
}

// --- changing a folder

void PrintChange(const aoba::SetChange& change) {
    for (const std::string& message : change.messages)
        PrintError(message);
}

// After the problem with a .import-commit this tool did not leave: check, import and manifest say the same.
void PrintForeignChangeAdvice(const fs::path& destination) {
    PrintError("--import and --update-manifest change nothing in " + aoba::NativePathText(destination) +
               " while that folder is there; look at what it holds, remove it and all it holds, then run "
               "--import or --update-manifest");
}

// The status of a change that did not take place.
int FailedChange(const aoba::SetChange& change) {
    return change.systemError ? kSystemError : kFault;
}

// The folder a change writes, opened without following a link (made first, if asked) and locked against
// any other change and any reader; stopped changes finished. The status to exit with, after the reason on
// stderr, if that cannot be had.
std::variant<aoba::Folder, int> OpenToChange(const fs::path& destination, bool make) {
    const std::string shown = aoba::NativePathText(destination);
    std::error_code error;
    if (fs::is_symlink(destination, error)) {
        PrintError(shown + " is a symbolic link; name the folder it points to; nothing was changed");
        return kFault;
    }
    error.clear(); // a destination that is not there is no link
    if (make)
        fs::create_directories(destination, error);
    aoba::Folder folder = error ? aoba::Folder() : aoba::Folder::Open(destination, error);
    if (error) {
        PrintError(shown + ": cannot open the folder: " + aoba::Reason(error) + "; nothing was changed");
        return kSystemError;
    }
    if (!folder.TryLockExclusive(error)) {
        PrintError(
            shown +
            (error ? ": cannot lock the folder: " + aoba::Reason(error)
                   : std::string(" is in use: another import is changing it, or a build is reading it")) +
            "; nothing was changed");
        return error ? kSystemError : kFault;
    }
    const aoba::SetChange stopped = aoba::FinishStoppedChanges(folder);
    PrintChange(stopped);
    switch (stopped.outcome) {
    case aoba::SetChange::Outcome::Done: return folder;
    case aoba::SetChange::Outcome::Unchanged:
        PrintForeignChangeAdvice(destination);
        PrintError("nothing was changed in " + shown);
        return FailedChange(stopped);
    case aoba::SetChange::Outcome::Stuck: break;
    }
    PrintError(shown + ": a stopped import could be neither finished nor undone; nothing else was changed");
    return kSystemError;
}

// The outcome of a change, on stderr when it did not take place: 0 when it did, else the status.
int ReportChange(const aoba::SetChange& change, const fs::path& destination) {
    PrintChange(change);
    switch (change.outcome) {
    case aoba::SetChange::Outcome::Done: return kAllWell;
    case aoba::SetChange::Outcome::Unchanged:
        PrintError("nothing was changed in " + aoba::NativePathText(destination));
        return FailedChange(change);
    case aoba::SetChange::Outcome::Stuck: break;
    }
    PrintError(aoba::NativePathText(destination) +
               " could be neither finished nor put back: it is read as the new set, and the next --import or "
               "--update-manifest finishes it");
    return kSystemError;
}

// --- the three modes

int Import(const Options& options, aoba::Cp932& codePage) {
    // The source first, so a source that cannot be read leaves the destination as it was.
    const std::optional<aoba::Folder> source = OpenToRead(options.folder);
    if (!source)
        return kSystemError;
    // Locked before the source is read, so a second import is refused at once.
    std::variant<aoba::Folder, int> opened = OpenToChange(options.out, true);
    if (const int* status = std::get_if<int>(&opened))
        return *status;
    const aoba::Folder& folder = std::get<aoba::Folder>(opened);
    const Report report = CheckFolder(*source, aoba::FileEncoding::Detect, Manifest::IfPresent, codePage);
    if (const int status = StatusOf(report, options.strictFigures); status != kAllWell) {
        PrintReport("nothing was written to " + aoba::NativePathText(options.out));
        return status;
    }
    std::vector<aoba::SetFile> files;
    std::vector<std::string> entries;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        entries.push_back(aoba::EncodeUtf8(*report.texts[static_cast<std::size_t>(n - 1)]));
        files.push_back({aoba::EntryFileName(n), entries.back()});
    }
    files.push_back({aoba::kManifestName, aoba::RenderManifest(entries)});
    if (const int status = ReportChange(aoba::ReplaceSet(folder, files), options.out); status != kAllWell)
        return status;
    PrintReport("wrote " + std::to_string(aoba::kEntryCount) + " files to " +
                aoba::NativePathText(options.out));
    return kAllWell;
}

int UpdateManifest(const fs::path& destination, aoba::Cp932& codePage) {
    std::variant<aoba::Folder, int> opened = OpenToChange(destination, false);
    if (const int* status = std::get_if<int>(&opened))
        return *status;
    const aoba::Folder& folder = std::get<aoba::Folder>(opened);
    // The build reads data/ as UTF-8, and a manifest is no use for files it would refuse.
    const Report report = CheckFolder(folder, aoba::FileEncoding::Utf8, Manifest::Skip, codePage);
    const std::string manifest = aoba::NativePathText(destination / aoba::kManifestName);
    if (const int status = StatusOf(report, false); status != kAllWell) {
        PrintReport(manifest + " was not written: the files break the rules above");
        return status;
    }
    const std::vector<aoba::ManifestProblem> before = aoba::ManifestProblems(destination);
    if (before.empty()) {
        PrintReport(manifest + " already names the files " + aoba::NativePathText(destination) +
                    " holds; nothing was changed");
        return kAllWell;
    }
    PrintReport(aoba::RenderProblems(before));
    std::vector<std::string> entries;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        // Read again as bytes: the manifest names the bytes, not the text they decode to.
        const fs::path path = destination / aoba::EntryFileName(n);
        const aoba::FileRead read = aoba::ReadRegularFile(path, aoba::kMaxEntryBytes);
        if (const std::optional<aoba::Violation> refused = aoba::ReadViolation(read, aoba::kMaxEntryBytes)) {
            PrintError(aoba::NativePathText(path) + ": " + refused->detail + "; nothing was changed");
            return refused->ioError ? kSystemError : kFault;
        }
        entries.push_back(read.bytes);
    }
    if (const int status = ReportChange(
            aoba::ReplaceSet(folder, {{aoba::kManifestName, aoba::RenderManifest(entries)}}), destination);
        status != kAllWell)
        return status;
    PrintReport("wrote " + manifest + " for the " + std::to_string(aoba::kEntryCount) + " files it holds");
    return kAllWell;
}

int Check(const Options& options, aoba::Cp932& codePage) {
    // Locked shared, so an import cannot change the files half-way through the check.
    std::optional<aoba::Folder> folder = OpenToRead(options.folder);
    if (!folder)
        return kSystemError;
    std::error_code error;
    folder->LockShared(error); // where the file system has no locks, the check goes on without one
    const aoba::StoppedChange stopped = aoba::FindStoppedChange(options.folder);
    switch (stopped.kind) {
    case aoba::StoppedChange::Kind::None: break;
    case aoba::StoppedChange::Kind::Ours:
        PrintError(
            "note: " + aoba::NativePathText(options.folder) +
            " holds an import that was stopped after it was complete; it is checked as the new set, and "
            "the next --import or --update-manifest moves it in");
        break;
    case aoba::StoppedChange::Kind::Foreign:
        PrintError(stopped.problem);
        PrintForeignChangeAdvice(options.folder);
        break;
    }
    // The catalogue folder of this source tree must have its manifest, as the build wants it.
    const bool isData = fs::equivalent(options.folder, fs::path(AOBA_DATA_DIR), error);
    const Report report =
        CheckFolder(*folder, options.encoding, isData ? Manifest::Required : Manifest::IfPresent, codePage);
    const int status = StatusOf(report, options.strictFigures);
    return status == kAllWell && stopped.kind == aoba::StoppedChange::Kind::Foreign ? kFault : status;
}

int Run(const QStringList& arguments) {
    const std::variant<Options, int> parsed = ParseOptions(arguments);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const Options& options = std::get<Options>(parsed);
    aoba::Cp932 codePage;
    switch (options.mode) {
    case Mode::Import: return Import(options, codePage);
    case Mode::UpdateManifest: return UpdateManifest(options.folder, codePage);
    case Mode::Check: break;
    }
    return Check(options, codePage);
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const int status = Run(Arguments(argc, argv));
    return everyLineWritten ? status : kSystemError;
}

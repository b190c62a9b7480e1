// SPDX-License-Identifier: MIT
// aoba-catalogue-check: checks a folder of the 382 entry files, imports texts into data/, or writes the
// manifest of data/ after a hand edit.
// Exit status: 0 all well, 1 a broken rule (or a figure difference with --strict-figures), a change of
// data/ that did not take place or a .import-commit in the folder that this tool did not leave, 2 bad usage.
#include "calendar/calendar.h"
#include "catalogue/entry_check/catalogue_folder.h"
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/folder_io.h"
#include "catalogue/entry_check/manifest.h"
#include "catalogue/entry_check/report.h"
#include "catalogue/entry_check/utf8.h"
#include "tools/checker/figures.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kBroken = 1;
constexpr int kBadUsage = 2;
constexpr const char* kProgram = "aoba-catalogue-check: ";

constexpr const char* kUsage =
    "usage: aoba-catalogue-check [--encoding utf-8|cp932|detect] [--strict-figures] [--] DIR\n"
    "       aoba-catalogue-check --import SRC [--out DEST] [--strict-figures]\n"
    "       aoba-catalogue-check --update-manifest [--] [DEST]\n"
    "Checks DIR/001.txt … DIR/382.txt and reports their figures beside the expected ones.\n"
    "--import checks the files in SRC (each UTF-8 or code page 932) and, when they keep every rule,\n"
    "replaces the set in DEST with them as UTF-8 and their manifest, all files or none.\n"
    "--update-manifest writes DEST/SHA256SUMS for the files DEST holds, after an entry was edited by hand.\n"
    "DEST is " AOBA_DATA_DIR " unless named.\n";

enum class Mode { Check, Import, UpdateManifest };

struct Options {
    bool help = false; // the rest is not read
    Mode mode = Mode::Check;
    aoba::FileEncoding encoding = aoba::FileEncoding::Detect;
    bool encodingGiven = false;
    bool strictFigures = false;
    std::optional<fs::path> importFrom;
    std::optional<fs::path> out;
    std::vector<fs::path> folders;
};

std::optional<aoba::FileEncoding> ParseEncoding(const std::string& name) {
    if (name == "utf-8")
        return aoba::FileEncoding::Utf8;
    if (name == "cp932")
        return aoba::FileEncoding::Cp932;
    if (name == "detect")
        return aoba::FileEncoding::Detect;
    return std::nullopt;
}

// Nothing, with a message on stderr, when the command line makes no sense. The arguments are read once, in
// order, and an option's value is taken whatever it looks like: a folder may be named "--help".
std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    const auto fail = [](const std::string& why) -> std::optional<Options> {
        std::cerr << kProgram << why << '\n' << kUsage;
        return std::nullopt;
    };
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc)
                return std::nullopt;
            return std::string(argv[++i]);
        };
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            options.folders.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        } else if (arg == "--strict-figures") {
            options.strictFigures = true;
        } else if (arg == "--update-manifest") {
            options.mode = Mode::UpdateManifest;
        } else if (arg == "--encoding") {
            const std::optional<std::string> name = value();
            const std::optional<aoba::FileEncoding> encoding = name ? ParseEncoding(*name) : std::nullopt;
            if (!encoding)
                return fail("--encoding takes utf-8, cp932 or detect");
            options.encoding = *encoding;
            options.encodingGiven = true;
        } else if (arg == "--import" || arg == "--out") {
            const std::optional<std::string> folder = value();
            if (!folder)
                return fail(arg + " takes a folder");
            (arg == "--import" ? options.importFrom : options.out) = fs::path(*folder);
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (options.mode == Mode::UpdateManifest) {
        if (options.importFrom || options.out || options.encodingGiven || options.strictFigures)
            return fail("--update-manifest takes only the folder, if any");
        if (options.folders.size() > 1)
            return fail("--update-manifest takes one folder at most");
        if (options.folders.empty())
            options.folders.emplace_back(AOBA_DATA_DIR);
    } else if (options.importFrom) {
        options.mode = Mode::Import;
        if (!options.folders.empty())
            return fail("--import takes no further folder; name the destination with --out");
        // Each file is taken as UTF-8 when it is valid UTF-8 and as code page 932 otherwise.
        if (options.encodingGiven)
            return fail("--import finds each file's encoding itself; --encoding does not apply");
        options.folders.push_back(*options.importFrom);
    } else {
        if (options.out)
            return fail("--out only goes with --import");
        if (options.folders.size() != 1)
            return fail("name exactly one folder to check");
    }
    return options;
}

std::string Plural(long count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void PrintChange(const aoba::SetChange& change) {
    for (const std::string& message : change.messages)
        std::cerr << kProgram << message << '\n';
}

// After the problem with a .import-commit this tool did not leave: check, import and manifest say the same.
void PrintForeignChangeAdvice(const fs::path& destination) {
    std::cerr << kProgram << "--import and --update-manifest change nothing in "
              << aoba::NativePathText(destination)
              << " while that folder is there; look at what it holds, remove it and all it holds, then run "
                 "--import or --update-manifest\n";
}

// The folder a change writes, opened without following a link and locked against any other change and
// any reader; stopped changes finished. Nothing, with the reason on stderr, if that cannot be had.
std::optional<aoba::Folder> OpenToChange(const fs::path& destination) {
    std::error_code error;
    if (fs::is_symlink(destination, error)) {
        std::cerr << kProgram << aoba::NativePathText(destination)
                  << " is a symbolic link; name the folder it points to; nothing was changed\n";
        return std::nullopt;
    }
    fs::create_directories(destination, error);
    aoba::Folder folder = error ? aoba::Folder() : aoba::Folder::Open(destination, error);
    if (error) {
        std::cerr << kProgram << aoba::NativePathText(destination)
                  << ": cannot open the folder: " << aoba::Reason(error) << "; nothing was changed\n";
        return std::nullopt;
    }
    if (!folder.TryLockExclusive(error)) {
        std::cerr << kProgram << aoba::NativePathText(destination)
                  << (error ? ": cannot lock the folder: " + aoba::Reason(error)
                            : std::string(
                                  " is in use: another import is changing it, or a build is reading it"))
                  << "; nothing was changed\n";
        return std::nullopt;
    }
    const aoba::SetChange stopped = aoba::FinishStoppedChanges(folder);
    PrintChange(stopped);
    switch (stopped.outcome) {
    case aoba::SetChange::Outcome::Done: return folder;
    case aoba::SetChange::Outcome::Unchanged:
        PrintForeignChangeAdvice(destination);
        std::cerr << kProgram << "nothing was changed in " << aoba::NativePathText(destination) << '\n';
        return std::nullopt;
    case aoba::SetChange::Outcome::Stuck: break;
    }
    std::cerr << kProgram << aoba::NativePathText(destination)
              << ": a stopped import could be neither finished nor undone; nothing else was changed\n";
    return std::nullopt;
}

// The outcome of a change, on stderr when it did not take place. True when it did.
bool ReportChange(const aoba::SetChange& change, const fs::path& destination) {
    PrintChange(change);
    switch (change.outcome) {
    case aoba::SetChange::Outcome::Done: return true;
    case aoba::SetChange::Outcome::Unchanged:
        std::cerr << kProgram << "nothing was changed in " << aoba::NativePathText(destination) << '\n';
        return false;
    case aoba::SetChange::Outcome::Stuck: break;
    }
    std::cerr << kProgram << aoba::NativePathText(destination)
              << " could be neither finished nor put back: it is read as the new set, and the next --import "
                 "or --update-manifest finishes it\n";
    return false;
}

struct Report {
    aoba::CatalogueTexts texts;
    long violations = 0;
    std::set<fs::path> brokenFiles;
    long differences = 0;
};

void PrintViolation(Report& report, const fs::path& path, const aoba::Violation& v) {
    std::cout << aoba::ReportLine(path, v.line, v.rule, v.detail) << '\n';
    report.violations += v.count;
    report.brokenFiles.insert(path);
}

// Whether a folder's manifest is checked: data/ must have one; a folder of texts to import has none.
enum class Manifest { Skip, IfPresent, Required };

// Checks every entry of folder, and its manifest as asked, and prints the report.
Report CheckFolder(const fs::path& folder, aoba::FileEncoding encoding, Manifest manifest,
                   aoba::Cp932& codePage) {
    Report report;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        aoba::EntryFile file = aoba::ReadEntryFile(folder, n, encoding, codePage);
        for (const aoba::Violation& v : file.violations)
            PrintViolation(report, file.path, v);
        report.texts[static_cast<std::size_t>(n - 1)] = std::move(file.text);
    }
    std::error_code error;
    if (manifest == Manifest::Required ||
        (manifest == Manifest::IfPresent &&
         fs::symlink_status(aoba::SetFilePath(folder, aoba::kManifestName), error).type() !=
             fs::file_type::not_found)) {
        for (const aoba::ManifestProblem& problem : aoba::ManifestProblems(folder))
            PrintViolation(report, problem.path, {problem.line, "manifest", problem.detail});
    }

    const std::vector<aoba::FigureRow> rows = aoba::CompareFigures(report.texts, codePage);
    for (const aoba::FigureRow& row : rows)
        report.differences += row.differs ? 1 : 0;
    if (report.violations > 0)
        std::cout << '\n';
    std::cout << aoba::RenderFigureTable(rows) << '\n'
              << Plural(report.violations, "rule violation") << " in "
              << Plural(static_cast<long>(report.brokenFiles.size()), "file") << ", "
              << Plural(report.differences, "figure difference") << '\n';
    return report;
}

int Import(const Options& options, aoba::Cp932& codePage) {
    const fs::path destination = options.out.value_or(fs::path(AOBA_DATA_DIR));
    // Locked before the source is read, so a second import is refused at once.
    const std::optional<aoba::Folder> folder = OpenToChange(destination);
    if (!folder)
        return kBroken;
    const Report report =
        CheckFolder(*options.importFrom, aoba::FileEncoding::Detect, Manifest::IfPresent, codePage);
    if (report.violations > 0 || (options.strictFigures && report.differences > 0)) {
        std::cout << "nothing was written to " << aoba::NativePathText(destination) << '\n';
        return kBroken;
    }
    std::vector<aoba::SetFile> files;
    std::vector<std::string> entries;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        entries.push_back(aoba::EncodeUtf8(*report.texts[static_cast<std::size_t>(n - 1)]));
        files.push_back({aoba::EntryFileName(n), entries.back()});
    }
    files.push_back({aoba::kManifestName, aoba::RenderManifest(entries)});
    if (!ReportChange(aoba::ReplaceSet(*folder, files), destination))
        return kBroken;
    std::cout << "wrote " << aoba::kEntryCount << " files to " << aoba::NativePathText(destination) << '\n';
    return 0;
}

int UpdateManifest(const fs::path& destination, aoba::Cp932& codePage) {
    const std::optional<aoba::Folder> folder = OpenToChange(destination);
    if (!folder)
        return kBroken;
    // The build reads data/ as UTF-8, and a manifest is no use for files it would refuse.
    const Report report = CheckFolder(destination, aoba::FileEncoding::Utf8, Manifest::Skip, codePage);
    const fs::path manifest = destination / aoba::kManifestName;
    if (report.violations > 0) {
        std::cout << aoba::NativePathText(manifest) << " was not written: the files break the rules above\n";
        return kBroken;
    }
    const std::vector<aoba::ManifestProblem> before = aoba::ManifestProblems(destination);
    if (before.empty()) {
        std::cout << aoba::NativePathText(manifest) << " already names the files "
                  << aoba::NativePathText(destination) << " holds; nothing was changed\n";
        return 0;
    }
    std::cout << aoba::RenderProblems(before);
    std::vector<std::string> entries;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        // Read again as bytes: the manifest names the bytes, not the text they decode to.
        const aoba::FileRead read =
            aoba::ReadRegularFile(destination / aoba::EntryFileName(n), aoba::kMaxEntryBytes);
        if (const std::optional<aoba::Violation> refused = aoba::ReadViolation(read, aoba::kMaxEntryBytes)) {
            std::cerr << kProgram << aoba::NativePathText(destination / aoba::EntryFileName(n)) << ": "
                      << refused->detail << "; nothing was changed\n";
            return kBroken;
        }
        entries.push_back(read.bytes);
    }
    if (!ReportChange(aoba::ReplaceSet(*folder, {{aoba::kManifestName, aoba::RenderManifest(entries)}}),
                      destination))
        return kBroken;
    std::cout << "wrote " << aoba::NativePathText(manifest) << " for the " << aoba::kEntryCount
              << " files it holds\n";
    return 0;
}

int Check(const Options& options, aoba::Cp932& codePage) {
    const fs::path folder = options.folders.front();
    // Shared, so an import cannot change the files half-way through the check.
    std::error_code error;
    aoba::Folder lock = aoba::Folder::OpenToRead(folder, error);
    if (error) {
        std::cerr << kProgram << aoba::NativePathText(folder)
                  << ": cannot open the folder: " << aoba::Reason(error) << '\n';
        return kBadUsage;
    }
    lock.LockShared(error); // where the file system has no locks, the check goes on without one
    const aoba::StoppedChange stopped = aoba::FindStoppedChange(folder);
    switch (stopped.kind) {
    case aoba::StoppedChange::Kind::None: break;
    case aoba::StoppedChange::Kind::Ours:
        std::cerr << kProgram << "note: " << aoba::NativePathText(folder)
                  << " holds an import that was stopped after it was complete; it is checked as the new set, "
                     "and the next --import or --update-manifest moves it in\n";
        break;
    case aoba::StoppedChange::Kind::Foreign:
        std::cerr << kProgram << stopped.problem << '\n';
        PrintForeignChangeAdvice(folder);
        break;
    }
    const bool isData = fs::equivalent(folder, AOBA_DATA_DIR, error);
    const Report report =
        CheckFolder(folder, options.encoding, isData ? Manifest::Required : Manifest::IfPresent, codePage);
    const bool blocked = stopped.kind == aoba::StoppedChange::Kind::Foreign;
    return blocked || report.violations > 0 || (options.strictFigures && report.differences > 0) ? kBroken
                                                                                                 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options)
        return kBadUsage;
    if (options->help) {
        std::cout << kUsage;
        return 0;
    }
    if (options->mode != Mode::UpdateManifest) {
        std::error_code error;
        if (!fs::is_directory(options->folders.front(), error)) {
            std::cerr << kProgram << aoba::NativePathText(options->folders.front()) << " is not a folder\n";
            return kBadUsage;
        }
    }
    aoba::Cp932 codePage;
    switch (options->mode) {
    case Mode::Import: return Import(*options, codePage);
    case Mode::UpdateManifest: return UpdateManifest(options->folders.front(), codePage);
    case Mode::Check: break;
    }
    return Check(*options, codePage);
}

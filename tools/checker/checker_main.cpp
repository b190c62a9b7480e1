// SPDX-License-Identifier: MIT
// aoba-catalogue-check: checks a folder of the 382 entry files, or imports code page 932 texts into data/.
// Exit status: 0 all well, 1 a broken rule (or a figure difference with --strict-figures), 2 bad usage.
#include "calendar/calendar.h"
#include "tools/checker/figures.h"
#include "tools/entry_check/cp932.h"
#include "tools/entry_check/entry_files.h"
#include "tools/entry_check/utf8.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kBroken = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: aoba-catalogue-check [--encoding utf-8|cp932|detect] [--strict-figures] DIR\n"
    "       aoba-catalogue-check --import SRC [--out DEST] [--strict-figures]\n"
    "Checks DIR/001.txt … DIR/382.txt and reports their figures beside the expected ones.\n"
    "--import checks code page 932 files in SRC and, when they keep every rule, writes them as UTF-8 to "
    "DEST\n"
    "(default " AOBA_DATA_DIR ").\n";

struct Options {
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

// Nothing, with a message on stderr, when the command line makes no sense.
std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    const auto fail = [](const std::string& why) -> std::optional<Options> {
        std::cerr << "aoba-catalogue-check: " << why << '\n' << kUsage;
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc)
                return std::nullopt;
            return std::string(argv[++i]);
        };
        if (arg == "--strict-figures") {
            options.strictFigures = true;
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
        } else if (arg.starts_with("-") && arg != "-") {
            return fail("unknown option " + arg);
        } else {
            options.folders.emplace_back(arg);
        }
    }
    if (options.importFrom) {
        if (!options.folders.empty())
            return fail("--import takes no further folder; name the destination with --out");
        // Imported texts come from the Windows program, so their encoding is not a choice.
        if (options.encodingGiven)
            return fail("--import always reads code page 932; --encoding does not apply");
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

// Every file first goes to a neighbour name, so a failed write leaves the destination as it was.
bool WriteCatalogue(const aoba::CatalogueTexts& texts, const fs::path& destination) {
    std::error_code error;
    fs::create_directories(destination, error);
    if (error) {
        std::cout << destination.string() << ": cannot create the folder: " << error.message() << '\n';
        return false;
    }
    std::vector<std::pair<fs::path, fs::path>> written;
    bool ok = true;
    for (int n = 1; n <= aoba::kEntryCount && ok; ++n) {
        const fs::path target = destination / aoba::EntryFileName(n);
        const fs::path temporary = fs::path(target).concat(".new");
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << aoba::EncodeUtf8(*texts[static_cast<std::size_t>(n - 1)]);
        ok = static_cast<bool>(out.flush());
        written.emplace_back(temporary, target);
        if (!ok)
            std::cout << temporary.string() << ": cannot write the file\n";
    }
    for (const auto& [temporary, target] : written) {
        if (ok) {
            fs::rename(temporary, target, error);
            if (error) {
                std::cout << target.string() << ": cannot replace the file: " << error.message() << '\n';
                ok = false;
            }
        } else {
            fs::remove(temporary, error);
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options)
        return kBadUsage;
    const fs::path folder = options->folders.front();
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::cerr << "aoba-catalogue-check: " << folder.string() << " is not a folder\n";
        return kBadUsage;
    }

    aoba::Cp932 codePage;
    const aoba::FileEncoding encoding = options->importFrom ? aoba::FileEncoding::Cp932 : options->encoding;
    aoba::CatalogueTexts texts;
    long violations = 0;
    long brokenFiles = 0;
    for (int n = 1; n <= aoba::kEntryCount; ++n) {
        aoba::EntryFile file = aoba::ReadEntryFile(folder, n, encoding, codePage);
        for (const aoba::Violation& v : file.violations) {
            std::cout << file.path.string() << ':' << v.line << ": " << v.rule << ": " << v.detail << '\n';
            violations += v.count;
        }
        brokenFiles += file.violations.empty() ? 0 : 1;
        texts[static_cast<std::size_t>(n - 1)] = std::move(file.text);
    }

    const std::vector<aoba::FigureRow> rows =
        aoba::CompareFigures(aoba::ComputeFigures(texts, codePage), aoba::ExpectedFigures());
    long differences = 0;
    for (const aoba::FigureRow& row : rows)
        differences += row.differs() ? 1 : 0;
    if (violations > 0)
        std::cout << '\n';
    std::cout << aoba::RenderFigureTable(rows) << '\n'
              << Plural(violations, "rule violation") << " in " << Plural(brokenFiles, "file") << ", "
              << Plural(differences, "figure difference") << '\n';

    const bool failed = violations > 0 || (options->strictFigures && differences > 0);
    if (options->importFrom) {
        const fs::path destination = options->out.value_or(fs::path(AOBA_DATA_DIR));
        if (failed) {
            std::cout << "nothing was written to " << destination.string() << '\n';
            return kBroken;
        }
        if (!WriteCatalogue(texts, destination))
            return kBroken;
        std::cout << "wrote " << aoba::kEntryCount << " files to " << destination.string() << '\n';
    }
    return failed ? kBroken : 0;
}

// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/manifest.h"

#include "calendar/calendar.h"
#include "catalogue/entry_check/catalogue_folder.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/lines.h"
#include "catalogue/entry_check/report.h"
#include "catalogue/entry_check/utf8.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <map>

namespace aoba {

namespace {

bool IsHex(std::string_view s) {
    return s.size() == 64 && s.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

// The digest as sha256sum prints it: lower-case hexadecimal.
std::string Sha256Hex(std::string_view bytes) {
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
    return s;
}

// What is wrong with one line of a manifest, or nothing; a sound line's digest goes into digests.
// sha256sum's own form: the digest, a space, then a space (text) or '*' (binary), then the name.
std::string LineProblem(std::string_view line, std::map<int, std::string>& digests) {
    constexpr std::size_t kNameAt = 66;
    if (line.size() <= kNameAt || !IsHex(line.substr(0, 64)) || line[64] != ' ' ||
        (line[65] != ' ' && line[65] != '*'))
        return "not a line \"DIGEST  NNN.txt\": " + QuoteBytes(line);
    const std::string_view name = line.substr(kNameAt);
    const int n = EntryNumberOf(name);
    if (n == 0)
        return "names " + QuoteBytes(name) + ", which is not an entry file";
    if (!digests.emplace(n, Lower(std::string(line.substr(0, 64)))).second)
        return "names " + std::string(name) + " a second time";
    return {};
}

} // namespace

std::string RenderManifest(const std::vector<std::string>& entryBytes) {
    std::string manifest;
    for (std::size_t i = 0; i < entryBytes.size(); ++i)
        manifest += Sha256Hex(entryBytes[i]) + "  " + EntryFileName(static_cast<int>(i) + 1) + '\n';
    return manifest;
}

ManifestText ReadManifestText(std::string_view text) {
    ManifestText manifest;
    ShortList listed(kListedMismatches);
    int lineNumber = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++lineNumber;
        const std::string problem = LineProblem(line, manifest.digests);
        if (!problem.empty() && listed.Take())
            manifest.problems.push_back({{}, lineNumber, problem});
    }
    if (listed.Unlisted() > 0)
        manifest.problems.push_back({{}, 0, std::to_string(listed.Unlisted()) + " more lines like these"});
    return manifest;
}

std::vector<ManifestProblem> ManifestProblems(const std::filesystem::path& folder) {
    std::vector<ManifestProblem> problems;
    const std::filesystem::path manifestPath = SetFilePath(folder, kManifestName);
    const FileRead manifest = ReadRegularFile(manifestPath, kMaxEntryBytes);
    if (manifest.status == FileRead::Status::Missing) {
        problems.push_back({manifestPath, 0,
                            "missing: an import writes it; after editing an entry by hand, run "
                            "aoba-catalogue-check --update-manifest"});
        return problems;
    }
    if (const std::optional<Violation> refused = ReadViolation(manifest, kMaxEntryBytes)) {
        problems.push_back({manifestPath, 0, refused->detail, refused->ioError});
        return problems;
    }
    ManifestText text = ReadManifestText(manifest.bytes);
    for (ManifestProblem& problem : text.problems) {
        problem.path = manifestPath;
        problems.push_back(std::move(problem));
    }

    ShortList mismatches(kListedMismatches);
    bool unlistedIoError = false;
    for (int n = 1; n <= kEntryCount; ++n) {
        const std::filesystem::path path = SetFilePath(folder, EntryFileName(n));
        const auto digest = text.digests.find(n);
        std::string problem;
        bool ioError = false;
        if (digest == text.digests.end()) {
            problem = std::string("has no line in ") + kManifestName;
        } else {
            const FileRead entry = ReadRegularFile(path, kMaxEntryBytes);
            if (const std::optional<Violation> refused = ReadViolation(entry, kMaxEntryBytes)) {
                problem = refused->detail;
                ioError = refused->ioError;
            } else if (Sha256Hex(entry.bytes) != digest->second)
                problem = std::string("does not match its line in ") + kManifestName;
        }
        if (!problem.empty() && mismatches.Take())
            problems.push_back({path, 0, problem, ioError});
        else
            unlistedIoError = unlistedIoError || ioError;
    }
    if (mismatches.Unlisted() > 0)
        problems.push_back({manifestPath, 0,
                            std::to_string(mismatches.Unlisted()) + " more files do not match it",
                            unlistedIoError});
    return problems;
}

std::string RenderProblems(const std::vector<ManifestProblem>& problems) {
    std::string text;
    for (const ManifestProblem& problem : problems)
        text += ReportLine(problem.path, problem.line, "manifest", problem.detail) + '\n';
    return text;
}

CheckedSet CheckSet(const std::filesystem::path& folder) {
    CheckedSet set;
    std::error_code error;
    set.lock = Folder::OpenToRead(folder, error);
    if (error) {
        set.problems.push_back({folder, 0, "cannot open the folder: " + Reason(error), true});
        return set;
    }
    // Where the file system has no locks, the manifest still catches a set changed while it is read.
    set.lock.LockShared(error);
    set.problems = ManifestProblems(folder);
    return set;
}

} // namespace aoba

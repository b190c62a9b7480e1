// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/manifest.h"

#include "calendar/calendar.h"
#include "catalogue/entry_check/catalogue_folder.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/report.h"
#include "catalogue/entry_check/utf8.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <map>

namespace aoba {

namespace {

// Entry n from its file name, or 0.
int EntryNumber(std::string_view name) {
    if (name.size() != 7 || !name.ends_with(".txt"))
        return 0;
    int n = 0;
    for (const char c : name.substr(0, 3)) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kEntryCount && EntryFileName(n) == name ? n : 0;
}

bool IsHex(std::string_view s) {
    return s.size() == 64 && s.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

std::string QuoteBytes(const std::string& bytes) {
    const std::optional<std::u16string> text = DecodeUtf8(bytes);
    return text ? Quote(*text) : std::string("(not UTF-8)");
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

} // namespace

std::string RenderManifest(const std::vector<std::string>& entryBytes) {
    std::string manifest;
    for (std::size_t i = 0; i < entryBytes.size(); ++i)
        manifest += Sha256Hex(entryBytes[i]) + "  " + EntryFileName(static_cast<int>(i) + 1) + '\n';
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
        problems.push_back({manifestPath, 0, refused->detail});
        return problems;
    }

    // sha256sum's own form: the digest, a space, then a space (text) or '*' (binary), then the name.
    std::map<int, std::string> sums;
    int badLines = 0;
    int lineNumber = 0;
    for (std::size_t start = 0; start < manifest.bytes.size();) {
        const std::size_t end = manifest.bytes.find('\n', start);
        const std::string line =
            manifest.bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? manifest.bytes.size() : end + 1;
        ++lineNumber;
        const std::string name = line.size() > 66 ? line.substr(66) : std::string();
        const int n = EntryNumber(name);
        std::string problem;
        if (line.size() <= 66 || !IsHex(std::string_view(line).substr(0, 64)) || line[64] != ' ' ||
            (line[65] != ' ' && line[65] != '*')) {
            problem = "not a line \"DIGEST  NNN.txt\": " + QuoteBytes(line);
        } else if (n == 0) {
            problem = "names " + QuoteBytes(name) + ", which is not an entry file";
        } else if (!sums.emplace(n, Lower(line.substr(0, 64))).second) {
            problem = "names " + name + " a second time";
        }
        if (!problem.empty() && ++badLines <= kListedMismatches)
            problems.push_back({manifestPath, lineNumber, problem});
    }
    if (badLines > kListedMismatches)
        problems.push_back(
            {manifestPath, 0, std::to_string(badLines - kListedMismatches) + " more lines like these"});

    int mismatches = 0;
    for (int n = 1; n <= kEntryCount; ++n) {
        const std::filesystem::path path = SetFilePath(folder, EntryFileName(n));
        const auto sum = sums.find(n);
        std::string problem;
        if (sum == sums.end()) {
            problem = std::string("has no line in ") + kManifestName;
        } else {
            const FileRead entry = ReadRegularFile(path, kMaxEntryBytes);
            const std::optional<Violation> refused = ReadViolation(entry, kMaxEntryBytes);
            if (refused)
                problem = refused->detail;
            else if (Sha256Hex(entry.bytes) != sum->second)
                problem = std::string("does not match its line in ") + kManifestName;
        }
        if (!problem.empty() && ++mismatches <= kListedMismatches)
            problems.push_back({path, 0, problem});
    }
    if (mismatches > kListedMismatches)
        problems.push_back({manifestPath, 0,
                            std::to_string(mismatches - kListedMismatches) + " more files do not match it"});
    return problems;
}

std::string RenderProblems(const std::vector<ManifestProblem>& problems) {
    std::string text;
    for (const ManifestProblem& problem : problems)
        text += NativePathText(problem.path) + ':' + std::to_string(problem.line) +
                ": manifest: " + problem.detail + '\n';
    return text;
}

CheckedSet CheckSet(const std::filesystem::path& folder) {
    CheckedSet set;
    std::error_code error;
    set.lock = Folder::OpenToRead(folder, error);
    if (error) {
        set.problems.push_back({folder, 0, "cannot open the folder: " + Reason(error)});
        return set;
    }
    // Where the file system has no locks, the manifest still catches a set changed while it is read.
    set.lock.LockShared(error);
    set.problems = ManifestProblems(folder);
    return set;
}

} // namespace aoba

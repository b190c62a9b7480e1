// SPDX-License-Identifier: MIT
// What the tool tests share: copies of the shipped catalogue and of a second, different set, running the
// built tools on them, and reading a copy of data/ the way the build must see it, worked out here on its own.
#pragma once

#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/utf8.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

inline const QString kDataDir = QStringLiteral(AOBA_DATA_DIR);

inline QString FileName(int n) {
    return QStringLiteral("%1.txt").arg(n, 3, 10, QLatin1Char('0'));
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Through the same iconv table the tool reads with; empty if a character has no code.
inline QByteArray ToCp932(const QByteArray& utf8) {
    const std::optional<std::u16string> text =
        aoba::DecodeUtf8(std::string_view(utf8.constData(), utf8.size()));
    if (!text)
        return {};
    aoba::Cp932 codePage;
    QByteArray bytes;
    for (const char16_t c : *text) {
        const std::string_view code = codePage.Encode(c);
        if (code.empty())
            return {};
        bytes.append(code.data(), static_cast<qsizetype>(code.size()));
    }
    return bytes;
}

// Where line `line` (1-based) of an entry's bytes begins.
inline qsizetype LineStart(const QByteArray& bytes, int line) {
    qsizetype at = 0;
    for (int i = 1; i < line; ++i)
        at = bytes.indexOf("\r\n", at) + 2;
    return at;
}

// A set of 382 entry files as data/ holds them (UTF-8), by file name.
using EntrySet = std::map<QString, QByteArray>;

inline EntrySet ShippedSet() {
    EntrySet set;
    for (int n = 1; n <= 382; ++n)
        set[FileName(n)] = ReadAll(kDataDir + QLatin1Char('/') + FileName(n));
    return set;
}

// The shipped set with one more character at the end of every entry's last line: it keeps every rule, and
// differs from the shipped one in every file.
inline EntrySet OtherSet() {
    EntrySet set = ShippedSet();
    for (auto& [name, bytes] : set)
        bytes.insert(bytes.size() - 2, "改");
    return set;
}

// The manifest of a set as sha256sum writes it.
inline QByteArray ManifestOf(const EntrySet& set) {
    QByteArray manifest;
    for (const auto& [name, bytes] : set)
        manifest += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " +
                    name.toLatin1() + '\n';
    return manifest;
}

// Writes the set into folder (as code page 932 if asked), with its manifest if asked.
inline bool WriteSet(const QString& folder, const EntrySet& set, bool asCp932, bool withManifest) {
    if (!QDir().mkpath(folder))
        return false;
    for (const auto& [name, bytes] : set) {
        if (!WriteAll(folder + QLatin1Char('/') + name, asCp932 ? ToCp932(bytes) : bytes))
            return false;
    }
    return !withManifest || WriteAll(folder + QStringLiteral("/SHA256SUMS"), ManifestOf(set));
}

inline bool CopyCatalogue(const QString& to, bool asCp932) {
    return WriteSet(to, ShippedSet(), asCp932, false);
}

// A file of a copy of data/ as the build must read it: from an import that was stopped after its one step
// (.import-commit) while the file is still there, otherwise from the folder itself.
inline QByteArray SeenFile(const QString& folder, const QString& name) {
    const QFileInfo commit(folder + QStringLiteral("/.import-commit"));
    const QFileInfo staged(commit.filePath() + QLatin1Char('/') + name);
    if (commit.isDir() && !commit.isSymLink() && (staged.exists() || staged.isSymLink()))
        return ReadAll(staged.filePath());
    return ReadAll(folder + QLatin1Char('/') + name);
}

// The checksums of a set's files and its manifest, to compare copies with.
struct SetSums {
    std::map<QString, QByteArray> files;
    QByteArray manifest;
};

inline QByteArray Sum(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

inline SetSums SumsOf(const EntrySet& set) {
    SetSums sums;
    for (const auto& [name, bytes] : set)
        sums.files[name] = Sum(bytes);
    sums.manifest = Sum(ManifestOf(set));
    return sums;
}

// "old", "new", or what else the build would see: a description of the mix.
inline QString WhichSet(const QString& folder, const SetSums& old, const SetSums& now) {
    int asOld = 0;
    int asNew = 0;
    QStringList others;
    for (const auto& [name, sum] : old.files) {
        const QByteArray seen = Sum(SeenFile(folder, name));
        if (seen == sum)
            ++asOld;
        else if (seen == now.files.at(name))
            ++asNew;
        else
            others << name;
    }
    const QByteArray manifest = Sum(SeenFile(folder, QStringLiteral("SHA256SUMS")));
    if (asOld == 382 && manifest == old.manifest)
        return QStringLiteral("old");
    if (asNew == 382 && manifest == now.manifest)
        return QStringLiteral("new");
    return QStringLiteral("%1 old files, %2 new, others: %3; manifest of the %4")
        .arg(asOld)
        .arg(asNew)
        .arg(others.join(QLatin1Char(' ')), manifest == old.manifest   ? QStringLiteral("old set")
                                            : manifest == now.manifest ? QStringLiteral("new set")
                                                                       : QStringLiteral("neither"));
}

inline QString WhichSet(const QString& folder, const EntrySet& old, const EntrySet& now) {
    return WhichSet(folder, SumsOf(old), SumsOf(now));
}

// Imports flush the file system they write; on tmpfs that costs nothing, on a busy disk it can take seconds.
inline std::unique_ptr<QTemporaryDir> ScratchDir() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        return std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/aoba-test-XXXXXX"));
    return std::make_unique<QTemporaryDir>();
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    QString all() const { return out + err; }
};

// A tool's text with the line ends of Linux. On Windows a pipe gets lines ended by CR LF, in the code page
// of the console the tool shares with this test, or the OEM code page when there is none, as `type` and
// `more` read them.
inline QString Lines(const QByteArray& text) {
#ifdef _WIN32
    const UINT console = GetConsoleOutputCP();
    const UINT codePage = console != 0 ? console : GetOEMCP();
    const int size = MultiByteToWideChar(codePage, 0, text.constData(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.constData(), int(text.size()), wide.data(), size);
    return QString::fromStdWString(wide).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#else
    return QString::fromUtf8(text);
#endif
}

inline Run RunTool(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, QStringLiteral("the tool did not finish: ") + process.errorString()};
    }
    return {process.exitCode(), Lines(process.readAllStandardOutput()),
            Lines(process.readAllStandardError())};
}

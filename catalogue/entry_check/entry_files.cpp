// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/entry_files.h"

#include "calendar/calendar.h"
#include "catalogue/entry_check/catalogue_folder.h"
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/lines.h"
#include "catalogue/entry_check/utf8.h"

#include <cstdio>

namespace aoba {

namespace {

// Where a decoding error stands: "byte 1234, line 5". skipped counts the bytes already taken off the front
// (a byte order mark).
std::string Position(std::string_view bytes, std::size_t offset, std::size_t skipped) {
    return "byte " + std::to_string(offset + skipped) + ", line " + std::to_string(LineOf(bytes, offset));
}

// The text of bytes in the encoding asked for; nothing, and in problem where it fails, if they are not.
std::optional<std::u16string> Decode(std::string_view bytes, std::size_t skipped, FileEncoding encoding,
                                     Cp932& codePage, std::string& problem) {
    std::size_t badUtf8 = 0;
    if (encoding != FileEncoding::Cp932) {
        if (std::optional<std::u16string> text = DecodeUtf8(bytes, &badUtf8))
            return text;
        if (encoding == FileEncoding::Utf8) {
            problem = "not valid UTF-8 at " + Position(bytes, badUtf8, skipped);
            return std::nullopt;
        }
    }
    std::size_t badCp932 = 0;
    if (std::optional<std::u16string> text = codePage.Decode(bytes, &badCp932))
        return text;
    problem = encoding == FileEncoding::Cp932
                  ? "not valid code page 932 at " + Position(bytes, badCp932, skipped)
                  : "neither valid UTF-8 (at " + Position(bytes, badUtf8, skipped) +
                        ") nor valid code page 932 (at " + Position(bytes, badCp932, skipped) + ")";
    return std::nullopt;
}

} // namespace

std::string EntryFileName(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.txt", n);
    return name;
}

int EntryNumberOf(std::string_view name) {
    if (name.size() != 7 || !name.ends_with(".txt"))
        return 0;
    int n = 0;
    for (const char c : name.substr(0, 3)) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kEntryCount ? n : 0;
}

std::optional<Violation> ReadViolation(const FileRead& read, std::size_t limit) {
    switch (read.status) {
    case FileRead::Status::Read: return std::nullopt;
    case FileRead::Status::Missing: return Violation{0, "missing", "the file is missing"};
    case FileRead::Status::NotRegular: return Violation{0, "not-regular", "not a regular file: " + read.kind};
    case FileRead::Status::TooLarge:
        return Violation{0, "too-large",
                         std::to_string(read.size) + " bytes, more than the " + std::to_string(limit) +
                             " an entry file may have; not read"};
    case FileRead::Status::Failed: break;
    }
    return Violation{0, "unreadable", "the file cannot be read: " + Reason(read.error), 1, true};
}

EntryText DecodeEntry(int n, std::string_view bytes, FileEncoding encoding, Cp932& codePage) {
    // Editors on Windows like to start UTF-8 with a byte order mark; say so once instead of through the
    // header and repertoire rules, and check the rest as it stands.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = encoding != FileEncoding::Cp932 && bytes.starts_with(kByteOrderMark);
    if (marked)
        bytes.remove_prefix(kByteOrderMark.size());
    EntryText entry;
    std::string problem;
    entry.text = Decode(bytes, marked ? kByteOrderMark.size() : 0, encoding, codePage, problem);
    if (!entry.text) {
        entry.violations.push_back({0, "encoding", problem});
        return entry;
    }
    entry.violations = CheckEntry(n, *entry.text, codePage);
    if (marked)
        entry.violations.insert(entry.violations.begin(),
                                {1, "bom", "the file starts with a byte order mark"});
    return entry;
}

EntryFile ReadEntryFile(const std::filesystem::path& folder, int n, FileEncoding encoding, Cp932& codePage) {
    EntryFile file;
    file.path = SetFilePath(folder, EntryFileName(n));
    const FileRead read = ReadRegularFile(file.path, kMaxEntryBytes);
    if (const std::optional<Violation> refused = ReadViolation(read, kMaxEntryBytes)) {
        file.violations.push_back(*refused);
        return file;
    }
    EntryText entry = DecodeEntry(n, read.bytes, encoding, codePage);
    file.text = std::move(entry.text);
    file.violations = std::move(entry.violations);
    return file;
}

} // namespace aoba

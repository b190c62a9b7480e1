// SPDX-License-Identifier: MIT
// Reading a folder of entry files, 001.txt … 382.txt, in UTF-8 or code page 932.
#pragma once

#include "catalogue/entry_check/entry_rules.h"
#include "catalogue/entry_check/folder_io.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace aoba {

enum class FileEncoding { Utf8, Cp932, Detect };

// The largest entry is under 4 KB in UTF-8 (under 3 KB in code page 932); anything much larger is not an
// entry, and is refused before it is read.
inline constexpr std::size_t kMaxEntryBytes = 64 * 1024;

std::string EntryFileName(int n);
// n for the file name of entry n ("001.txt" … "382.txt"), 0 for any other name.
int EntryNumberOf(std::string_view name);

struct EntryText {
    std::optional<std::u16string> text; // nothing when the bytes cannot be decoded
    std::vector<Violation> violations;  // every broken rule, decoding and structure alike
};

// The text of entry n from the bytes of its file, and every rule it breaks. Detect takes bytes that are
// valid UTF-8 as UTF-8 and any others as code page 932.
EntryText DecodeEntry(int n, std::string_view bytes, FileEncoding encoding, Cp932& codePage);

struct EntryFile {
    std::filesystem::path path;
    std::optional<std::u16string> text; // nothing when the file is missing or cannot be decoded
    std::vector<Violation> violations;  // every broken rule, reading and structure alike
};

// DecodeEntry on the file of entry n in folder, read through an import that was stopped after it was
// complete (catalogue_folder.h).
EntryFile ReadEntryFile(const std::filesystem::path& folder, int n, FileEncoding encoding, Cp932& codePage);

// The violation a file that could not be read stands for ("missing", "not-regular", "too-large",
// "unreadable"); nothing when it was read.
std::optional<Violation> ReadViolation(const FileRead& read, std::size_t limit);

} // namespace aoba

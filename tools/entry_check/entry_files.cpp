// SPDX-License-Identifier: MIT
#include "tools/entry_check/entry_files.h"

#include "tools/entry_check/cp932.h"
#include "tools/entry_check/utf8.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace aoba {

std::string EntryFileName(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.txt", n);
    return name;
}

EntryFile ReadEntryFile(const std::filesystem::path& folder, int n, FileEncoding encoding, Cp932& codePage) {
    EntryFile file{folder / EntryFileName(n), std::nullopt, {}};
    std::ifstream in(file.path, std::ios::binary);
    if (!in) {
        file.violations.push_back({0, "missing", "the file is missing or cannot be read"});
        return file;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    // Editors on Windows like to start UTF-8 with a byte order mark; say so once instead of through the
    // header and repertoire rules, and check the rest as it stands.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = encoding != FileEncoding::Cp932 && bytes.starts_with(kByteOrderMark);
    if (marked)
        bytes.erase(0, kByteOrderMark.size());

    std::size_t badOffset = 0;
    if (encoding != FileEncoding::Cp932) {
        file.text = DecodeUtf8(bytes, &badOffset);
        if (!file.text && encoding == FileEncoding::Utf8) {
            file.violations.push_back(
                {0, "encoding", "not valid UTF-8 at byte " + std::to_string(badOffset)});
            return file;
        }
    }
    if (!file.text) {
        file.text = codePage.Decode(bytes);
        if (!file.text) {
            file.violations.push_back({0, "encoding",
                                       encoding == FileEncoding::Cp932
                                           ? "not valid code page 932"
                                           : "neither valid UTF-8 nor valid code page 932"});
            return file;
        }
    }
    file.violations = CheckEntry(n, *file.text, codePage);
    if (marked)
        file.violations.insert(file.violations.begin(), {1, "bom", "the file starts with a byte order mark"});
    return file;
}

} // namespace aoba

// SPDX-License-Identifier: MIT
// The bytes of an entry file, read as UTF-8, as code page 932 and by detection, then held to every rule.
// The entry checked is the one whose header the bytes begin with, so that the files of data/ seed it with
// texts that keep every rule. Besides the common properties: the same text gives the same answer in its
// UTF-8 and its code page 932 form.
#include "calendar/calendar.h"
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/entry_files.h"
#include "catalogue/entry_check/header_line.h"
#include "tests/fuzz/catalogue_properties.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace {

using catalogue_fuzz::FitForTerminal;

aoba::Cp932& CodePage() {
    static aoba::Cp932 codePage;
    return codePage;
}

int EntryFor(std::string_view bytes) {
    static const std::array<std::u16string, aoba::kEntryCount> labels = [] {
        std::array<std::u16string, aoba::kEntryCount> all;
        for (int n = 1; n <= aoba::kEntryCount; ++n)
            all[static_cast<std::size_t>(n - 1)] = aoba::HeaderLabel(n);
        return all;
    }();
    const aoba::EntryText read = aoba::DecodeEntry(1, bytes, aoba::FileEncoding::Detect, CodePage());
    if (read.text)
        for (int n = 1; n <= aoba::kEntryCount; ++n)
            if (read.text->starts_with(labels[static_cast<std::size_t>(n - 1)]))
                return n;
    return 1 + static_cast<int>(bytes.size() % aoba::kEntryCount);
}

// What any answer must be: few lines, each fit for a terminal, at most three of a rule and a count.
void CheckAnswer(const aoba::EntryText& entry) {
    REQUIRE(entry.text.has_value() || entry.violations.size() == 1);
    REQUIRE(entry.violations.size() <= 40);
    std::map<std::string, int> listed;
    for (const aoba::Violation& v : entry.violations) {
        REQUIRE(!v.rule.empty() && FitForTerminal(v.rule, 20));
        REQUIRE(FitForTerminal(v.detail, 1000));
        REQUIRE(v.count >= 1 && v.line >= 0 && v.line <= 1 + 65536);
        REQUIRE(++listed[v.rule] <= aoba::kListedPerRule + 1);
    }
}

// The code page 932 bytes of text, or nothing if a character has none.
std::optional<std::string> ToCp932(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        const std::string_view code = CodePage().Encode(c);
        if (code.empty())
            return std::nullopt;
        bytes += code;
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int n = EntryFor(bytes);
    const aoba::EntryText utf8 = aoba::DecodeEntry(n, bytes, aoba::FileEncoding::Utf8, CodePage());
    CheckAnswer(utf8);
    CheckAnswer(aoba::DecodeEntry(n, bytes, aoba::FileEncoding::Cp932, CodePage()));
    CheckAnswer(aoba::DecodeEntry(n, bytes, aoba::FileEncoding::Detect, CodePage()));
    if (!utf8.text || bytes.starts_with("\xEF\xBB\xBF"))
        return 0;
    const std::optional<std::string> cp932 = ToCp932(*utf8.text);
    if (!cp932)
        return 0;
    for (const aoba::FileEncoding encoding : {aoba::FileEncoding::Cp932, aoba::FileEncoding::Detect}) {
        const aoba::EntryText other = aoba::DecodeEntry(n, *cp932, encoding, CodePage());
        REQUIRE(other.text == utf8.text);
        REQUIRE(other.violations == utf8.violations);
    }
    return 0;
}

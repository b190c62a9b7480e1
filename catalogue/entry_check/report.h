// SPDX-License-Identifier: MIT
// How the catalogue tools write what they found: characters and texts quoted for a terminal.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace aoba {

// "PATH:LINE: RULE: DETAIL", the form of every finding; line 0 for the file as a whole.
std::string ReportLine(const std::filesystem::path& path, int line, std::string_view rule,
                       std::string_view detail);

// Of many findings of one kind, the first few are listed and the rest only counted, so a hostile file
// gives a short report with a whole count.
class ShortList {
public:
    explicit ShortList(long listed)
        : listed_(listed) {}
    // Counts one more; true when it is among those to list.
    bool Take() { return ++seen_ <= listed_; }
    long Unlisted() const { return seen_ > listed_ ? seen_ - listed_ : 0; }

private:
    long listed_;
    long seen_ = 0;
};

// "U+3000 '　'": how a character is named in reports; an invisible one by its code alone.
std::string DescribeChar(char16_t c);

// text in quotes for a report, cut after kQuotedChars characters, invisible characters escaped: \r, \n,
// \t, \\ and U+XXXX.
inline constexpr std::size_t kQuotedChars = 60;
std::string Quote(std::u16string_view text);

// Bytes that should be UTF-8 (a line of a file, a name), quoted as Quote does; "(not UTF-8)" if they are not.
std::string QuoteBytes(std::string_view bytes);

} // namespace aoba

// SPDX-License-Identifier: MIT
// The structural rules every catalogue entry must keep. A broken rule is an error: the build refuses the
// data and the checker reports it with file, line and rule.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace aoba {

class Cp932;

struct Violation {
    int line = 0;     // 1-based; 0 for the file as a whole
    std::string rule; // a short stable name: "line-end", "header", "repertoire" …
    std::string detail;
};

std::vector<Violation> CheckEntry(int n, std::u16string_view text, Cp932& codePage);

// The lines of a text whose lines end in CR LF, without their line ends.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

// "U+3000 '　'": how a character is named in reports.
std::string DescribeChar(char16_t c);

} // namespace aoba

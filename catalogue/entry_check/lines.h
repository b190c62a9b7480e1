// SPDX-License-Identifier: MIT
// Lines of a text, as every reader of the catalogue tools takes them: CR LF, a lone CR and a lone LF each
// end a line, so that a stray line end is seen where it stands and the line numbers after it stay right.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace aoba {

// The line that begins at start: where its text ends, and where the next line begins (past its line end,
// or the end of the text).
struct LineSpan {
    std::size_t end = 0;
    std::size_t next = 0;
};

template <class Char> LineSpan LineAt(std::basic_string_view<Char> text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n'))
        ++end;
    if (end == text.size())
        return {end, end};
    const bool pair = text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n');
    return {end, end + (pair ? 2 : 1)};
}

// The lines of a text without their line ends; a line end at the very end makes no empty last line.
template <class Char>
std::vector<std::basic_string_view<Char>> SplitLines(std::basic_string_view<Char> text) {
    std::vector<std::basic_string_view<Char>> lines;
    for (std::size_t start = 0; start < text.size();) {
        const LineSpan line = LineAt(text, start);
        lines.push_back(text.substr(start, line.end - start));
        start = line.next;
    }
    return lines;
}

// The line (1-based) on which the character at offset stands.
template <class Char> int LineOf(std::basic_string_view<Char> text, std::size_t offset) {
    int line = 1;
    for (std::size_t start = 0; start < text.size();) {
        start = LineAt(text, start).next;
        if (start > offset)
            break;
        ++line;
    }
    return line;
}

} // namespace aoba

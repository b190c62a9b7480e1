// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/entry_rules.h"

#include "calendar/calendar.h"
#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/header_line.h"
#include "catalogue/entry_check/lines.h"
#include "catalogue/entry_check/report.h"
#include "catalogue/entry_check/utf8.h"

#include <map>

namespace aoba {

namespace {

constexpr int kMinLines = 3;
constexpr int kMaxLines = 56;
constexpr std::u16string_view kIdeographicSpace = u"　";

bool IsAllowedAscii(char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    return std::u16string_view(u" !&()+-./=?").find(c) != std::u16string_view::npos;
}

bool IsParenthesised(std::u16string_view s) {
    return s.size() >= 3 && s.front() == u'（' && s.back() == u'）';
}

bool IsNoteAfterSpace(std::u16string_view note, bool parenthesised) {
    if (!note.starts_with(kIdeographicSpace))
        return false;
    const std::u16string_view rest = note.substr(1);
    return parenthesised ? IsParenthesised(rest)
                         : !rest.empty() && rest[0] != u'　' && rest.find_first_of(u"（）") == rest.npos;
}

// The eight printed headers that go on after the issue label, what they may hold there, and how a report
// says it; every other header ends with its label.
struct HeaderNote {
    int issue;
    bool (*accepts)(std::u16string_view note);
    const char* rule;
};

constexpr HeaderNote kHeaderNotes[] = {
    {28, [](std::u16string_view note) { return IsParenthesised(note); },
     "followed at once by a note in full-width parentheses"},
    {30, [](std::u16string_view note) { return note == u"　（今号より、毎月一回・５日発行）"; },
     "followed by \"　（今号より、毎月一回・５日発行）\""},
    {35, [](std::u16string_view note) { return IsNoteAfterSpace(note, true); },
     "followed by U+3000 and a note in full-width parentheses"},
    {39, [](std::u16string_view note) { return note == u"　（誌代＝１５０円）"; },
     "followed by \"　（誌代＝１５０円）\""},
    {42, [](std::u16string_view note) { return IsNoteAfterSpace(note, false); },
     "followed by U+3000 and a note without parentheses"},
    {80, [](std::u16string_view note) { return note == kIdeographicSpace; }, "followed by one U+3000"},
    {89, [](std::u16string_view note) { return note == u"（定価 200円）"; },
     "followed at once by \"（定価 200円）\""},
    {380, [](std::u16string_view note) { return note == u"（終刊号）"; },
     "followed at once by \"（終刊号）\""},
};

constexpr HeaderNote kNoNote{0, [](std::u16string_view note) { return note.empty(); },
                             "with nothing after it"};

const HeaderNote& NoteOf(int n) {
    for (const HeaderNote& note : kHeaderNotes)
        if (note.issue == n)
            return note;
    return kNoNote;
}

void CheckHeader(int n, std::u16string_view header, std::vector<Violation>& out) {
    const std::u16string label = HeaderLabel(n);
    const HeaderNote& note = NoteOf(n);
    if (header.starts_with(label) && note.accepts(header.substr(label.size())))
        return;
    out.push_back({1, "header", "expected " + Quote(label) + " " + note.rule + ", found " + Quote(header)});
}

void CheckLineTwo(int n, const std::vector<std::u16string_view>& lines, std::vector<Violation>& out) {
    if (n != kSpecialEntry) {
        if (lines.size() >= 2 && !lines[1].empty())
            out.push_back({2, "line-2", "line 2 must be empty"});
        return;
    }
    // The special issue carries a note in line 2 and has its empty line third.
    if (lines.size() >= 2 && !(lines[1].starts_with(u"　　") && IsParenthesised(lines[1].substr(2))))
        out.push_back({2, "line-2", "line 2 must be two U+3000 and a note in full-width parentheses"});
    if (lines.size() >= 3 && !lines[2].empty())
        out.push_back({3, "line-2", "line 3 must be empty"});
}

// Line ends, controls and the repertoire, character by character; a lone CR or LF ends its line all the
// same, so the line numbers after it stay right.
std::vector<Violation> CheckCharacters(std::u16string_view text, Cp932& codePage) {
    std::vector<Violation> out;
    // A file of nothing but tabs would otherwise report each of them; count the rest instead.
    std::map<std::string, ShortList> seen;
    const auto add = [&](int line, const std::string& rule, const auto& detail) {
        if (seen.try_emplace(rule, kListedPerRule).first->second.Take())
            out.push_back({line, rule, detail()});
    };
    int line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
            ++line;
        } else if (c == u'\r' || c == u'\n') {
            add(line, "line-end", [&] { return c == u'\r' ? "CR without LF" : "LF without CR"; });
            ++line;
        } else if (c == u'\t') {
            add(line, "tab", [] { return "tab character"; });
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            add(line, "control", [&] { return "control character " + DescribeChar(c); });
        } else if (c < 0x80) {
            if (!IsAllowedAscii(c))
                add(line, "ascii",
                    [&] { return DescribeChar(c) + " is not among the ASCII characters of the catalogue"; });
        } else if (c >= 0xE000 && c <= 0xF8FF) {
            // Code page 932's user-defined characters (F040..F9FC) round-trip, but their glyphs exist only
            // on the machine that defined them; the real catalogue has none.
            add(line, "repertoire", [&] {
                return DescribeChar(c) + " is a private-use character (user-defined in code page 932)";
            });
        } else if (codePage.Encode(c).empty()) {
            add(line, "repertoire", [&] { return DescribeChar(c) + " is not in code page 932"; });
        }
    }
    const bool endsInBreak = !text.empty() && (text.back() == u'\r' || text.back() == u'\n');
    if (!endsInBreak)
        add(line, "line-end", [] { return "the text must end with CR LF"; });
    for (const auto& [rule, list] : seen) {
        if (list.Unlisted() > 0)
            out.push_back(
                {0, rule, std::to_string(list.Unlisted()) + " more like these, not listed", list.Unlisted()});
    }

    return out;
}

} // namespace

std::vector<Violation> CheckEntry(int n, std::u16string_view text, Cp932& codePage) {
    std::vector<Violation> out = CheckCharacters(text, codePage);
    const std::vector<std::u16string_view> lines = SplitLines(text);
    const int count = static_cast<int>(lines.size());
    if (count > 0 && lines.back().empty())
        out.push_back({count, "empty-last-line", "the text must not end with an empty line"});
    if (count < kMinLines || count > kMaxLines)
        out.push_back({0, "line-count",
                       std::to_string(count) + " lines, expected " + std::to_string(kMinLines) + " to " +
                           std::to_string(kMaxLines)});
    if (count >= 1)
        CheckHeader(n, lines[0], out);
    CheckLineTwo(n, lines, out);
    return out;
}

} // namespace aoba

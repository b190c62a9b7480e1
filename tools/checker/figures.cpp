// SPDX-License-Identifier: MIT
#include "tools/checker/figures.h"

#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/lines.h"

#include <algorithm>

namespace aoba {

namespace {

constexpr char16_t kIdeographicSpace = u'　';
constexpr int kLongestRun = 39;

// IBM-extension ideographs in code page 932; FA40..FA5B before them are numerals and symbols.
constexpr unsigned kIbmIdeographFirst = 0xFA5C;
constexpr unsigned kIbmIdeographLast = 0xFC4B;

bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

long Occurrences(std::u16string_view text, char16_t c) {
    return static_cast<long>(std::count(text.begin(), text.end(), c));
}

// Entries arrive in ascending order, so ties keep that order.
void Update(Extreme& extreme, long value, int n, bool smallest) {
    if (extreme.entries.empty() || (smallest ? value < extreme.value : value > extreme.value)) {
        extreme = {value, {n}};
    } else if (value == extreme.value) {
        extreme.entries.push_back(n);
    }
}

bool LastItemIsStaff(const std::vector<std::u16string_view>& body) {
    std::size_t article = body.size();
    for (std::size_t i = 0; i < body.size(); ++i)
        if (ClassifyBodyLine(body[i]).kind == BodyLineKind::Article)
            article = i;
    if (article == body.size())
        return false;
    std::u16string joined;
    for (std::size_t i = article; i < body.size(); ++i) {
        const BodyLine line = ClassifyBodyLine(body[i]);
        if (i > article && line.kind != BodyLineKind::Continuation)
            break;
        joined += body[i].substr(static_cast<std::size_t>(line.run));
    }
    return IsStaffItem(joined);
}

} // namespace

BodyLine ClassifyBodyLine(std::u16string_view line) {
    const std::size_t run = std::min(line.find_first_not_of(kIdeographicSpace), line.size());
    const int length = static_cast<int>(run);
    if (run == line.size() || line[run] == u' ')
        return {BodyLineKind::Other, length};
    if (length == 1)
        return {BodyLineKind::Article, length};
    if (length >= 2 && length <= kLongestRun)
        return {BodyLineKind::Continuation, length};
    return {BodyLineKind::Other, length};
}

bool EndsInSpaceRun(std::u16string_view line) {
    constexpr std::u16string_view kSpaces = u"　 ";
    return line.find_first_not_of(kSpaces) != std::u16string_view::npos &&
           kSpaces.find(line.back()) != std::u16string_view::npos;
}

bool IsStaffItem(std::u16string_view joined) {
    // The earliest bracket-equals pair leaves the most text for the comma, so "some pair" and "the first"
    // agree.
    const std::size_t mark = std::min(joined.find(u"」＝"), joined.find(u"」="));
    return joined.starts_with(u'「') && mark != std::u16string_view::npos &&
           joined.find(u'、', mark + 2) != std::u16string_view::npos;
}

CatalogueFigures ComputeFigures(const CatalogueTexts& texts, Cp932& codePage) {
    CatalogueFigures f;
    for (int n = 1; n <= static_cast<int>(texts.size()); ++n) {
        const std::optional<std::u16string>& entry = texts[static_cast<std::size_t>(n - 1)];
        if (!entry) {
            f.entriesWithoutGoInHeader.push_back(n);
            continue;
        }
        const std::u16string_view text = *entry;
        const std::vector<std::u16string_view> lines = SplitLines(text);
        ++f.entries;

        long bytes = 0;
        bool halfWidthKatakana = false;
        for (const char16_t c : text) {
            // A character outside code page 932 has no bytes; the file already breaks a rule for it.
            const std::string_view code = codePage.Encode(c);
            bytes += static_cast<long>(code.size());
            if (code.size() == 2) {
                const unsigned value = static_cast<unsigned>(static_cast<unsigned char>(code[0])) << 8 |
                                       static_cast<unsigned char>(code[1]);
                if (value >= kIbmIdeographFirst && value <= kIbmIdeographLast)
                    ++f.ibmIdeographs;
            }
            halfWidthKatakana = halfWidthKatakana || (c >= 0xFF61 && c <= 0xFF9F);
        }
        const long chars = static_cast<long>(text.size());
        const long lineCount = static_cast<long>(lines.size());
        Update(f.fewestLines, lineCount, n, true);
        Update(f.mostLines, lineCount, n, false);
        Update(f.fewestChars, chars, n, true);
        Update(f.mostChars, chars, n, false);
        Update(f.fewestBytes, bytes, n, true);
        Update(f.mostBytes, bytes, n, false);
        f.totalChars += chars;
        f.totalLines += lineCount;
        f.totalBytes += bytes;
        if (n == kAppendixEntry)
            f.linesOfAppendix = static_cast<int>(lineCount);
        if (n == kSpecialEntry)
            f.linesOfSpecial = static_cast<int>(lineCount);
        for (const std::u16string_view line : lines)
            f.longestLine = std::max(f.longestLine, static_cast<int>(line.size()));

        const std::size_t bodyStart = std::min<std::size_t>(n == kSpecialEntry ? 3 : 2, lines.size());
        const std::vector<std::u16string_view> body(lines.begin() + static_cast<long>(bodyStart),
                                                    lines.end());
        bool hasOther = false;
        bool hasTrailingRun = false;
        for (const std::u16string_view line : body) {
            const BodyLine kind = ClassifyBodyLine(line);
            switch (kind.kind) {
            case BodyLineKind::Article: ++f.articleLines; break;
            case BodyLineKind::Continuation:
                f.shortestRun = f.continuationLines == 0 ? kind.run : std::min(f.shortestRun, kind.run);
                f.longestRun = std::max(f.longestRun, kind.run);
                ++f.continuationLines;
                break;
            case BodyLineKind::Other:
                ++f.otherLines;
                hasOther = true;
                break;
            }
            if (EndsInSpaceRun(line)) {
                ++f.trailingRunLines;
                hasTrailingRun = true;
            }
        }
        if (hasOther)
            f.otherLineEntries.push_back(n);
        f.trailingRunEntries += hasTrailingRun ? 1 : 0;
        f.staffEntries += LastItemIsStaff(body) ? 1 : 0;
        f.halfWidthKatakanaEntries += halfWidthKatakana ? 1 : 0;

        if (n <= kLastIssue) {
            const bool full = Contains(text, u"センター");
            const bool half = Contains(text, u"ｾﾝﾀｰ");
            f.centreFullEntries += full ? 1 : 0;
            f.centreHalfEntries += half ? 1 : 0;
            f.centreBothEntries += full && half ? 1 : 0;
            f.nineElevenFullEntries += Contains(text, u"９・11") ? 1 : 0;
            f.nineElevenHalfEntries += Contains(text, u"9･11") ? 1 : 0;
            f.asciiEquals += Occurrences(text, u'=');
            f.fullWidthEquals += Occurrences(text, u'＝');
        }
        f.hasRomanOne = f.hasRomanOne || Contains(text, u"Ⅰ");
        f.hasRomanTwo = f.hasRomanTwo || Contains(text, u"Ⅱ");
        f.hasMillimetre = f.hasMillimetre || Contains(text, u"㎜");
        if (Contains(text, u"付録"))
            f.appendixEntries.push_back(n);
        if (Contains(text, u"特別号"))
            f.specialEntries.push_back(n);
        if (Contains(text, u"終刊号"))
            f.finalEntries.push_back(n);
        if (lines.empty() || !Contains(lines.front(), u"号"))
            f.entriesWithoutGoInHeader.push_back(n);
    }
    return f;
}

const CatalogueFigures& ExpectedFigures() {
    static const CatalogueFigures expected = [] {
        CatalogueFigures f;
        f.entries = 382;
        f.fewestLines = {3, {55}};
        f.mostLines = {56, {380}};
        f.fewestChars = {39, {55}};
        f.mostChars = {1398, {380}};
        f.fewestBytes = {64, {55}};
        f.mostBytes = {2635, {380}};
        f.totalChars = 214023;
        f.totalLines = 8305;
        f.totalBytes = 397857;
        f.linesOfAppendix = 6;
        f.linesOfSpecial = 8;
        f.longestLine = 69;
        f.articleLines = 5817;
        f.continuationLines = 1717;
        f.shortestRun = 2;
        f.longestRun = 39;
        f.otherLines = 6;
        f.otherLineEntries = {49, 95, 136, 170, 331, 347};
        f.trailingRunLines = 310;
        f.trailingRunEntries = 197;
        f.staffEntries = 292;
        f.halfWidthKatakanaEntries = 202;
        f.centreFullEntries = 20;
        f.centreHalfEntries = 7;
        f.centreBothEntries = 1;
        f.nineElevenFullEntries = 2;
        f.nineElevenHalfEntries = 16;
        f.asciiEquals = 21;
        f.fullWidthEquals = 5039;
        f.hasRomanOne = f.hasRomanTwo = f.hasMillimetre = true;
        f.ibmIdeographs = 1;
        f.appendixEntries = {381};
        f.specialEntries = {382};
        f.finalEntries = {380};
        f.entriesWithoutGoInHeader = {381};
        return f;
    }();
    return expected;
}

namespace {

std::string Grouped(long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return value < 0 ? "-" + digits : digits;
}

// Long lists are cut short; they only arise where a figure is far off anyway.
std::string Numbers(const std::vector<int>& entries) {
    constexpr std::size_t kShown = 8;
    std::string out;
    for (std::size_t i = 0; i < entries.size() && i < kShown; ++i)
        out += (out.empty() ? "" : " ") + std::to_string(entries[i]);
    if (entries.size() > kShown)
        out += " … and " + std::to_string(entries.size() - kShown) + " more";
    return out;
}

std::string Format(const Extreme& e) {
    return e.entries.empty() ? "none" : Grouped(e.value) + " (" + Numbers(e.entries) + ")";
}

std::string Mean(long total, int entries) {
    return entries == 0 ? "none" : Grouped((2 * total + entries) / (2L * entries));
}

std::string Lines(const std::optional<int>& lines) {
    return lines ? std::to_string(*lines) : "missing";
}

std::string Where(const std::vector<int>& entries) {
    if (entries.empty())
        return "none";
    return (entries.size() == 1 ? "only " : "in ") + Numbers(entries);
}

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

std::string AllBut(const std::vector<int>& without, int all) {
    if (without.empty())
        return "all";
    if (static_cast<int>(without.size()) == all)
        return "none";
    return "all but " + Numbers(without);
}

std::vector<std::pair<std::string, std::string>> Cells(const CatalogueFigures& f) {
    const auto slash = [](std::initializer_list<std::string> parts) {
        std::string out;
        for (const std::string& part : parts)
            out += (out.empty() ? "" : " / ") + part;
        return out;
    };
    return {
        {"entries", Grouped(f.entries)},
        {"lines per entry, smallest / largest", slash({Format(f.fewestLines), Format(f.mostLines)})},
        {"characters per entry, smallest / largest", slash({Format(f.fewestChars), Format(f.mostChars)})},
        {"bytes per entry, smallest / largest", slash({Format(f.fewestBytes), Format(f.mostBytes)})},
        {"mean characters / bytes / lines per entry",
         slash(
             {Mean(f.totalChars, f.entries), Mean(f.totalBytes, f.entries), Mean(f.totalLines, f.entries)})},
        {"lines of entries 381 / 382", slash({Lines(f.linesOfAppendix), Lines(f.linesOfSpecial)})},
        {"longest line, CR LF not counted", Grouped(f.longestLine)},
        {"characters / lines / bytes in all",
         slash({Grouped(f.totalChars), Grouped(f.totalLines), Grouped(f.totalBytes)})},
        {"article lines", Grouped(f.articleLines)},
        {"continuation lines", Grouped(f.continuationLines)},
        {"leading run of continuation lines, shortest / longest",
         f.continuationLines == 0 ? "none" : slash({Grouped(f.shortestRun), Grouped(f.longestRun)})},
        {"other body lines, and their entries",
         f.otherLines == 0 ? "0" : Grouped(f.otherLines) + ", in " + Numbers(f.otherLineEntries)},
        {"body lines ending in U+3000 or spaces",
         Grouped(f.trailingRunLines) + " in " + Grouped(f.trailingRunEntries) + " entries"},
        {"entries whose last item is a staff line", Grouped(f.staffEntries)},
        {"entries with half-width katakana", Grouped(f.halfWidthKatakanaEntries)},
        {"entries with センター / ｾﾝﾀｰ / both, 1..380",
         slash({Grouped(f.centreFullEntries), Grouped(f.centreHalfEntries), Grouped(f.centreBothEntries)})},
        {"entries with ９・11 / 9･11, 1..380",
         slash({Grouped(f.nineElevenFullEntries), Grouped(f.nineElevenHalfEntries)})},
        {"occurrences of = / ＝, 1..380", slash({Grouped(f.asciiEquals), Grouped(f.fullWidthEquals)})},
        {"Ⅰ / Ⅱ / ㎜ present", slash({YesNo(f.hasRomanOne), YesNo(f.hasRomanTwo), YesNo(f.hasMillimetre)})},
        {"IBM-extension ideographs", Grouped(f.ibmIdeographs)},
        {"entries with 付録 / 特別号 / 終刊号",
         slash({Where(f.appendixEntries), Where(f.specialEntries), Where(f.finalEntries)})},
        {"entries with 号 in the header", AllBut(f.entriesWithoutGoInHeader, kEntryCount)},
    };
}

// Terminal columns of UTF-8 text: East Asian wide and full-width characters take two.
int Columns(std::string_view s) {
    int columns = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
        for (std::size_t k = 1; k < length && i + k < s.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6);
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string Padded(const std::string& s, int width) {
    return s + std::string(static_cast<std::size_t>(std::max(0, width - Columns(s))), ' ');
}

} // namespace

std::vector<FigureRow> CompareFigures(const CatalogueFigures& found, const CatalogueFigures& expected) {
    const auto foundCells = Cells(found);
    const auto expectedCells = Cells(expected);
    std::vector<FigureRow> rows;
    for (std::size_t i = 0; i < foundCells.size(); ++i)
        rows.push_back({foundCells[i].first, foundCells[i].second, expectedCells[i].second});
    return rows;
}

std::string RenderFigureTable(const std::vector<FigureRow>& rows) {
    std::vector<FigureRow> shown{{"figure", "found", "expected"}};
    for (const FigureRow& row : rows)
        shown.push_back(row);
    int labelWidth = 0;
    int foundWidth = 0;
    int expectedWidth = 0;
    for (const FigureRow& row : shown) {
        labelWidth = std::max(labelWidth, Columns(row.label));
        foundWidth = std::max(foundWidth, Columns(row.found));
        expectedWidth = std::max(expectedWidth, Columns(row.expected));
    }
    std::string table;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool differs = i > 0 && rows[i - 1].differs();
        std::string line = Padded(shown[i].label, labelWidth + 2) + Padded(shown[i].found, foundWidth + 2);
        line += differs ? Padded(shown[i].expected, expectedWidth + 2) + std::string(kDifferenceMark)
                        : shown[i].expected;
        table += line + '\n';
    }
    return table;
}

} // namespace aoba

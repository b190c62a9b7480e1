// SPDX-License-Identifier: MIT
#include "tools/checker/figures.h"

#include "catalogue/entry_check/cp932.h"
#include "catalogue/entry_check/lines.h"
#include "catalogue/entry_check/report.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace aoba {

// tools/expected_figures.txt, as the build compiled it in.
extern const std::string_view kExpectedFigures;

namespace {

constexpr char16_t kIdeographicSpace = u'　';
constexpr int kLongestRun = 39;

// IBM-extension ideographs in code page 932; FA40..FA5B before them are numerals and symbols.
constexpr unsigned kIbmIdeographFirst = 0xFA5C;
constexpr unsigned kIbmIdeographLast = 0xFC4B;

enum class BodyLineKind { Article, Continuation, Other };

struct BodyLine {
    std::u16string_view text;
    BodyLineKind kind = BodyLineKind::Other;
    int run = 0; // leading U+3000
};

// An article line is one U+3000 and an item; a continuation line 2 to 39 U+3000 and the rest of one. A
// space or nothing after the run makes any line another kind.
BodyLine ClassifyBodyLine(std::u16string_view line) {
    const std::size_t run = std::min(line.find_first_not_of(kIdeographicSpace), line.size());
    const int length = static_cast<int>(run);
    if (run == line.size() || line[run] == u' ')
        return {line, BodyLineKind::Other, length};
    if (length == 1)
        return {line, BodyLineKind::Article, length};
    if (length >= 2 && length <= kLongestRun)
        return {line, BodyLineKind::Continuation, length};
    return {line, BodyLineKind::Other, length};
}

// One entry as the figures see it, each part worked out once.
struct Entry {
    int n = 0;
    std::u16string_view text;
    std::vector<std::u16string_view> lines;
    std::vector<BodyLine> body; // the lines after line 2, after line 3 in entry 382
    long bytes = 0;             // in code page 932
    long ibmIdeographs = 0;
};

using Entries = std::vector<Entry>;

void CountCodePageBytes(Entry& entry, Cp932& codePage) {
    for (const char16_t c : entry.text) {
        // A character outside code page 932 has no bytes; the file already breaks a rule for it.
        const std::string_view code = codePage.Encode(c);
        entry.bytes += static_cast<long>(code.size());
        if (code.size() == 2) {
            const unsigned value = static_cast<unsigned>(static_cast<unsigned char>(code[0])) << 8 |
                                   static_cast<unsigned char>(code[1]);
            entry.ibmIdeographs += value >= kIbmIdeographFirst && value <= kIbmIdeographLast ? 1 : 0;
        }
    }
}

Entry Digest(int n, std::u16string_view text, Cp932& codePage) {
    Entry entry{n, text, SplitLines(text), {}, 0, 0};
    const std::size_t bodyStart = std::min<std::size_t>(n == kSpecialEntry ? 3 : 2, entry.lines.size());
    for (std::size_t i = bodyStart; i < entry.lines.size(); ++i)
        entry.body.push_back(ClassifyBodyLine(entry.lines[i]));
    CountCodePageBytes(entry, codePage);
    return entry;
}

// --- what one entry has

bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

bool IsRegular(const Entry& e) {
    return e.n <= kLastIssue;
}

// A line with something besides U+3000 and spaces whose last character is U+3000 or a space.
bool EndsInSpaceRun(std::u16string_view line) {
    constexpr std::u16string_view kSpaces = u"　 ";
    return line.find_first_not_of(kSpaces) != std::u16string_view::npos &&
           kSpaces.find(line.back()) != std::u16string_view::npos;
}

long TrailingRunLines(const Entry& e) {
    return static_cast<long>(std::count_if(e.body.begin(), e.body.end(),
                                           [](const BodyLine& l) { return EndsInSpaceRun(l.text); }));
}

// The item's text, the leading runs removed and its lines joined, opens with 「, has 」 followed at once by
// ＝ or =, and a 、 after that. The earliest bracket-equals pair leaves the most text for the comma, so "some
// pair" and "the first" agree.
bool IsStaffItem(std::u16string_view joined) {
    const std::size_t mark = std::min(joined.find(u"」＝"), joined.find(u"」="));
    return joined.starts_with(u'「') && mark != std::u16string_view::npos &&
           joined.find(u'、', mark + 2) != std::u16string_view::npos;
}

// The last item is the last article line with the continuation lines that follow it.
bool LastItemIsStaff(const Entry& e) {
    std::size_t article = e.body.size();
    for (std::size_t i = 0; i < e.body.size(); ++i)
        if (e.body[i].kind == BodyLineKind::Article)
            article = i;
    if (article == e.body.size())
        return false;
    std::u16string joined;
    for (std::size_t i = article; i < e.body.size(); ++i) {
        if (i > article && e.body[i].kind != BodyLineKind::Continuation)
            break;
        joined += e.body[i].text.substr(static_cast<std::size_t>(e.body[i].run));
    }
    return IsStaffItem(joined);
}

bool HasHalfWidthKatakana(const Entry& e) {
    return std::any_of(e.text.begin(), e.text.end(), [](char16_t c) { return c >= 0xFF61 && c <= 0xFF9F; });
}

long LineCount(const Entry& e) {
    return static_cast<long>(e.lines.size());
}

long CharacterCount(const Entry& e) {
    return static_cast<long>(e.text.size());
}

long ByteCount(const Entry& e) {
    return e.bytes;
}

long LongestLine(const Entry& e) {
    long longest = 0;
    for (const std::u16string_view line : e.lines)
        longest = std::max(longest, static_cast<long>(line.size()));
    return longest;
}

// --- what the catalogue has

// A number, the entries where something holds, or both (the smallest of a measure and the entries that
// have it). No number stands for "none": no entry was read, no line was of that kind.
struct FigureValue {
    std::optional<long> number;
    std::vector<int> entries;
    friend bool operator==(const FigureValue&, const FigureValue&) = default;
};

using Measure = long (*)(const Entry&);
using Test = bool (*)(const Entry&);

FigureValue Number(long value) {
    return {value, {}};
}

// Entries arrive in ascending order, so ties keep that order.
FigureValue Extreme(const Entries& entries, Measure measure, bool smallest) {
    FigureValue extreme;
    for (const Entry& e : entries) {
        const long value = measure(e);
        if (!extreme.number || (smallest ? value < *extreme.number : value > *extreme.number))
            extreme = {value, {e.n}};
        else if (value == *extreme.number)
            extreme.entries.push_back(e.n);
    }
    return extreme;
}

long Sum(const Entries& entries, Measure measure) {
    long total = 0;
    for (const Entry& e : entries)
        total += measure(e);
    return total;
}

FigureValue Largest(const Entries& entries, Measure measure) {
    return {Extreme(entries, measure, false).number, {}};
}

// Rounded half up.
FigureValue Mean(const Entries& entries, Measure measure) {
    const long count = static_cast<long>(entries.size());
    if (count == 0)
        return {};
    return Number((2 * Sum(entries, measure) + count) / (2 * count));
}

FigureValue LinesOf(const Entries& entries, int n) {
    for (const Entry& e : entries)
        if (e.n == n)
            return Number(LineCount(e));
    return {};
}

FigureValue EntriesWhere(const Entries& entries, Test test) {
    FigureValue where;
    for (const Entry& e : entries)
        if (test(e))
            where.entries.push_back(e.n);
    return where;
}

// The entries whose text holds every one of parts; of the regular issues alone where asked.
FigureValue EntriesWith(const Entries& entries, std::initializer_list<std::u16string_view> parts,
                        bool regularOnly = false) {
    FigureValue where;
    for (const Entry& e : entries)
        if ((!regularOnly || IsRegular(e)) &&
            std::all_of(parts.begin(), parts.end(),
                        [&](std::u16string_view part) { return Contains(e.text, part); }))
            where.entries.push_back(e.n);
    return where;
}

FigureValue CountOf(const FigureValue& where) {
    return Number(static_cast<long>(where.entries.size()));
}

FigureValue PresenceOf(const FigureValue& where) {
    return Number(where.entries.empty() ? 0 : 1);
}

long BodyLinesOf(const Entry& e, BodyLineKind kind) {
    return static_cast<long>(
        std::count_if(e.body.begin(), e.body.end(), [kind](const BodyLine& l) { return l.kind == kind; }));
}

FigureValue BodyLineCount(const Entries& entries, BodyLineKind kind) {
    long count = 0;
    for (const Entry& e : entries)
        count += BodyLinesOf(e, kind);
    return Number(count);
}

FigureValue ContinuationRun(const Entries& entries, bool shortest) {
    std::optional<long> run;
    for (const Entry& e : entries)
        for (const BodyLine& line : e.body)
            if (line.kind == BodyLineKind::Continuation)
                run = !run       ? line.run
                      : shortest ? std::min<long>(*run, line.run)
                                 : std::max<long>(*run, line.run);
    return {run, {}};
}

// Occurrences of c in the regular issues.
long RegularOccurrences(const Entries& entries, char16_t c) {
    long count = 0;
    for (const Entry& e : entries)
        if (IsRegular(e))
            count += static_cast<long>(std::count(e.text.begin(), e.text.end(), c));
    return count;
}

// --- the table

enum class FigureKind {
    Count,   // a number
    Extreme, // a number and the entries that reach it
    Entries, // the entries where something holds
    Presence // yes or no
};

struct Figure {
    std::string_view name;  // as tools/expected_figures.txt names it
    std::string_view label; // as the report says it
    FigureKind kind;
    FigureValue (*count)(const Entries&);
};

using K = FigureKind;
using E = const Entries&;

const Figure kFigures[] = {
    {"entries", "entries", K::Count, [](E e) { return Number(static_cast<long>(e.size())); }},
    {"fewest-lines", "lines per entry, smallest", K::Extreme,
     [](E e) { return Extreme(e, LineCount, true); }},
    {"most-lines", "lines per entry, largest", K::Extreme, [](E e) { return Extreme(e, LineCount, false); }},
    {"fewest-characters", "characters per entry, smallest", K::Extreme,
     [](E e) { return Extreme(e, CharacterCount, true); }},
    {"most-characters", "characters per entry, largest", K::Extreme,
     [](E e) { return Extreme(e, CharacterCount, false); }},
    {"fewest-bytes", "bytes per entry, smallest", K::Extreme,
     [](E e) { return Extreme(e, ByteCount, true); }},
    {"most-bytes", "bytes per entry, largest", K::Extreme, [](E e) { return Extreme(e, ByteCount, false); }},
    {"mean-characters", "characters per entry, mean", K::Count, [](E e) { return Mean(e, CharacterCount); }},
    {"mean-bytes", "bytes per entry, mean", K::Count, [](E e) { return Mean(e, ByteCount); }},
    {"mean-lines", "lines per entry, mean", K::Count, [](E e) { return Mean(e, LineCount); }},
    {"lines-of-381", "lines of entry 381", K::Count, [](E e) { return LinesOf(e, kAppendixEntry); }},
    {"lines-of-382", "lines of entry 382", K::Count, [](E e) { return LinesOf(e, kSpecialEntry); }},
    {"longest-line", "longest line, CR LF not counted", K::Count,
     [](E e) { return Largest(e, LongestLine); }},
    {"total-characters", "characters in all", K::Count, [](E e) { return Number(Sum(e, CharacterCount)); }},
    {"total-lines", "lines in all", K::Count, [](E e) { return Number(Sum(e, LineCount)); }},
    {"total-bytes", "bytes in all", K::Count, [](E e) { return Number(Sum(e, ByteCount)); }},
    {"article-lines", "article lines", K::Count, [](E e) { return BodyLineCount(e, BodyLineKind::Article); }},
    {"continuation-lines", "continuation lines", K::Count,
     [](E e) { return BodyLineCount(e, BodyLineKind::Continuation); }},
    {"shortest-run", "leading run of a continuation line, shortest", K::Count,
     [](E e) { return ContinuationRun(e, true); }},
    {"longest-run", "leading run of a continuation line, longest", K::Count,
     [](E e) { return ContinuationRun(e, false); }},
    {"other-lines", "other body lines", K::Count, [](E e) { return BodyLineCount(e, BodyLineKind::Other); }},
    {"other-line-entries", "entries with other body lines", K::Entries,
     [](E e) {
         return EntriesWhere(e, [](const Entry& x) { return BodyLinesOf(x, BodyLineKind::Other) > 0; });
     }},
    {"trailing-run-lines", "body lines with text that end in U+3000 or spaces", K::Count,
     [](E e) { return Number(Sum(e, TrailingRunLines)); }},
    {"trailing-run-entries", "entries with such lines", K::Count,
     [](E e) { return CountOf(EntriesWhere(e, [](const Entry& x) { return TrailingRunLines(x) > 0; })); }},
    {"staff-entries", "entries whose last item is a staff line", K::Count,
     [](E e) { return CountOf(EntriesWhere(e, LastItemIsStaff)); }},
    {"half-width-katakana-entries", "entries with half-width katakana", K::Count,
     [](E e) { return CountOf(EntriesWhere(e, HasHalfWidthKatakana)); }},
    {"centre-entries", "entries with センター, 1..380", K::Count,
     [](E e) { return CountOf(EntriesWith(e, {u"センター"}, true)); }},
    {"centre-half-width-entries", "entries with ｾﾝﾀｰ, 1..380", K::Count,
     [](E e) { return CountOf(EntriesWith(e, {u"ｾﾝﾀｰ"}, true)); }},
    {"centre-both-entries", "entries with both, 1..380", K::Count,
     [](E e) {
         return CountOf(EntriesWith(e, {u"センター", u"ｾﾝﾀｰ"}, true));
     }},
    {"nine-eleven-entries", "entries with ９・11, 1..380", K::Count,
     [](E e) { return CountOf(EntriesWith(e, {u"９・11"}, true)); }},
    {"nine-eleven-half-width-entries", "entries with 9･11, 1..380", K::Count,
     [](E e) { return CountOf(EntriesWith(e, {u"9･11"}, true)); }},
    {"ascii-equals", "occurrences of =, 1..380", K::Count,
     [](E e) { return Number(RegularOccurrences(e, u'=')); }},
    {"full-width-equals", "occurrences of ＝, 1..380", K::Count,
     [](E e) { return Number(RegularOccurrences(e, u'＝')); }},
    {"roman-one", "Ⅰ present", K::Presence, [](E e) { return PresenceOf(EntriesWith(e, {u"Ⅰ"})); }},
    {"roman-two", "Ⅱ present", K::Presence, [](E e) { return PresenceOf(EntriesWith(e, {u"Ⅱ"})); }},
    {"millimetre", "㎜ present", K::Presence, [](E e) { return PresenceOf(EntriesWith(e, {u"㎜"})); }},
    {"ibm-ideographs", "IBM-extension ideographs", K::Count,
     [](E e) { return Number(Sum(e, [](const Entry& x) { return x.ibmIdeographs; })); }},
    {"appendix-entries", "entries with 付録", K::Entries, [](E e) { return EntriesWith(e, {u"付録"}); }},
    {"special-entries", "entries with 特別号", K::Entries, [](E e) { return EntriesWith(e, {u"特別号"}); }},
    {"final-entries", "entries with 終刊号", K::Entries, [](E e) { return EntriesWith(e, {u"終刊号"}); }},
    {"headers-without-go", "entries whose header lacks 号", K::Entries,
     [](E e) {
         return EntriesWhere(e,
                             [](const Entry& x) { return x.lines.empty() || !Contains(x.lines[0], u"号"); });
     }},
};

// --- the expected values

std::vector<int> Integers(std::string_view text, bool& ok) {
    std::vector<int> numbers;
    while (!text.empty()) {
        const std::size_t at = text.find_first_not_of(" ()");
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || (end != text.data() + text.size() && *end != ' ' && *end != ')')) {
            ok = false;
            return {};
        }
        numbers.push_back(value);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return numbers;
}

// A value as the file writes it, for a figure of the given kind; nothing if it does not read.
std::optional<FigureValue> ReadValue(FigureKind kind, std::string_view text) {
    if (kind == FigureKind::Presence) {
        if (text == "yes" || text == "no")
            return Number(text == "yes" ? 1 : 0);
        return std::nullopt;
    }
    if (kind == FigureKind::Entries && text == "none")
        return FigureValue{};
    bool ok = true;
    std::vector<int> numbers = Integers(text, ok);
    const bool parenthesised = text.find('(') != std::string_view::npos;
    if (!ok || (kind == FigureKind::Extreme) != parenthesised)
        return std::nullopt;
    switch (kind) {
    case FigureKind::Count:
        if (numbers.size() == 1)
            return Number(numbers[0]);
        return std::nullopt;
    case FigureKind::Extreme:
        if (numbers.size() < 2)
            return std::nullopt;
        return FigureValue{numbers[0], {numbers.begin() + 1, numbers.end()}};
    case FigureKind::Entries:
        if (numbers.empty())
            return std::nullopt;
        return FigureValue{std::nullopt, numbers};
    case FigureKind::Presence: break;
    }
    return std::nullopt;
}

const Figure* FigureNamed(std::string_view name) {
    for (const Figure& figure : kFigures)
        if (figure.name == name)
            return &figure;
    return nullptr;
}

struct ExpectedValues {
    std::map<std::string_view, FigureValue> values;
    std::vector<std::string> problems;
};

ExpectedValues ReadExpected() {
    ExpectedValues expected;
    int lineNumber = 0;
    for (const std::string_view line : SplitLines(kExpectedFigures)) {
        ++lineNumber;
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::size_t nameEnd = std::min(line.find(' '), line.size());
        const std::string_view name = line.substr(0, nameEnd);
        const std::string_view text =
            line.substr(std::min(line.find_first_not_of(' ', nameEnd), line.size()));
        const Figure* figure = FigureNamed(name);
        const std::optional<FigureValue> value = figure ? ReadValue(figure->kind, text) : std::nullopt;
        if (!figure || !value || !expected.values.emplace(figure->name, *value).second)
            expected.problems.push_back("line " + std::to_string(lineNumber) + ": " +
                                        (!figure  ? "no figure is named " + std::string(name)
                                         : !value ? "the value of " + std::string(name) + " does not read"
                                                  : std::string(name) + " a second time"));
    }
    for (const Figure& figure : kFigures)
        if (!expected.values.contains(figure.name))
            expected.problems.push_back(std::string(figure.name) + " has no expected value");
    return expected;
}

const ExpectedValues& Expected() {
    static const ExpectedValues expected = ReadExpected();
    return expected;
}

// --- the report

std::string Grouped(long value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// Long lists are cut short; they only arise where a figure is far off anyway.
std::string Numbers(const std::vector<int>& entries) {
    ShortList listed(8);
    std::string out;
    for (const int n : entries)
        if (listed.Take())
            out += (out.empty() ? "" : " ") + std::to_string(n);
    if (listed.Unlisted() > 0)
        out += " … and " + std::to_string(listed.Unlisted()) + " more";
    return out;
}

std::string Cell(FigureKind kind, const FigureValue& value) {
    switch (kind) {
    case FigureKind::Count: return value.number ? Grouped(*value.number) : "none";
    case FigureKind::Extreme:
        return value.number ? Grouped(*value.number) + " (" + Numbers(value.entries) + ")" : "none";
    case FigureKind::Entries:
        if (value.entries.empty())
            return "none";
        return (value.entries.size() == 1 ? "only " : "in ") + Numbers(value.entries);
    case FigureKind::Presence: break;
    }
    return value.number.value_or(0) != 0 ? "yes" : "no";
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

std::vector<FigureRow> CompareFigures(const CatalogueTexts& texts, Cp932& codePage) {
    Entries entries;
    for (int n = 1; n <= static_cast<int>(texts.size()); ++n)
        if (const std::optional<std::u16string>& text = texts[static_cast<std::size_t>(n - 1)])
            entries.push_back(Digest(n, *text, codePage));
    std::vector<FigureRow> rows;
    for (const Figure& figure : kFigures) {
        const FigureValue found = figure.count(entries);
        const auto expected = Expected().values.find(figure.name);
        const bool known = expected != Expected().values.end();
        rows.push_back({std::string(figure.label), Cell(figure.kind, found),
                        known ? Cell(figure.kind, expected->second) : "not given",
                        !known || found != expected->second});
    }
    return rows;
}

std::vector<std::string> ExpectedFigureProblems() {
    return Expected().problems;
}

std::string RenderFigureTable(const std::vector<FigureRow>& rows) {
    std::vector<FigureRow> shown{{"figure", "found", "expected", false}};
    shown.insert(shown.end(), rows.begin(), rows.end());
    int labelWidth = 0;
    int foundWidth = 0;
    int expectedWidth = 0;
    for (const FigureRow& row : shown) {
        labelWidth = std::max(labelWidth, Columns(row.label));
        foundWidth = std::max(foundWidth, Columns(row.found));
        expectedWidth = std::max(expectedWidth, Columns(row.expected));
    }
    std::string table;
    for (const FigureRow& row : shown) {
        std::string line = Padded(row.label, labelWidth + 2) + Padded(row.found, foundWidth + 2);
        line += row.differs ? Padded(row.expected, expectedWidth + 2) + "<< differs" : row.expected;
        table += line + '\n';
    }
    return table;
}

} // namespace aoba

// SPDX-License-Identifier: MIT
// The figures of a catalogue: sizes, line kinds and telling strings, counted over the 382 texts and set
// beside the values the real catalogue has. A difference is a hint for the maintainer, not an error.
#pragma once

#include "calendar/calendar.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aoba {

class Cp932;

// The texts of entries 1..382 at positions 0..381; nothing where a file could not be read.
using CatalogueTexts = std::array<std::optional<std::u16string>, kEntryCount>;

// The smallest or largest value of a measure and every entry that reaches it.
struct Extreme {
    long value = 0;
    std::vector<int> entries;

    friend bool operator==(const Extreme&, const Extreme&) = default;
};

struct CatalogueFigures {
    int entries = 0;
    Extreme fewestLines, mostLines, fewestChars, mostChars, fewestBytes, mostBytes;
    long totalChars = 0, totalLines = 0, totalBytes = 0;
    std::optional<int> linesOfAppendix, linesOfSpecial; // entries 381 and 382
    int longestLine = 0;
    int articleLines = 0, continuationLines = 0;
    int shortestRun = 0, longestRun = 0; // leading U+3000 of continuation lines; 0 when there are none
    int otherLines = 0;
    std::vector<int> otherLineEntries;
    int trailingRunLines = 0, trailingRunEntries = 0;
    int staffEntries = 0;
    int halfWidthKatakanaEntries = 0;
    int centreFullEntries = 0, centreHalfEntries = 0, centreBothEntries = 0;
    int nineElevenFullEntries = 0, nineElevenHalfEntries = 0;
    long asciiEquals = 0, fullWidthEquals = 0;
    bool hasRomanOne = false, hasRomanTwo = false, hasMillimetre = false;
    int ibmIdeographs = 0;
    std::vector<int> appendixEntries, specialEntries, finalEntries; // "付録", "特別号", "終刊号"
    std::vector<int> entriesWithoutGoInHeader;                      // missing entries included

    friend bool operator==(const CatalogueFigures&, const CatalogueFigures&) = default;
};

enum class BodyLineKind { Article, Continuation, Other };

struct BodyLine {
    BodyLineKind kind = BodyLineKind::Other;
    int run = 0; // leading U+3000
};

BodyLine ClassifyBodyLine(std::u16string_view line);

// A line with something besides U+3000 and spaces whose last character is U+3000 or a space.
bool EndsInSpaceRun(std::u16string_view line);

// The text of an item, the leading U+3000 of its lines removed and the lines joined.
bool IsStaffItem(std::u16string_view joined);

CatalogueFigures ComputeFigures(const CatalogueTexts& texts, Cp932& codePage);

// The values of the real catalogue.
const CatalogueFigures& ExpectedFigures();

struct FigureRow {
    std::string label;
    std::string found;
    std::string expected;
    bool differs() const { return found != expected; }
};

std::vector<FigureRow> CompareFigures(const CatalogueFigures& found, const CatalogueFigures& expected);

// Aligned columns in UTF-8, a mark at the end of every row that differs.
std::string RenderFigureTable(const std::vector<FigureRow>& rows);

inline constexpr std::string_view kDifferenceMark = "<< differs";

} // namespace aoba

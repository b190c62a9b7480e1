// SPDX-License-Identifier: MIT
// The figures of a catalogue: sizes, line kinds and telling strings, counted over the 382 texts and set
// beside the values the real catalogue has (tools/expected_figures.txt, compiled in). A difference is a hint
// for the maintainer, not an error.
#pragma once

#include "calendar/calendar.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aoba {

class Cp932;

// The texts of entries 1..382 at positions 0..381; nothing where a file could not be read. Figures count
// the texts there are: a missing entry is missing from every figure, and the entry count says so.
using CatalogueTexts = std::array<std::optional<std::u16string>, kEntryCount>;

// One row of the figure table: what the report calls the figure, the value found, the value expected, as
// the report writes them.
struct FigureRow {
    std::string label;
    std::string found;
    std::string expected;
    bool differs = false;
};

// Every figure of texts beside its expected value, in the order of the table.
std::vector<FigureRow> CompareFigures(const CatalogueTexts& texts, Cp932& codePage);

// What is wrong with the compiled-in expected values: a line that names no figure or whose value does not
// read, a figure without a value. Empty when all is well.
std::vector<std::string> ExpectedFigureProblems();

// Aligned columns in UTF-8, a mark at the end of every row that differs.
std::string RenderFigureTable(const std::vector<FigureRow>& rows);

} // namespace aoba

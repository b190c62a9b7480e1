// SPDX-License-Identifier: MIT
// Every rule that reads a field's text, fed arbitrary UTF-16, checked against properties rather than
// examples. Input layout: one unit picks a catalogue entry, one unit says where the text splits into two
// fields, the rest is the text. A broken property aborts, which stops libFuzzer and the driver alike.
#include "calendar/calendar.h"
#include "core/catalogue_scan.h"
#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "core/field_rules.h"
#include "core/number_text.h"
#include "tests/support/reader_model.h"
#include "texts/texts.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

using namespace aoba;

namespace {

[[noreturn]] void Broken(const char* what, int line) {
    std::fprintf(stderr, "field_text_fuzz.cpp:%d: broken: %s\n", line, what);
    std::abort();
}
#define REQUIRE(condition) ((condition) ? void() : Broken(#condition, __LINE__))

// The three readers agree with the reader model; a value beyond a double may be refused or read as finite.
void CheckNumberReading(QStringView text) {
    const std::optional<double> number = ReadNumber(text);
    bool beyond = false;
    const std::optional<double> expected = reader_model::Number(text, &beyond);
    if (beyond) {
        REQUIRE(!number || std::isfinite(*number));
        return;
    }
    REQUIRE(number == expected);
    REQUIRE(ReadWholeNumber(text) == reader_model::Whole(text));

    const std::optional<float> single = ReadSingle(text);
    REQUIRE(number || !single);
    if (number && std::fabs(*number) <= std::numeric_limits<float>::max())
        REQUIRE(single);
    if (single)
        REQUIRE(std::fabs(*single - *number) <= std::fabs(*number) * 0x1p-24 + 0x1p-149);
}

void CheckIssueField(QStringView text) {
    bool beyond = false;
    const std::optional<double> number = reader_model::Number(text, &beyond);
    if (beyond)
        return;
    REQUIRE(IssueFromNumberField(text) == reader_model::IssueOfNumber(text));

    for (Step step : {Step::Forward, Step::Back}) {
        const std::optional<QString> stepped = SteppedIssue(text, step);
        const bool moves = number && (step == Step::Forward ? *number < 380 : *number > 1);
        REQUIRE(stepped.has_value() == moves);
        if (!stepped)
            continue;
        for (QChar c : *stepped)
            REQUIRE((c >= u'0' && c <= u'9') || c == u'.' || c == u'-');
        const double expected = step == Step::Forward ? *number + 1 : *number - 1;
        REQUIRE(reader_model::Number(*stepped) == expected);
        if (std::fabs(expected) < 0x1p53 && expected == std::floor(expected))
            REQUIRE(!stepped->contains(u'.'));
    }
}

void CheckMonthCorrection(QStringView text) {
    bool beyond = false;
    if (reader_model::Number(text, &beyond); beyond)
        return;
    const std::optional<QString> corrected = CorrectedMonth(text);
    REQUIRE(corrected.has_value() != reader_model::MonthFieldFits(text));
    if (corrected)
        REQUIRE(*corrected == QStringView(u"01") && !CorrectedMonth(*corrected));
}

void CheckDigitFilter(QStringView text) {
    for (QChar c : text)
        REQUIRE(PassesDigitFilter(c.unicode()) == reader_model::KeyAccepted(c));
}

void CheckOneField(QStringView text) {
    CheckNumberReading(text);
    CheckIssueField(text);
    CheckMonthCorrection(text);
    CheckDigitFilter(text);
}

// Where the reader model names the outcome, the lookup agrees with it; elsewhere the outcome is still one
// the fields can explain: an issue only for two numbers, not published only in 1972 or 1973, and the
// supplement 55 from no month 0..12.
void CheckMonthLookup(QStringView yearText, QStringView monthText) {
    bool beyondYear = false;
    bool beyondMonth = false;
    const std::optional<double> year = reader_model::Number(yearText, &beyondYear);
    const std::optional<std::int32_t> month = reader_model::Whole(monthText);
    if (reader_model::Number(monthText, &beyondMonth); beyondYear || beyondMonth)
        return;
    const MonthLookup lookup = IssueFromMonthFields(yearText, monthText);
    if (const std::optional<MonthLookup> expected = reader_model::IssueOfMonth(yearText, monthText))
        REQUIRE(lookup == *expected);
    if (lookup.kind == MonthLookup::Kind::Issue)
        REQUIRE(lookup.issue >= 1 && lookup.issue <= 380 && year && month);
    if (lookup.kind == MonthLookup::Kind::NotPublished)
        REQUIRE(year && (static_cast<float>(*year) == 72.0F || static_cast<float>(*year) == 73.0F));
    if (month && *month >= 0 && *month <= 12)
        REQUIRE(lookup.kind != MonthLookup::Kind::Issue || lookup.issue != kSupplementIssue);
}

// Counted in months (twelve a year), a step names the next month or the one before, except that back from
// month 0, the December before, it names that December again as month 12. Across 99 and 00 the year field
// rolls over, a century's months. Where the year does not move its text stays, in two digits at least.
void CheckMonthStepping(QStringView yearText, QStringView monthText) {
    bool beyondYear = false;
    bool beyondMonth = false;
    const std::optional<double> year = reader_model::Number(yearText, &beyondYear);
    const std::optional<double> month = reader_model::Number(monthText, &beyondMonth);
    if (beyondYear || beyondMonth)
        return;
    for (Step step : {Step::Forward, Step::Back}) {
        const std::optional<MonthFields> fields = SteppedMonth(yearText, monthText, step);
        REQUIRE(fields.has_value() == (year && month));
        if (!fields)
            continue;
        REQUIRE(fields->year.size() >= 2 && fields->month.size() >= 2);
        const std::optional<double> newYear = reader_model::Number(fields->year);
        const std::optional<double> newMonth = reader_model::Number(fields->month);
        REQUIRE(newYear && newMonth);
        const double y = year.value_or(0);
        const double m = month.value_or(0);
        if (std::fabs(y) > 0x1p30 || std::fabs(m) > 0x1p30)
            continue; // too large to count months in a double
        if (newYear.value_or(0) == y)
            REQUIRE(fields->year.endsWith(yearText) && fields->year.size() - yearText.size() <= 1);
        const double moved = 12 * (newYear.value_or(0) - y) + (newMonth.value_or(0) - m);
        const double expected = step == Step::Forward ? 1 : (m == 0 ? 0 : -1);
        const double century =
            step == Step::Forward ? (newYear == 0.0 ? -1200 : 0) : (newYear == 99.0 ? 1200 : 0);
        REQUIRE(std::fabs(moved - expected) < 1e-6 || std::fabs(moved - expected - century) < 1e-6);
    }
}

// Exactly the issues whose entry, on its own, holds the needle, by every way the scan can run here.
void CheckSearch(QStringView needle) {
    const SearchHits hits = SearchCatalogue(needle);
    const std::vector<int> issues = hits.Issues();
    REQUIRE(static_cast<int>(issues.size()) == hits.Count());
    REQUIRE(!hits.Contains(kAppendixEntry) && !hits.Contains(kSpecialEntry));
    const std::vector<int> holding = reader_model::IssuesHolding(needle.toString());
    REQUIRE(issues == holding);
    for (ScanWay way : AvailableScanWays())
        REQUIRE(ScanCatalogue(needle, way).Issues() == holding);
}

// The line holding the first occurrence, its CR LF counting as part of it.
void CheckFirstLine(QStringView entry, QStringView needle, bool realEntry) {
    const QStringView line = FirstLineContaining(entry, needle);
    const qsizetype at = needle.isEmpty() ? -1 : entry.indexOf(needle);
    if (at < 0) {
        REQUIRE(line.isEmpty());
        return;
    }
    REQUIRE(line.data() >= entry.data() && line.data() + line.size() <= entry.data() + entry.size());
    const qsizetype begin = line.data() - entry.data();
    const qsizetype end = begin + line.size();
    const QStringView lineEnd = u"\r\n";
    REQUIRE(begin == 0 || entry.sliced(0, begin).endsWith(lineEnd));
    REQUIRE(end == entry.size() || entry.sliced(end).startsWith(lineEnd));
    REQUIRE(!line.contains(lineEnd));
    if (realEntry)
        REQUIRE(!line.contains(u'\r') && !line.contains(u'\n'));
    REQUIRE(begin <= at && at <= end + 1);
}

void CheckHeader(QStringView needle) {
    const QString header = aoba::texts::ResultsHeader(needle);
    const qsizetype open = header.indexOf(u'『') + 1;
    REQUIRE(open > 0 && header.sliced(open).startsWith(needle));
    REQUIRE(header.sliced(open + needle.size()).startsWith(u'』'));
    REQUIRE(header.count(u'\r') == needle.count(u'\r') + 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * 2);
    const char16_t entryUnit = units.size() > 0 ? units[0] : 0;
    const char16_t splitUnit = units.size() > 1 ? units[1] : 0;
    const QStringView text =
        units.size() > 2 ? QStringView(units.data() + 2, units.size() - 2) : QStringView();
    const qsizetype split = splitUnit % (text.size() + 1);
    const QStringView first = text.first(split);
    const QStringView second = text.sliced(split);
    const int entry = 1 + entryUnit % kEntryCount;

    for (QStringView field : {text, first, second})
        CheckOneField(field);
    CheckMonthLookup(first, second);
    CheckMonthStepping(first, second);
    CheckSearch(text);
    CheckSearch(second);
    CheckFirstLine(EntryText(entry), text, true);
    CheckFirstLine(first, second, false);
    CheckHeader(text);
    return 0;
}

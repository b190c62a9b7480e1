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
#include "texts/texts.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace aoba;

namespace {

[[noreturn]] void Broken(const char* what, int line) {
    std::fprintf(stderr, "field_text_fuzz.cpp:%d: broken: %s\n", line, what);
    std::abort();
}
#define REQUIRE(condition) ((condition) ? void() : Broken(#condition, __LINE__))

// What a plain C reader makes of the text once both widths are folded and the surrounding spaces are
// dropped: the value, or nothing when the text is no number. `unsure` is set where the reference itself
// leaves the range of a double, and the reader may then refuse the text.
std::optional<double> Reference(QStringView text, bool& unsure) {
    unsure = false;
    auto space = [](QChar c) { return c == u' ' || c == u'\u3000'; };
    while (!text.isEmpty() && space(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && space(text.back()))
        text.chop(1);
    std::string ascii;
    bool digit = false;
    bool point = false;
    for (QChar c : text) {
        char16_t u = c.unicode();
        if ((u >= u'０' && u <= u'９') || u == u'＋' || u == u'－' || u == u'．')
            u = static_cast<char16_t>(u - 0xFEE0); // the full-width forms sit at a fixed distance
        const bool sign = (u == u'+' || u == u'-') && ascii.empty();
        const bool firstPoint = u == u'.' && !point;
        if (u >= u'0' && u <= u'9')
            digit = true;
        else if (firstPoint)
            point = true;
        else if (!sign)
            return std::nullopt;
        ascii += static_cast<char>(u);
    }
    if (!digit)
        return std::nullopt;
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    unsure = errno == ERANGE;
    return value;
}

void CheckNumberReading(QStringView text) {
    const std::optional<double> number = ReadNumber(text);
    bool unsure = false;
    const std::optional<double> reference = Reference(text, unsure);
    if (unsure)
        REQUIRE(!number || std::isfinite(*number));
    else
        REQUIRE(number == reference);

    const std::optional<std::int32_t> whole = ReadWholeNumber(text);
    REQUIRE(number || !whole);
    if (whole) {
        const double off = std::fabs(*whole - *number);
        REQUIRE(off < 0.5 || (off == 0.5 && *whole % 2 == 0));
    }
    if (number && *number >= -2147483648.0 && *number <= 2147483647.0)
        REQUIRE(whole);

    const std::optional<float> single = ReadSingle(text);
    REQUIRE(number || !single);
    if (number && std::fabs(*number) <= std::numeric_limits<float>::max())
        REQUIRE(single);
    if (single)
        REQUIRE(std::fabs(*single - *number) <= std::fabs(*number) * 0x1p-24 + 0x1p-149);
}

void CheckIssueField(QStringView text) {
    const std::optional<int> issue = IssueFromNumberField(text);
    const std::optional<std::int32_t> whole = text.isEmpty() ? std::nullopt : ReadWholeNumber(text);
    if (issue)
        REQUIRE(*issue >= 1 && *issue <= 380 && whole == *issue);
    else
        REQUIRE(!whole || *whole < 1 || *whole > 380);

    for (Step step : {Step::Forward, Step::Back}) {
        const std::optional<QString> stepped = SteppedIssue(text, step);
        const std::optional<double> number = text.isEmpty() ? std::nullopt : ReadNumber(text);
        const bool moves = number && (step == Step::Forward ? *number < 380 : *number > 1);
        REQUIRE(stepped.has_value() == moves);
        if (!stepped)
            continue;
        for (QChar c : *stepped)
            REQUIRE((c >= u'0' && c <= u'9') || c == u'.' || c == u'-');
        const double expected = step == Step::Forward ? *number + 1 : *number - 1;
        REQUIRE(ReadNumber(*stepped) == expected);
        if (std::fabs(expected) < 0x1p53 && expected == std::floor(expected))
            REQUIRE(!stepped->contains(u'.'));
    }
}

void CheckMonthCorrection(QStringView text) {
    const std::optional<QString> corrected = CorrectedMonth(text);
    const std::optional<std::int32_t> month = ReadWholeNumber(text);
    const bool stays = text.isEmpty() || (month && *month <= 12);
    REQUIRE(corrected.has_value() != stays);
    if (corrected)
        REQUIRE(*corrected == QStringView(u"01") && !CorrectedMonth(*corrected));
}

void CheckDigitFilter(QStringView text) {
    for (QChar c : text) {
        const bool passes = PassesDigitFilter(c.unicode());
        const std::optional<double> digit = ReadNumber(QStringView(&c, 1));
        REQUIRE(passes == (c == u'\b' || digit.has_value()));
        if (digit)
            REQUIRE(*digit >= 0 && *digit <= 9 && *digit == std::floor(*digit));
    }
}

void CheckOneField(QStringView text) {
    CheckNumberReading(text);
    CheckIssueField(text);
    CheckMonthCorrection(text);
    CheckDigitFilter(text);
}

// For a whole two-digit year and a month 0..12 the lookup must agree with the calendar read the other
// way round: the issue it names appeared in that month (month 0 standing for December before).
void CheckMonthLookup(QStringView yearText, QStringView monthText) {
    const MonthLookup lookup = IssueFromMonthFields(yearText, monthText);
    if (yearText.isEmpty() || monthText.isEmpty())
        REQUIRE(lookup.kind == MonthLookup::Kind::OutOfPeriod);
    // Plain values with "none" marks: GCC 12 sees uninitialised optionals in the tests below.
    const float yy = yearText.isEmpty() ? NAN : ReadSingle(yearText).value_or(NAN);
    const std::optional<std::int32_t> whole = monthText.isEmpty() ? std::nullopt : ReadWholeNumber(monthText);
    const bool month = whole.has_value();
    const std::int64_t mm = month ? std::int64_t{whole.value_or(0)} : -1;
    const bool year = !std::isnan(yy);
    if (lookup.kind == MonthLookup::Kind::Issue)
        REQUIRE(lookup.issue >= 1 && lookup.issue <= 380 && year && month);
    if (lookup.kind == MonthLookup::Kind::NotPublished)
        REQUIRE(yy == 72 || yy == 73);
    if (!year || !month || mm < 0 || mm > 12)
        return;
    REQUIRE(lookup.kind != MonthLookup::Kind::Issue || lookup.issue != kSupplementIssue);
    if (yy < 0 || yy > 104 || yy != std::floor(yy))
        return;
    int y = static_cast<int>(yy) + (yy >= 72 ? 1900 : 2000);
    int m = static_cast<int>(mm);
    if (m == 0) {
        --y;
        m = 12;
    }
    const int when = y * 12 + m;
    const bool inRun = when >= 1972 * 12 + 9 && when <= 2004 * 12 + 7;
    const bool inGap = when >= 1972 * 12 + 12 && when <= 1973 * 12 + 3;
    if (!inRun) {
        REQUIRE(lookup.kind == MonthLookup::Kind::OutOfPeriod);
    } else if (inGap) {
        REQUIRE(lookup.kind == MonthLookup::Kind::NotPublished);
    } else {
        REQUIRE(lookup.kind == MonthLookup::Kind::Issue);
        const PublicationMonth published = MonthOfEntry(lookup.issue);
        REQUIRE(published.year == y && published.month == m);
    }
}

void CheckMonthStepping(QStringView yearText, QStringView monthText) {
    const std::optional<double> year = yearText.isEmpty() ? std::nullopt : ReadNumber(yearText);
    const std::optional<double> month = monthText.isEmpty() ? std::nullopt : ReadNumber(monthText);
    for (Step step : {Step::Forward, Step::Back}) {
        const std::optional<MonthFields> fields = SteppedMonth(yearText, monthText, step);
        if (!year || !month) {
            REQUIRE(!fields);
            continue;
        }
        REQUIRE(fields);
        REQUIRE(fields->year.size() >= 2 && fields->month.size() >= 2);
        const bool forward = step == Step::Forward;
        const double y = year.value_or(0);
        const double m = month.value_or(0);
        if (m == (forward ? 12 : 0)) {
            REQUIRE(fields->month == QStringView(forward ? u"01" : u"12"));
            if (y == (forward ? 99 : 0))
                REQUIRE(fields->year == QStringView(forward ? u"00" : u"99"));
            else
                REQUIRE(ReadNumber(fields->year) == (forward ? y + 1 : y - 1));
        } else {
            REQUIRE(ReadNumber(fields->month) == (forward ? m + 1 : m - 1));
            REQUIRE(fields->year.endsWith(yearText) && fields->year.size() - yearText.size() <= 1);
        }
    }
}

// Exactly the issues whose entry, on its own, holds the needle, by every way the scan can run here.
void CheckSearch(QStringView needle) {
    const SearchHits hits = SearchCatalogue(needle);
    const std::vector<int> issues = hits.Issues();
    REQUIRE(static_cast<int>(issues.size()) == hits.Count());
    REQUIRE(!hits.Contains(kAppendixEntry) && !hits.Contains(kSpecialEntry));
    std::vector<int> holding;
    for (int issue = kFirstIssue; issue <= kLastIssue && !needle.isEmpty(); ++issue)
        if (EntryText(issue).contains(needle))
            holding.push_back(issue);
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

// SPDX-License-Identifier: MIT
// What a reader is promised, restated in the test's own terms, so a randomised test does not use the
// program's rules as its own oracle: which keys the numeric fields take, how a typed number is read, which
// issue a number or a month names, and which issues hold a string.
#pragma once

#include "calendar/calendar.h"
#include "core/entry_store.h"

#include <QRegularExpression>
#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reader_model {

inline bool KeyAccepted(QChar c) {
    return c == u'\b' || (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

// Digits of either width, at most one sign in front and one point, spaces of either width around; any other
// text is no number. Where the value leaves a double's range it is no number either, and beyondDouble says
// so: a reader may refuse such a text or read it as some finite value.
inline std::optional<double> Number(QStringView text, bool* beyondDouble = nullptr) {
    static const QRegularExpression kForm(QStringLiteral(
        "\\A[ \u3000]*[+\\-＋－]?(?:[0-9０-９]+(?:[.．][0-9０-９]*)?|[.．][0-9０-９]+)[ \u3000]*\\z"));
    if (beyondDouble)
        *beyondDouble = false;
    if (!kForm.match(text).hasMatch())
        return std::nullopt;
    std::string ascii;
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u == u' ' || u == u'\u3000')
            continue;
        if (u >= u'！' && u <= u'～')
            u = static_cast<char16_t>(u - (u'！' - u'!')); // the full-width forms sit at a fixed distance
        ascii += static_cast<char>(u);
    }
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (errno == ERANGE) {
        if (beyondDouble)
            *beyondDouble = true;
        return std::nullopt;
    }
    return value;
}

// Rounded to the nearest whole number, ties to the even one (the default rounding mode), within 32 bits.
inline std::optional<std::int32_t> Whole(QStringView text) {
    const std::optional<double> number = Number(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// The regular issue (1..380) a number field names, if any.
inline std::optional<int> IssueOfNumber(QStringView text) {
    const std::optional<std::int32_t> n = Whole(text);
    if (!n || *n < 1 || *n > 380)
        return std::nullopt;
    return *n;
}

// What the month field may hold after any change: nothing at all, which the reader may leave there, or a
// number no later than December (0, the December before, and what lies below it stay as typed).
inline bool MonthFieldFits(QStringView text) {
    if (text.isEmpty())
        return true;
    const std::optional<std::int32_t> month = Whole(text);
    return month && *month <= 12;
}

// The outcome of a month lookup, counted along the calendar from September 1972: issues 1..3, no issue from
// December 1972 to March 1973, then one a month from issue 4 in April 1973, the supplement 55 published
// beside 54 in June 1977, the last, 380, in July 2004. The reader's years 72..99 are 1972..1999, 00..71 and
// 100 on are 2000 on, and month 0 is December of the year before. An empty field, or one that holds no
// number, names no month of the run. Nothing is said (an empty optional) of a year that is not a whole
// number from 0 up, or a month that is not 0..12: what the program makes of those is its own arithmetic.
inline std::optional<aoba::MonthLookup> IssueOfMonth(QStringView yearText, QStringView monthText) {
    using Kind = aoba::MonthLookup::Kind;
    const std::optional<double> year = Number(yearText);
    const std::optional<std::int32_t> month = Whole(monthText);
    if (!year || !month)
        return aoba::MonthLookup{Kind::OutOfPeriod, 0};
    if (*year < 0 || *year != std::floor(*year) || *month < 0 || *month > 12)
        return std::nullopt;
    const double fullYear = *year < 72 ? 2000 + *year : 1900 + *year;
    const double since = fullYear * 12 + *month - (1972 * 12 + 9);
    if (since < 0 || since > (2004 * 12 + 7) - (1972 * 12 + 9))
        return aoba::MonthLookup{Kind::OutOfPeriod, 0};
    if (since >= 3 && since <= 6)
        return aoba::MonthLookup{Kind::NotPublished, 0};
    int issue = static_cast<int>(since < 3 ? since + 1 : since - 3);
    if (issue >= 55)
        ++issue;
    return aoba::MonthLookup{Kind::Issue, issue};
}

// The regular issues whose entry holds needle, by a plain find.
inline std::vector<int> IssuesHolding(const QString& needle) {
    std::vector<int> issues;
    if (needle.isEmpty())
        return issues;
    const std::u16string_view n(reinterpret_cast<const char16_t*>(needle.utf16()),
                                static_cast<std::size_t>(needle.size()));
    for (int issue = 1; issue <= 380; ++issue) {
        const QStringView e = aoba::EntryText(issue);
        const std::u16string_view entry(reinterpret_cast<const char16_t*>(e.utf16()),
                                        static_cast<std::size_t>(e.size()));
        if (entry.find(n) != std::u16string_view::npos)
            issues.push_back(issue);
    }
    return issues;
}

} // namespace reader_model

// SPDX-License-Identifier: MIT
// What a reader is promised, restated in the test's own terms, so a randomised test does not use the
// program's rules as its own oracle: which keys the numeric fields take, how a typed number is read, which
// issue a number or a month names, and which issues hold a string.
#pragma once

#include "core/entry_store.h"

#include <QRegularExpression>
#include <QString>

#include <cerrno>
#include <cfloat>
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

// Digits of either width, at most one sign in front and one point, spaces of either width around.
inline std::optional<double> Number(const QString& text) {
    static const QRegularExpression kForm(
        QStringLiteral("^[ \u3000]*[+\\-＋－]?[0-9０-９]*(?:[.．][0-9０-９]*)?[ \u3000]*$"));
    static const QRegularExpression kDigit(QStringLiteral("[0-9０-９]"));
    if (!kForm.match(text).hasMatch() || !text.contains(kDigit))
        return std::nullopt;
    std::string ascii;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\u3000')
            continue;
        if (u >= u'０' && u <= u'９')
            ascii += static_cast<char>('0' + (u - u'０'));
        else if (u == u'＋')
            ascii += '+';
        else if (u == u'－')
            ascii += '-';
        else if (u == u'．')
            ascii += '.';
        else
            ascii += static_cast<char>(u);
    }
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (errno == ERANGE)
        return std::nullopt;
    return value;
}

// Rounded to the nearest whole number, ties to the even one (the default rounding mode), within 32 bits.
inline std::optional<std::int32_t> Whole(const QString& text) {
    const std::optional<double> number = Number(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < INT32_MIN || rounded > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// The issue a number field names, 1..380, or none.
inline std::optional<int> IssueOfNumber(const QString& text) {
    const std::optional<std::int32_t> n = text.isEmpty() ? 0 : Whole(text);
    if (!n || *n < 1 || *n > 380)
        return std::nullopt;
    return *n;
}

// A month field that names a month above 12, or no number at all, must have been corrected.
inline bool MonthNeedsCorrection(const QString& text) {
    if (text.isEmpty())
        return false;
    const std::optional<std::int32_t> month = Whole(text);
    return !month || *month > 12;
}

struct MonthOutcome {
    enum Kind { Issue, NotPublished, OutOfPeriod } kind;
    int issue = 0;
};

// The issue of a two-digit year and a month: three issues in 1972, issue = month in 1973 after a gap, then
// one a month from issue 13 in January 1974, one number skipped for the supplement 55 after June 1977, and
// the years 00..04 read as 100..104. Empty fields name no month of the run.
inline MonthOutcome IssueOfMonth(const QString& yearText, const QString& monthText) {
    const std::optional<double> yearNumber = yearText.isEmpty() ? 1000.0 : Number(yearText);
    const std::optional<std::int32_t> month = monthText.isEmpty() ? 100000 : Whole(monthText);
    if (!yearNumber || std::fabs(*yearNumber) > FLT_MAX || !month)
        return {MonthOutcome::OutOfPeriod};
    const float year = static_cast<float>(*yearNumber);
    if (year == 72.0F) {
        if (*month >= 9 && *month <= 11)
            return {MonthOutcome::Issue, *month - 8};
        return {*month == 12 ? MonthOutcome::NotPublished : MonthOutcome::OutOfPeriod};
    }
    if (year == 73.0F) {
        if (*month < 4)
            return {MonthOutcome::NotPublished};
        return *month <= 380 ? MonthOutcome{MonthOutcome::Issue, *month}
                             : MonthOutcome{MonthOutcome::OutOfPeriod};
    }
    // Months since December 1899 count the issues: 74/01 is 74 × 12 + 1 + 325 − 1200 = 14, one too many
    // before the supplement.
    double n = std::nearbyint(static_cast<double>(year) * 12.0 + *month + 325.0);
    if (!std::isfinite(n) || n > INT32_MAX || n < INT32_MIN)
        return {MonthOutcome::OutOfPeriod};
    if (n > 380)
        n -= 1200;
    if (n < 56)
        n -= 1;
    if (n < 1 || n > 380)
        return {MonthOutcome::OutOfPeriod};
    return {MonthOutcome::Issue, static_cast<int>(n)};
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

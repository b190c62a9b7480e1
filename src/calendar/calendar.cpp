// SPDX-License-Identifier: MIT
#include "calendar/calendar.h"

#include "calendar/rounding.h"

#include <cmath>
#include <limits>

namespace aoba {

namespace {

MonthLookup Issue(int n) {
    return {MonthLookup::Kind::Issue, n};
}
constexpr MonthLookup kNotPublished{MonthLookup::Kind::NotPublished, 0};
constexpr MonthLookup kOutOfPeriod{MonthLookup::Kind::OutOfPeriod, 0};

} // namespace

MonthLookup IssueForMonth(float year, std::int32_t month) {
    // 1972 and 1973 do not follow the monthly rhythm: three issues, then a four-month gap.
    if (year == 72.0F) {
        switch (month) {
        case 9: return Issue(1);
        case 10: return Issue(2);
        case 11: return Issue(3);
        case 12: return kNotPublished;
        default: return kOutOfPeriod;
        }
    }
    if (year == 73.0F) {
        if (month < 4)
            return kNotPublished;
        return month <= kLastIssue ? Issue(month) : kOutOfPeriod;
    }

    // From 1974 on one issue a month: 74/01 is 1214 - 1200 = 14, and the extra 1 taken off below 56
    // makes room for the supplement 55, which no month reaches. Years 00..04 land directly on 325..380.
    double v = RoundHalfEven(static_cast<double>(year) * 12.0 + month + 325.0);
    if (!std::isfinite(v) || v > std::numeric_limits<std::int32_t>::max() ||
        v < std::numeric_limits<std::int32_t>::min())
        return kOutOfPeriod;
    if (v > kLastIssue)
        v -= 1200.0;
    if (v < 56.0)
        v -= 1.0;
    if (v < kFirstIssue || v > kLastIssue)
        return kOutOfPeriod;
    return Issue(static_cast<int>(v));
}

PublicationMonth MonthOfEntry(int n) {
    if (n == kAppendixEntry)
        return MonthOfEntry(156);
    if (n == kSpecialEntry)
        return MonthOfEntry(367);
    if (n < kFirstIssue || n > kLastIssue)
        return {};
    if (n <= 3)
        return {1972, 8 + n};
    if (n <= 12)
        return {1973, n};
    if (n == kSupplementIssue)
        return MonthOfEntry(54);
    // Months counted from January 1974 (issue 13); from issue 56 on, one back for the supplement.
    const int months = n < kSupplementIssue ? n - 13 : n - 14;
    return {1974 + months / 12, 1 + months % 12};
}

} // namespace aoba

// SPDX-License-Identifier: MIT
// The publication calendar: which issue appeared in which month.
#pragma once

#include <cstdint>

namespace aoba {

inline constexpr int kFirstIssue = 1;
inline constexpr int kLastIssue = 380;      // the last regular issue, July 2004
inline constexpr int kSupplementIssue = 55; // second issue of June 1977
inline constexpr int kAppendixEntry = 381;  // appendix to issue 156
inline constexpr int kSpecialEntry = 382;   // special issue of June 2003
inline constexpr int kEntryCount = 382;

struct MonthLookup {
    enum class Kind { Issue, NotPublished, OutOfPeriod };
    Kind kind = Kind::OutOfPeriod;
    int issue = 0; // 1..380 when kind is Issue

    friend bool operator==(const MonthLookup&, const MonthLookup&) = default;
};

// year is the reader's two-digit year (72..99, 00..04) read as a real number; month 1..12, where month 0
// stands for December of the year before. Any input is accepted; what names no issue is OutOfPeriod.
MonthLookup IssueForMonth(float year, std::int32_t month);

struct PublicationMonth {
    int year = 0;  // four digits
    int month = 0; // 1..12
};

// The month in which entry n (1..382) appeared; {0, 0} for any other n.
PublicationMonth MonthOfEntry(int n);

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/header_line.h"

#include "calendar/calendar.h"

namespace aoba {

namespace {

std::u16string HalfWidth(int value) {
    std::u16string digits;
    for (char c : std::to_string(value))
        digits += static_cast<char16_t>(c);
    return digits;
}

std::u16string FullWidthDigit(int digit) {
    return std::u16string(1, static_cast<char16_t>(u'０' + digit));
}

// From issue 4 on, single-digit months are written full width and 10..12 half width.
std::u16string Month(int month) {
    return month < 10 ? FullWidthDigit(month) : HalfWidth(month);
}

} // namespace

std::u16string HeaderLabel(int n) {
    const PublicationMonth when = MonthOfEntry(n);
    if (when.year == 0)
        return {};
    const std::u16string year = HalfWidth(when.year);

    // The first three issues were dated to the day and written in a style of their own.
    switch (n) {
    case 1: return year + u"年9.15. " + FullWidthDigit(1) + u"号";
    case 2: return year + u".10.20. " + FullWidthDigit(2) + u"号";
    case 3: return year + u".11.26. " + FullWidthDigit(3) + u"号";
    default: break;
    }

    const std::u16string date = year + u"年" + Month(when.month) + u"月";
    if (n == kAppendixEntry)
        return date + u" 156付録";
    if (n == kSpecialEntry)
        return date + u"特別号";
    if (n < 10)
        return date + u"　" + FullWidthDigit(n) + u"号";
    if (n < 100)
        return date + u"　" + HalfWidth(n) + (n == kSupplementIssue ? u"増刊号" : u"号");
    return date + u" " + HalfWidth(n) + u"号";
}

} // namespace aoba

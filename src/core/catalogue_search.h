// SPDX-License-Identifier: MIT
// The catalogue search: which regular issues hold a string, exactly as typed. Code units are compared as
// they are (no folding of case or width), line breaks included, so an item broken across two lines is not
// one run of characters. The appendix and the special issue are never searched.
#pragma once

#include "calendar/calendar.h"

#include <QStringView>

#include <bitset>
#include <vector>

namespace aoba {

class SearchHits {
public:
    bool Contains(int issue) const {
        return issue >= kFirstIssue && issue <= kLastIssue && bits_[Bit(issue)];
    }
    int Count() const { return static_cast<int>(bits_.count()); }
    std::vector<int> Issues() const; // ascending
    void Add(int issue) { bits_.set(Bit(issue)); }

private:
    static std::size_t Bit(int issue) { return static_cast<std::size_t>(issue - kFirstIssue); }
    std::bitset<kLastIssue> bits_;
};

// Issues 1..380 whose entry contains needle; none for an empty needle. Reads the stored texts in place.
SearchHits SearchCatalogue(QStringView needle);

// The line of entry holding the first occurrence of needle, without its line end; empty if there is none.
QStringView FirstLineContaining(QStringView entry, QStringView needle);

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "core/catalogue_search.h"

#include "core/catalogue_scan.h"
#include "core/entry_store.h"

#include <QString>

#include <algorithm>

namespace aoba {

std::vector<int> SearchHits::Issues() const {
    std::vector<int> issues;
    issues.reserve(bits_.count());
    for (int issue = kFirstIssue; issue <= kLastIssue; ++issue)
        if (Contains(issue))
            issues.push_back(issue);
    return issues;
}

SearchHits SearchCatalogue(QStringView needle) {
    static const ScanWay fastest = AvailableScanWays().back();
    return ScanCatalogue(needle, fastest);
}

QStringView FirstLineContaining(QStringView entry, QStringView needle) {
    const qsizetype at = needle.isEmpty() ? -1 : entry.indexOf(needle);
    if (at < 0)
        return {};
    // A line owns its CR LF: a match that starts on either of the two belongs to the line they end.
    const QStringView lineEnd = u"\r\n";
    const qsizetype before = at < 2 ? -1 : entry.lastIndexOf(lineEnd, at - 2);
    const qsizetype begin = before < 0 ? 0 : before + lineEnd.size();
    const qsizetype end = entry.indexOf(lineEnd, std::max<qsizetype>(begin, at - 1));
    return entry.sliced(begin, (end < 0 ? entry.size() : end) - begin);
}

} // namespace aoba

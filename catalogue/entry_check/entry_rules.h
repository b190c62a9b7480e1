// SPDX-License-Identifier: MIT
// The structural rules every catalogue entry must keep. A broken rule is an error: the build refuses the
// data and the checker reports it with file, line and rule.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace aoba {

class Cp932;

struct Violation {
    int line = 0;     // 1-based; 0 for the file as a whole
    std::string rule; // a short stable name: "line-end", "header", "repertoire" …
    std::string detail;
    long count = 1;       // more than one for the line that stands for those of its rule not listed
    bool ioError = false; // the file could not be read, for the system's reason

    friend bool operator==(const Violation&, const Violation&) = default;
};

// At most this many violations of one rule are listed for a file; one more line gives the count of the rest.
inline constexpr int kListedPerRule = 3;

std::vector<Violation> CheckEntry(int n, std::u16string_view text, Cp932& codePage);

} // namespace aoba

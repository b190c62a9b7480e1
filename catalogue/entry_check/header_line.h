// SPDX-License-Identifier: MIT
// The header line that opens entry n: its date and issue label, derived from the publication calendar.
#pragma once

#include <string>

namespace aoba {

// "1972年9.15. １号", "1973年４月　４号", "1977年６月　55増刊号", "1985年11月 156付録", "2003年６月特別号" …
// Eight issues carry a note after the label; that note is not part of this text. Empty for n outside 1..382.
std::u16string HeaderLabel(int n);

} // namespace aoba

// SPDX-License-Identifier: MIT
// How the catalogue tools write what they found: characters and texts quoted for a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aoba {

// "U+3000 '　'": how a character is named in reports; an invisible one by its code alone.
std::string DescribeChar(char16_t c);

// text in quotes for a report, cut after kQuotedChars characters, invisible characters escaped: \r, \n,
// \t, \\ and U+XXXX.
inline constexpr std::size_t kQuotedChars = 60;
std::string Quote(std::u16string_view text);

} // namespace aoba

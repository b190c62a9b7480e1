// SPDX-License-Identifier: MIT
// What every reader of untrusted bytes in the catalogue tools must keep, whatever it is given: an answer that
// a terminal shows as text (no control character is sent to it) and that stays short. A broken property
// aborts, which stops libFuzzer and the saved-case driver alike.
#pragma once

#include "catalogue/entry_check/utf8.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace catalogue_fuzz {

[[noreturn]] inline void Broken(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}

#define REQUIRE(condition) ((condition) ? void() : catalogue_fuzz::Broken(__FILE__, __LINE__, #condition))

// Valid UTF-8 without C0 or C1 controls or DEL, and at most limit bytes.
inline bool FitForTerminal(std::string_view text, std::size_t limit) {
    const std::optional<std::u16string> decoded = aoba::DecodeUtf8(text);
    if (!decoded || text.size() > limit)
        return false;
    for (const char16_t c : *decoded)
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return false;
    return true;
}

} // namespace catalogue_fuzz

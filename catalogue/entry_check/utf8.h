// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aoba {

// Strict UTF-8 to UTF-16: overlong forms, surrogates and code points above U+10FFFF are errors.
// On an error, nothing, and errorOffset (if given) receives the byte offset of the bad sequence, which a
// report names and Qt's decoders do not tell.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes, std::size_t* errorOffset = nullptr);

std::string EncodeUtf8(std::u16string_view text);

} // namespace aoba

// SPDX-License-Identifier: MIT
// Code page 932 (the Windows table), for the maintainer tools only: glibc iconv's CP932, or the system's
// own conversion on Windows. Converters best-fit some characters that are not in the table (iconv takes
// U+301C, U+2212, ¢ …), so a character belongs to the repertoire only when encoding and decoding it gives
// it back.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace aoba {

class Cp932 {
public:
    Cp932();
    ~Cp932();
    Cp932(const Cp932&) = delete;
    Cp932& operator=(const Cp932&) = delete;

    // The bytes of c (one or two), or an empty view when c does not survive the round trip.
    std::string_view Encode(char16_t c);

    // The UTF-16 text of code page 932 bytes, or nothing if they are not valid code page 932; then
    // errorOffset (if given) receives the offset of the first bad or unfinished sequence.
    std::optional<std::u16string> Decode(std::string_view bytes, std::size_t* errorOffset = nullptr);

private:
    struct Code {
        bool known = false;
        std::uint8_t length = 0;
        char bytes[2] = {};
    };
    struct Converter; // the platform's conversion, both ways
    std::unique_ptr<Converter> converter_;
    std::array<Code, 0x10000> codes_{};
};

} // namespace aoba

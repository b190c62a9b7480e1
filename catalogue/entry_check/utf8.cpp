// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/utf8.h"

#include <QStringView>

#include <cstdint>

namespace aoba {

std::optional<std::u16string> DecodeUtf8(std::string_view bytes, std::size_t* errorOffset) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    const auto fail = [&]() -> std::optional<std::u16string> {
        if (errorOffset)
            *errorOffset = i;
        return std::nullopt;
    };
    while (i < bytes.size()) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, cp = b & 0x1F, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, cp = b & 0x0F, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, cp = b & 0x07, min = 0x10000;
        } else {
            return fail();
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size())
            return fail();
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                return fail();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return fail();
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string EncodeUtf8(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString();
}

} // namespace aoba

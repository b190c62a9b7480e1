// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/report.h"

#include "catalogue/entry_check/folder_io.h"
#include "catalogue/entry_check/utf8.h"

#include <cstdio>

namespace aoba {

namespace {

bool IsInvisible(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x034F || c == 0x061C || c == 0x115F ||
           c == 0x1160 || (c >= 0x180B && c <= 0x180E) || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3164 ||
           (c >= 0xD800 && c <= 0xF8FF) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
           (c >= 0xFFF0 && c <= 0xFFFB);
}

std::string Code(char16_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

} // namespace

std::string DescribeChar(char16_t c) {
    if (IsInvisible(c))
        return Code(c);
    return Code(c) + " '" + EncodeUtf8(std::u16string_view(&c, 1)) + "'";
}

std::string Quote(std::u16string_view text) {
    std::string out = "\"";
    std::size_t i = 0;
    for (; i < text.size() && i < kQuotedChars; ++i) {
        const char16_t c = text[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        if (pair) {
            out += EncodeUtf8(text.substr(i++, 2));
        } else if (c == u'\r') {
            out += "\\r";
        } else if (c == u'\n') {
            out += "\\n";
        } else if (c == u'\t') {
            out += "\\t";
        } else if (c == u'\\') {
            out += "\\\\";
        } else if (IsInvisible(c)) {
            out += Code(c);
        } else {
            out += EncodeUtf8(std::u16string_view(&c, 1));
        }
    }
    out += '"';
    if (i < text.size())
        out.insert(out.size() - 1, "…")
            .append(" (the first " + std::to_string(i) + " of " + std::to_string(text.size()) +
                    " characters)");
    return out;
}

std::string QuoteBytes(std::string_view bytes) {
    const std::optional<std::u16string> text = DecodeUtf8(bytes);
    return text ? Quote(*text) : std::string("(not UTF-8)");
}

std::string ReportLine(const std::filesystem::path& path, int line, std::string_view rule,
                       std::string_view detail) {
    return NativePathText(path) + ':' + std::to_string(line) + ": " + std::string(rule) + ": " +
           std::string(detail);
}

} // namespace aoba

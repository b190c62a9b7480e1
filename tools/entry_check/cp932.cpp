#include "cp932.h"

#include <iconv.h>

#include <bit>
#include <stdexcept>

namespace aoba {

namespace {

iconv_t Open(const char* to, const char* from) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    return cd;
}

// Converts all of in with cd; nothing on any error.
std::optional<std::string> Convert(iconv_t cd, std::string_view in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 2 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string_view Utf16Bytes(const char16_t* p, std::size_t n) {
    return {reinterpret_cast<const char*>(p), n * sizeof(char16_t)};
}

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

} // namespace

Cp932::Cp932()
    : toCp932_(Open("CP932", kUtf16))
    , fromCp932_(Open(kUtf16, "CP932")) {}

Cp932::~Cp932() {
    iconv_close(static_cast<iconv_t>(toCp932_));
    iconv_close(static_cast<iconv_t>(fromCp932_));
}

std::string_view Cp932::Encode(char16_t c) {
    Code& code = codes_[c];
    if (!code.known) {
        code.known = true;
        const std::optional<std::string> bytes = Convert(static_cast<iconv_t>(toCp932_), Utf16Bytes(&c, 1));
        if (bytes && (bytes->size() == 1 || bytes->size() == 2)) {
            const std::optional<std::string> back = Convert(static_cast<iconv_t>(fromCp932_), *bytes);
            if (back && *back == Utf16Bytes(&c, 1)) {
                code.length = static_cast<std::uint8_t>(bytes->size());
                bytes->copy(code.bytes, bytes->size());
            }
        }
    }
    return {code.bytes, code.length};
}

std::optional<std::u16string> Cp932::Decode(std::string_view bytes) {
    const std::optional<std::string> utf16 = Convert(static_cast<iconv_t>(fromCp932_), bytes);
    if (!utf16)
        return std::nullopt;
    std::u16string text(utf16->size() / 2, u'\0');
    utf16->copy(reinterpret_cast<char*>(text.data()), text.size() * 2);
    return text;
}

} // namespace aoba

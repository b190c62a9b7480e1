// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/cp932.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <bit>
#include <iconv.h>
#endif

#include <stdexcept>

namespace aoba {

#ifdef _WIN32

struct Cp932::Converter {
    static constexpr UINT kCodePage = 932;

    std::optional<std::string> ToCp932(std::u16string_view text) const {
        const auto* wide = reinterpret_cast<LPCWCH>(text.data());
        const int length = static_cast<int>(text.size());
        BOOL defaulted = FALSE;
        const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                             nullptr, &defaulted);
        if (size <= 0 || defaulted)
            return std::nullopt;
        std::string out(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), size, nullptr,
                            &defaulted);
        return defaulted ? std::nullopt : std::optional<std::string>(out);
    }

    // The system says only that something is wrong: find the first character that does not decode alone.
    static std::size_t FirstBad(std::string_view bytes) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            const std::size_t length = IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(bytes[i])) ? 2 : 1;
            if (i + length > bytes.size() ||
                MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                    static_cast<int>(length), nullptr, 0) <= 0)
                return i;
            i += length;
        }
        return bytes.size();
    }

    std::optional<std::u16string> FromCp932(std::string_view bytes, std::size_t* errorOffset) const {
        if (bytes.empty())
            return std::u16string();
        const int length = static_cast<int>(bytes.size());
        const int size =
            MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
        if (size <= 0) {
            if (errorOffset)
                *errorOffset = FirstBad(bytes);
            return std::nullopt;
        }
        std::u16string out(static_cast<std::size_t>(size), u'\0');
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length,
                            reinterpret_cast<LPWSTR>(out.data()), size);
        return out;
    }
};

#else

struct Cp932::Converter {
    static constexpr const char* kUtf16 =
        std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

    iconv_t toCp932 = Open("CP932", kUtf16);
    iconv_t fromCp932 = Open(kUtf16, "CP932");

    Converter() = default;
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        iconv_close(toCp932);
        iconv_close(fromCp932);
    }

    static iconv_t Open(const char* to, const char* from) {
        const iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        return cd;
    }

    // Converts all of in with cd; nothing on any error, and in errorOffset where the input went wrong.
    static std::optional<std::string> Convert(iconv_t cd, std::string_view in, std::size_t* errorOffset) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 2 + 16, '\0');
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
            iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errorOffset)
                *errorOffset = in.size() - inLeft;
            return std::nullopt;
        }
        out.resize(out.size() - outLeft);
        return out;
    }

    std::optional<std::string> ToCp932(std::u16string_view text) const {
        return Convert(toCp932, {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)},
                       nullptr);
    }

    std::optional<std::u16string> FromCp932(std::string_view bytes, std::size_t* errorOffset) const {
        const std::optional<std::string> utf16 = Convert(fromCp932, bytes, errorOffset);
        if (!utf16)
            return std::nullopt;
        std::u16string text(utf16->size() / 2, u'\0');
        utf16->copy(reinterpret_cast<char*>(text.data()), text.size() * 2);
        return text;
    }
};

#endif

Cp932::Cp932()
    : converter_(std::make_unique<Converter>()) {}

Cp932::~Cp932() = default;

std::string_view Cp932::Encode(char16_t c) {
    Code& code = codes_[c];
    if (!code.known) {
        code.known = true;
        const std::u16string_view one(&c, 1);
        const std::optional<std::string> bytes = converter_->ToCp932(one);
        if (bytes && (bytes->size() == 1 || bytes->size() == 2) &&
            converter_->FromCp932(*bytes, nullptr) == std::u16string(one)) {
            code.length = static_cast<std::uint8_t>(bytes->size());
            bytes->copy(code.bytes, bytes->size());
        }
    }
    return {code.bytes, code.length};
}

std::optional<std::u16string> Cp932::Decode(std::string_view bytes, std::size_t* errorOffset) {
    return converter_->FromCp932(bytes, errorOffset);
}

} // namespace aoba

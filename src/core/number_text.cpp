// SPDX-License-Identifier: MIT
#include "core/number_text.h"

#include "calendar/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace aoba {

namespace {

bool IsSpace(QChar c) {
    return c == u' ' || c == u'\u3000';
}

// The ASCII form of a digit, sign or point, or 0 for anything else.
char Ascii(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return static_cast<char>(u);
    if (u >= u'０' && u <= u'９')
        return static_cast<char>('0' + (u - u'０'));
    switch (u) {
    case u'+':
    case u'＋': return '+';
    case u'-':
    case u'－': return '-';
    case u'.':
    case u'．': return '.';
    default: return 0;
    }
}

} // namespace

std::optional<double> ReadNumber(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;

    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(end - begin));
    bool digits = false;
    bool point = false;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = Ascii(text[i]);
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '+' || c == '-') {
            if (i != begin)
                return std::nullopt;
        } else if (c == '.') {
            if (point)
                return std::nullopt;
            point = true;
        } else {
            return std::nullopt;
        }
        ascii += c;
    }
    if (!digits)
        return std::nullopt;

    // from_chars takes no leading '+'.
    const char* first = ascii.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range)
        return std::nullopt;
    if (ec != std::errc() || ptr != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ReadWholeNumber(QStringView text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<float> ReadSingle(QStringView text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*number);
}

} // namespace aoba

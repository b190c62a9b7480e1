// SPDX-License-Identifier: MIT
// Seeded random texts of the kinds the fields meet: numbers in both widths with signs, points and spaces,
// line ends, surrogates, stray units, and pieces of real entries.
#pragma once

#include "core/entry_store.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <utility>

namespace random_text {

using Rng = std::mt19937_64;

// A setting from the environment (decimal, or hexadecimal with 0x), or the fallback.
inline std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toULongLong(nullptr, 0);
}

inline QString Q(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::size_t Below(Rng& rng, std::size_t n) {
    return static_cast<std::size_t>(rng() % n);
}

inline char16_t Digit(Rng& rng) {
    const auto d = static_cast<char16_t>(Below(rng, 10));
    return rng() % 2 ? static_cast<char16_t>(u'0' + d) : static_cast<char16_t>(u'０' + d);
}

// Digits as a reader might type or paste them: either width, now and then a sign, a fraction or spaces.
inline std::u16string Written(Rng& rng, const std::string& digits) {
    std::u16string text;
    if (rng() % 4 == 0)
        text += rng() % 2 ? u' ' : u'\u3000';
    if (rng() % 5 == 0)
        text += u"+-＋－"[Below(rng, 4)];
    for (char c : digits)
        text += rng() % 3 ? static_cast<char16_t>(c) : static_cast<char16_t>(u'０' + (c - '0'));
    if (rng() % 4 == 0) {
        text += rng() % 2 ? u'.' : u'．';
        for (std::size_t i = Below(rng, 4); i > 0; --i)
            text += Digit(rng);
    }
    if (rng() % 4 == 0)
        text += rng() % 2 ? u' ' : u'\u3000';
    return text;
}

// A number near the values the rules turn on, or one of many digits.
inline std::u16string Number(Rng& rng) {
    static const char* const kInteresting[] = {"0",
                                               "1",
                                               "9",
                                               "12",
                                               "13",
                                               "55",
                                               "72",
                                               "73",
                                               "77",
                                               "99",
                                               "100",
                                               "104",
                                               "380",
                                               "381",
                                               "2147483647",
                                               "2147483648",
                                               "9007199254740993"};
    std::string digits;
    switch (Below(rng, 4)) {
    case 0: digits = kInteresting[Below(rng, std::size(kInteresting))]; break;
    case 1: digits = std::to_string(Below(rng, 400)); break;
    case 2:
        for (std::size_t i = rng() % 8 ? Below(rng, 25) + 1 : 400; i > 0; --i)
            digits += static_cast<char>('0' + Below(rng, 10));
        break;
    default: digits = std::string(Below(rng, 3), '0') + std::to_string(Below(rng, 13)); break;
    }
    return Written(rng, digits);
}

// A two-digit year (mostly within the run) followed by a month 0..13.
inline std::u16string YearAndMonth(Rng& rng, std::size_t& split) {
    static const std::size_t kTurns[] = {72, 73, 74, 77, 85, 99, 100, 103, 104};
    const std::size_t kind = Below(rng, 4);
    const std::size_t year = kind < 2    ? kTurns[Below(rng, std::size(kTurns))]
                             : kind == 2 ? 72 + Below(rng, 33)
                                         : Below(rng, 110);
    std::string digits = std::to_string(year % 100);
    if (digits.size() == 1 && rng() % 2)
        digits.insert(0, 1, '0');
    std::u16string text = Written(rng, digits);
    split = text.size();
    return text + Written(rng, (rng() % 2 ? "0" : "") + std::to_string(Below(rng, 14)));
}

inline std::u16string Snippet(Rng& rng, int entry) {
    const QStringView text = aoba::EntryText(entry);
    const auto at = static_cast<qsizetype>(Below(rng, static_cast<std::size_t>(text.size())));
    const auto length = std::min<qsizetype>(static_cast<qsizetype>(Below(rng, 40)) + 1, text.size() - at);
    const QStringView piece = text.sliced(at, length);
    return std::u16string(reinterpret_cast<const char16_t*>(piece.utf16()),
                          static_cast<std::size_t>(piece.size()));
}

inline std::u16string Piece(Rng& rng) {
    switch (Below(rng, 11)) {
    case 0: return std::u16string(1, static_cast<char16_t>(rng()));
    case 1: return std::u16string(1, Digit(rng));
    case 2: return std::u16string(1, u"+-＋－"[Below(rng, 4)]);
    case 3: return std::u16string(1, rng() % 2 ? u'.' : u'．');
    case 4: return std::u16string(1, rng() % 2 ? u' ' : u'\u3000');
    case 5: {
        const auto high = static_cast<char16_t>(0xD800 + Below(rng, 0x400));
        const auto low = static_cast<char16_t>(0xDC00 + Below(rng, 0x400));
        const std::size_t kind = Below(rng, 3);
        return kind == 0 ? std::u16string{high} : kind == 1 ? std::u16string{low} : std::u16string{high, low};
    }
    case 6: return std::u16string(Below(rng, 3) == 0 ? u"\r" : Below(rng, 2) ? u"\n" : u"\r\n");
    case 7: return std::u16string(1, static_cast<char16_t>(u'A' + Below(rng, 58)));
    case 8: return Snippet(rng, 1 + static_cast<int>(Below(rng, 382)));
    default: return Number(rng);
    }
}

// The keys that edit a field or act on it, rather than type into it: moving, selecting, deleting, undo and
// redo, the clipboard, Enter and Escape.
inline constexpr std::pair<Qt::Key, Qt::KeyboardModifiers> kEditingKeys[] = {
    {Qt::Key_Backspace, {}},
    {Qt::Key_Delete, {}},
    {Qt::Key_Left, {}},
    {Qt::Key_Right, Qt::ShiftModifier},
    {Qt::Key_Home, {}},
    {Qt::Key_End, Qt::ShiftModifier},
    {Qt::Key_Up, {}},
    {Qt::Key_Down, {}},
    {Qt::Key_PageDown, {}},
    {Qt::Key_Return, {}},
    {Qt::Key_Enter, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Y, Qt::ControlModifier}};

// Up to five pieces of any kind, possibly none.
inline std::u16string Text(Rng& rng) {
    std::u16string text;
    for (std::size_t n = Below(rng, 6); n > 0; --n)
        text += Piece(rng);
    return text;
}

} // namespace random_text

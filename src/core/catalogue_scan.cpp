// SPDX-License-Identifier: MIT
// One pass over the catalogue's single buffer instead of a find per entry. A block step tests a row of
// candidate starts at once: the needle's rarest code unit (by the catalogue's own counts) must sit at its
// offset and, where that unit is common enough to matter, a second anchor at its own. Every candidate is then
// compared in full; a hit, or a candidate that would run past its entry's end, moves the scan on to the next
// entry, so a match never spans two entries and each entry is reported once.
#include "core/catalogue_scan.h"

#include "entry_store_data.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#if defined(__x86_64__) || defined(_M_X64)
#define AOBA_SCAN_SSE2 1
#include <emmintrin.h>
#if defined(__GNUC__)
#define AOBA_SCAN_AVX2 1
#include <immintrin.h>
#endif
#endif

namespace aoba {

namespace {

using detail::kEntryStarts;
using detail::kTexts;

// How often the searched entries hold unit.
std::uint32_t Frequency(char16_t unit) {
    const auto& values = detail::kUnitValues;
    const auto at = std::lower_bound(values.begin(), values.end(), unit);
    return at != values.end() && *at == unit
               ? detail::kUnitCounts[static_cast<std::size_t>(at - values.begin())]
               : 0;
}

std::size_t LongestSearchedEntry() {
    std::uint32_t longest = 0;
    for (int n = kFirstIssue; n <= kLastIssue; ++n)
        longest = std::max(longest, kEntryStarts[static_cast<std::size_t>(n)] -
                                        kEntryStarts[static_cast<std::size_t>(n - 1)]);
    return longest;
}

// Offsets into the needle of the units a block step tests.
struct Anchors {
    std::size_t first = 0;  // the rarest unit
    std::size_t second = 0; // the rarest other one, a different unit where the needle has one
    bool two = false;       // whether the step tests the second at all
};

// A first anchor met about once a block or less leaves too few false candidates for a second to pay for
// itself.
constexpr std::uint32_t kOneAnchorEnough = detail::kTextUnits / 64;

// None when the needle cannot be in any searched entry: a unit they never hold, or more units than any has.
std::optional<Anchors> ChooseAnchors(std::u16string_view needle) {
    static const std::size_t longest = LongestSearchedEntry();
    if (needle.empty() || needle.size() > longest)
        return std::nullopt;
    std::vector<std::uint32_t> counts(needle.size());
    Anchors anchors;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        counts[i] = Frequency(needle[i]);
        if (counts[i] == 0)
            return std::nullopt;
        if (counts[i] < counts[anchors.first])
            anchors.first = i;
    }
    // A second anchor of the same unit as the first filters less: another unit where there is one, then the
    // rarest.
    auto better = [&](std::size_t i, std::size_t than) {
        const bool other = needle[i] != needle[anchors.first];
        const bool thanOther = needle[than] != needle[anchors.first];
        return other != thanOther ? other : counts[i] < counts[than];
    };
    bool found = false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (i != anchors.first && (!found || better(i, anchors.second))) {
            anchors.second = i;
            found = true;
        }
    }
    anchors.two = found && counts[anchors.first] > kOneAnchorEnough;
    if (!anchors.two)
        anchors.second = anchors.first;
    return anchors;
}

// Short needles are the common case, where a call to memcmp costs more than the comparison.
inline bool Same(const char16_t* text, std::u16string_view needle) {
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (text[i] != needle[i])
            return false;
    return true;
}

// The scan proper, whatever the block step. block.Skip(at, last) steps on from at by Block::kWidth while no
// start in the step passes the anchors, and stops past last; block.Mask(at) has bit k set when the start
// at + k passes them. Both read up to Block::kWidth - 1 units past the needle's end, which the padding
// allows.
template <class Block>
#if defined(__GNUC__)
[[gnu::always_inline]]
#endif
inline SearchHits
Scan(std::u16string_view needle, const Block& block) {
    static_assert(Block::kWidth <= 64 && Block::kWidth <= detail::kPaddingUnits);
    SearchHits hits;
    const std::size_t length = needle.size();
    const std::size_t searchedEnd = kEntryStarts[kLastIssue];
    if (length > searchedEnd)
        return hits;
    const std::size_t lastStart = searchedEnd - length;
    std::size_t entry = 0; // zero-based: the entry of issue entry + 1
    std::size_t at = 0;
    while ((at = block.Skip(at, lastStart)) <= lastStart) {
        std::uint64_t mask = block.Mask(at);
        std::size_t next = at + Block::kWidth;
        while (mask != 0) {
            const std::size_t start = at + static_cast<std::size_t>(std::countr_zero(mask));
            if (start > lastStart)
                return hits;
            while (kEntryStarts[entry + 1] <= start)
                ++entry;
            const std::size_t end = kEntryStarts[entry + 1];
            std::size_t resume = start + 1;
            if (start + length > end) {
                resume = end; // so would every later start in this entry
            } else if (Same(kTexts + start, needle)) {
                hits.Add(static_cast<int>(entry) + 1);
                resume = end;
            }
            if (resume >= next) {
                next = resume;
                break;
            }
            mask &= ~std::uint64_t{0} << (resume - at);
        }
        at = next;
    }
    return hits;
}

struct PlainBlock {
    static constexpr std::size_t kWidth = 32;
    char16_t first;
    char16_t second;
    Anchors anchors;

    static std::size_t Skip(std::size_t at, std::size_t) { return at; }

    std::uint64_t Mask(std::size_t at) const {
        const char16_t* text = kTexts + at;
        std::uint64_t mask = 0;
        for (std::size_t k = 0; k < kWidth; ++k)
            mask |= std::uint64_t{text[anchors.first + k] == first && text[anchors.second + k] == second}
                    << k;
        return mask;
    }
};

#if AOBA_SCAN_SSE2
// Four vectors of eight units a step.
template <bool kTwo> struct Sse2Block {
    static constexpr std::size_t kWidth = 32;
    __m128i first;
    __m128i second;
    Anchors anchors;

    static __m128i Load(const char16_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

    __m128i Test(const char16_t* at, std::size_t k) const {
        const __m128i match = _mm_cmpeq_epi16(Load(at + anchors.first + 8 * k), first);
        if constexpr (!kTwo)
            return match;
        return _mm_and_si128(match, _mm_cmpeq_epi16(Load(at + anchors.second + 8 * k), second));
    }

    std::size_t Skip(std::size_t at, std::size_t last) const {
        for (; at <= last; at += kWidth) {
            const char16_t* text = kTexts + at;
            const __m128i any = _mm_or_si128(_mm_or_si128(Test(text, 0), Test(text, 1)),
                                             _mm_or_si128(Test(text, 2), Test(text, 3)));
            if (_mm_movemask_epi8(any) != 0)
                break;
        }
        return at;
    }

    // Packing turns each unit's all-ones word into one all-ones byte, in order.
    std::uint64_t Mask(std::size_t at) const {
        const char16_t* text = kTexts + at;
        const auto low =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(Test(text, 0), Test(text, 1))));
        const auto high =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(Test(text, 2), Test(text, 3))));
        return low | std::uint64_t{high} << 16;
    }
};

template <bool kTwo> SearchHits ScanSse2(std::u16string_view needle, Anchors anchors) {
    const Sse2Block<kTwo> block{_mm_set1_epi16(static_cast<short>(needle[anchors.first])),
                                _mm_set1_epi16(static_cast<short>(needle[anchors.second])), anchors};
    return Scan(needle, block);
}
#endif

#if AOBA_SCAN_AVX2
// Four vectors of sixteen units a step; only for processors that have AVX2, asked at run time.
template <bool kTwo> struct Avx2Block {
    static constexpr std::size_t kWidth = 64;
    __m256i first;
    __m256i second;
    Anchors anchors;

    [[gnu::target("avx2")]] static __m256i Load(const char16_t* at) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    }

    [[gnu::target("avx2")]] __m256i Test(const char16_t* at, std::size_t k) const {
        const __m256i match = _mm256_cmpeq_epi16(Load(at + anchors.first + 16 * k), first);
        if constexpr (!kTwo)
            return match;
        return _mm256_and_si256(match, _mm256_cmpeq_epi16(Load(at + anchors.second + 16 * k), second));
    }

    [[gnu::target("avx2")]] std::size_t Skip(std::size_t at, std::size_t last) const {
        for (; at <= last; at += kWidth) {
            const char16_t* text = kTexts + at;
            const __m256i any = _mm256_or_si256(_mm256_or_si256(Test(text, 0), Test(text, 1)),
                                                _mm256_or_si256(Test(text, 2), Test(text, 3)));
            if (!_mm256_testz_si256(any, any))
                break;
        }
        return at;
    }

    // Packing works within 128-bit lanes; the permutation puts the units back in order.
    [[gnu::target("avx2")]] static std::uint64_t Bits(__m256i a, __m256i b) {
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi16(a, b), 0xD8);
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(packed));
    }

    [[gnu::target("avx2")]] std::uint64_t Mask(std::size_t at) const {
        const char16_t* text = kTexts + at;
        return Bits(Test(text, 0), Test(text, 1)) | Bits(Test(text, 2), Test(text, 3)) << 32;
    }
};

template <bool kTwo>
[[gnu::target("avx2")]] SearchHits ScanAvx2(std::u16string_view needle, Anchors anchors) {
    const Avx2Block<kTwo> block{_mm256_set1_epi16(static_cast<short>(needle[anchors.first])),
                                _mm256_set1_epi16(static_cast<short>(needle[anchors.second])), anchors};
    return Scan(needle, block);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

} // namespace

std::vector<ScanWay> AvailableScanWays() {
    std::vector<ScanWay> ways{ScanWay::Plain};
#if AOBA_SCAN_SSE2
    ways.push_back(ScanWay::Sse2);
#endif
#if AOBA_SCAN_AVX2
    if (HasAvx2())
        ways.push_back(ScanWay::Avx2);
#endif
    return ways;
}

SearchHits ScanCatalogue(QStringView needleView, ScanWay way) {
    const std::u16string_view needle(reinterpret_cast<const char16_t*>(needleView.utf16()),
                                     static_cast<std::size_t>(needleView.size()));
    const std::optional<Anchors> anchors = ChooseAnchors(needle);
    if (!anchors)
        return {};
    switch (way) {
#if AOBA_SCAN_AVX2
    case ScanWay::Avx2:
        if (HasAvx2())
            return anchors->two ? ScanAvx2<true>(needle, *anchors) : ScanAvx2<false>(needle, *anchors);
        break;
#endif
#if AOBA_SCAN_SSE2
    case ScanWay::Sse2:
        return anchors->two ? ScanSse2<true>(needle, *anchors) : ScanSse2<false>(needle, *anchors);
#endif
    default: break;
    }
    return Scan(needle, PlainBlock{needle[anchors->first], needle[anchors->second], *anchors});
}

} // namespace aoba

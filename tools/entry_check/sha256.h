// SPDX-License-Identifier: MIT
// SHA-256 (FIPS 180-4), for the manifest that ties the files of data/ into one set. Small and self-contained
// so the build-time tools need no library beyond the standard one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace aoba {

class Sha256 {
public:
    void Add(std::string_view bytes);
    // The digest of everything added; the object is spent afterwards.
    std::array<std::uint8_t, 32> Finish();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                        0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t length_ = 0; // bytes
};

// The digest of bytes in lower-case hexadecimal, as sha256sum prints it.
std::string Sha256Hex(std::string_view bytes);

} // namespace aoba

// SPDX-License-Identifier: MIT
// Reading the numbers the reader types (or pastes) into the entry fields. One reader serves every command:
// half- and full-width digits, an optional sign and decimal point, surrounding half- and full-width spaces.
// Anything else is not a number, and the caller decides what that means.
#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace aoba {

std::optional<double> ReadNumber(QStringView text);

// The number rounded half to even, if it fits a 32-bit whole number ("７.５" is 8, "6.5" is 6).
std::optional<std::int32_t> ReadWholeNumber(QStringView text);

// The number as a single-precision real, if it is within that type's range.
std::optional<float> ReadSingle(QStringView text);

} // namespace aoba

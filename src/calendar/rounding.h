// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace aoba {

// Round to the nearest whole number, ties to even, without depending on the floating-point environment.
inline double RoundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace aoba

// SPDX-License-Identifier: MIT
// Both windows are laid out in twips; every geometry goes through here. 1440 twips make an inch of 96
// logical pixels, so 15 twips make a pixel; Qt's high-DPI scaling takes it from there.
#pragma once

#include <QRect>
#include <QSize>

namespace aoba {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel: a few captions sit at places such as 400 twips, between two pixels.
constexpr int Pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

constexpr QSize TwipsSize(int width, int height) {
    return {Pixels(width), Pixels(height)};
}

} // namespace aoba

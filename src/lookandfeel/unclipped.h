// SPDX-License-Identifier: MIT
// The twips boxes were drawn for the fonts of one system. Where the font really used draws a caption wider
// than its box (the same family gives other widths on Windows than on Linux), the caption would lose its
// end; instead it may run on to the right, as far as the next control on its rows or its container's edge.
// Its place and height stay, and so does its width wherever the text fits.
#pragma once

#include <QRect>

#include <vector>

class QWidget;

namespace aoba {

// box made wide enough for textWidth pixels of text, as far as there is room: its right edge stays inside
// room and left of every rectangle of others that shares some of box's rows and starts right of box's left
// edge. The place and the height are box's, and it is never narrower than box.
QRect Unclipped(const QRect& box, int textWidth, const QRect& room, const std::vector<QRect>& others);

// Widens a caption (a label or an option button) to its size hint as Unclipped allows, among the other
// controls of its container. Call once the container holds all its controls.
void ShowWhole(QWidget& caption);

} // namespace aoba

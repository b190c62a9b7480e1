// SPDX-License-Identifier: MIT
// Colours and fonts shared by the two windows.
#pragma once

#include <QColor>
#include <QFont>

class QObject;
class QStyle;
class QWidget;

namespace aoba {

inline constexpr QColor kLightGreen{192, 255, 192}; // both windows, frames, labels, option buttons
inline constexpr QColor kLightPeach{255, 224, 192}; // the four stepping buttons
inline constexpr QColor kLightGrey{224, 224, 224};  // the search button
inline constexpr QColor kWhite{255, 255, 255};      // the band at the top of the results window

// The Japanese fonts are asked for by their names, so Windows uses them as they are; RegisterFontSubstitutes
// maps the names to installed Japanese fonts elsewhere.
QFont GothicFont(qreal pointSize, bool bold);
QFont MinchoFont(qreal pointSize, bool bold);

// The font of every control for which no other is given.
QFont DefaultFont();

// Call once, before any window exists.
void RegisterFontSubstitutes();

// A style for the option buttons that keeps their captions within the narrow places the layout gives them:
// a smaller indicator and less space before the caption. owner keeps it alive.
QStyle* CompactOptionStyle(QObject* owner);

// Qt's built-in "Windows" style, for the command buttons and the group frames: it paints a button's face
// flat in exactly its palette's Button colour and leaves a frame's inside to its parent's colour, where the
// default style paints gradients and shades. owner keeps it alive.
QStyle* FlatFaceStyle(QObject* owner);

// Gives a widget a background of its own colour, painted even where the style would leave it to the parent.
void FillBackground(QWidget& widget, const QColor& colour);

} // namespace aoba

// SPDX-License-Identifier: MIT
// Colours and fonts shared by the two windows. The form builder (form.h) puts them on the controls, each face
// its own; the lookup picture paints its two colours itself.
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
inline constexpr QColor kOrange{255, 128, 64};      // the lookup picture's ground
inline constexpr QColor kInk{48, 24, 8};            // the lookup picture's lettering

// "ＭＳ Ｐゴシック" and "ＭＳ Ｐ明朝", asked for by those names where they are installed; elsewhere by the
// name of the substitute ChooseFontFamilies picked.
QFont GothicFont(qreal pointSize, bool bold);
QFont MinchoFont(qreal pointSize, bool bold);

// The font of every control for which no other is given.
QFont DefaultFont();

// The search button's font. The picture's lettering is made from it too: its shapes are scaled to their place
// whatever their size, and one font loaded at start-up serves both.
QFont SearchButtonFont();

// Looks once at the installed fonts and picks the families the fonts above ask for. Call it before any
// window exists.
void ChooseFontFamilies();

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

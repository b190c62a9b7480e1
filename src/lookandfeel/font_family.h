// SPDX-License-Identifier: MIT
// Which family a font asks for, decided from what is installed, with no font lookup of its own.
#pragma once

#include <QString>
#include <QStringList>

namespace aoba {

enum class Face { Gothic, Mincho };

// "ＭＳ Ｐゴシック" or "ＭＳ Ｐ明朝", the families the windows are drawn in.
QString WantedFamily(Face face);

// The family to ask for: the wanted one where it is installed; else an installed substitute (the same font
// under its English name, then the proportional IPA fonts, as the wanted fonts are proportional), then the
// first installed family that writes Japanese; else the wanted one, left to the platform's fallbacks. A
// substitute is asked for by its own name, so the font lookup never searches fallbacks for a family it does
// not know. Family names compare as the font lookup does, ignoring case.
QString FamilyToAskFor(Face face, const QStringList& installed, const QStringList& japanese);

} // namespace aoba

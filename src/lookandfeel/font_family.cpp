// SPDX-License-Identifier: MIT
#include "lookandfeel/font_family.h"

namespace aoba {

QString WantedFamily(Face face) {
    return face == Face::Gothic ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("ＭＳ Ｐ明朝");
}

QString FamilyToAskFor(Face face, const QStringList& installed, const QStringList& japanese) {
    const QString wanted = WantedFamily(face);
    if (installed.contains(wanted, Qt::CaseInsensitive))
        return wanted;
    // A Mincho missing, a proportional Gothic is closer to it than a Japanese font in a fixed pitch.
    const QStringList substitutes =
        face == Face::Gothic ? QStringList{QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                           QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic")}
                             : QStringList{QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"),
                                           QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho"),
                                           QStringLiteral("IPAPGothic")};
    for (const QString& family : substitutes)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return japanese.isEmpty() ? wanted : japanese.front();
}

} // namespace aoba

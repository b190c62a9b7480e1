// SPDX-License-Identifier: MIT
// The families the windows ask for where the tests run: the wanted fonts by their names where they are
// installed (Japanese Windows), else the proportional IPA fonts the set-up installs, by their own names.
#pragma once

#include <QFontDatabase>
#include <QString>

namespace expected {

inline const QString kWantedGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kWantedMincho = QStringLiteral("ＭＳ Ｐ明朝");

inline QString GothicFamily() {
    return QFontDatabase::hasFamily(kWantedGothic) ? kWantedGothic : QStringLiteral("IPAPGothic");
}

inline QString MinchoFamily() {
    return QFontDatabase::hasFamily(kWantedMincho) ? kWantedMincho : QStringLiteral("IPAPMincho");
}

} // namespace expected

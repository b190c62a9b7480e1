// SPDX-License-Identifier: MIT
// The captions of the 380 issue labels, "[001]" … "[380]", counted out digit by digit as an odometer turns,
// not written the way the program writes them.
#pragma once

#include <QStringList>

inline QStringList IssueCaptions() {
    QStringList captions;
    for (char16_t hundreds = u'0'; hundreds <= u'3'; ++hundreds)
        for (char16_t tens = u'0'; tens <= u'9'; ++tens)
            for (char16_t units = u'0'; units <= u'9'; ++units)
                captions << QStringLiteral("[") + QChar(hundreds) + QChar(tens) + QChar(units) +
                                QStringLiteral("]");
    captions.removeFirst(); // [000]
    captions.resize(380);
    return captions;
}

// SPDX-License-Identifier: MIT
// The catalogue as the files of data/ hold it, read by the test itself: what a test expects of an entry
// then does not come from the store it tests.
#pragma once

#include <QFile>
#include <QString>
#include <QTest>

// Entry n (1..382) as its file holds it, decoded from UTF-8.
inline QString EntryFile(int n) {
    QFile file(QString::fromUtf8(AOBA_CATALOGUE_DIR) +
               QStringLiteral("/%1.txt").arg(n, 3, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

// Entry n as the contents pane's document holds it: lines end in LF there.
inline QString EntryAsShown(int n) {
    return EntryFile(n).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

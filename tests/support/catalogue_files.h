// SPDX-License-Identifier: MIT
// The catalogue as the files of data/ hold it, read by the test itself: what a test expects of an entry
// then does not come from the store it tests.
#pragma once

#include <QFile>
#include <QString>
#include <QTest>

#include <utility>

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

// The year (four digits) and month that the header line of entry n names, read from its file: the year comes
// first, and after one mark the month, in digits of either width.
inline std::pair<int, int> MonthInHeader(int n) {
    const QString header = EntryFile(n).section(QStringLiteral("\r\n"), 0, 0);
    int month = 0;
    for (QChar c : QStringView(header).sliced(5)) {
        const char16_t digit = c >= u'０' && c <= u'９' ? c.unicode() - u'０' + u'0' : c.unicode();
        if (digit < u'0' || digit > u'9')
            break;
        month = month * 10 + (digit - u'0');
    }
    return {header.left(4).toInt(), month};
}

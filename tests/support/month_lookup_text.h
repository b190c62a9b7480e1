// SPDX-License-Identifier: MIT
// A month lookup as readable text, so a failing comparison says what came out.
#pragma once

#include "calendar/calendar.h"

#include <QString>

inline QString Describe(aoba::MonthLookup r) {
    switch (r.kind) {
    case aoba::MonthLookup::Kind::Issue: return QStringLiteral("issue %1").arg(r.issue);
    case aoba::MonthLookup::Kind::NotPublished: return QStringLiteral("not published");
    case aoba::MonthLookup::Kind::OutOfPeriod: return QStringLiteral("out of period");
    }
    return {};
}

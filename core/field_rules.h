// SPDX-License-Identifier: MIT
// What the main window's commands make of the texts in its entry fields. Every rule is a function of the
// field texts alone; the window only reads its fields, calls one of these and writes the result back.
#pragma once

#include "calendar/calendar.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace aoba {

// Show by issue number: the issue 1..380 the text names, or nothing when it names none (empty, 0, 381,
// letters, a number beyond 32 bits), which the window refuses.
std::optional<int> IssueFromNumberField(QStringView text);

// Show by publication month, with the empty-field defaults that always fall outside the run.
MonthLookup IssueFromMonthFields(QStringView yearText, QStringView monthText);

// The key filter of the numeric fields: Backspace and half- or full-width digits pass.
bool PassesDigitFilter(char16_t c);

// The month field after a change: "01" when its text names a month above 12 (or is no number at all),
// nothing when it stays as it is (empty counts as 1; "0" and "00" stay).
std::optional<QString> CorrectedMonth(QStringView monthText);

enum class Step { Forward, Back };

// The issue field after a stepping button: nothing when the field is empty, is no number, or is at the
// bound (380 forward, 1 back). The result is plain decimal: "056" forward gives "57".
std::optional<QString> SteppedIssue(QStringView issueText, Step step);

struct MonthFields {
    QString year;
    QString month;
};

// The year and month fields after the next- or previous-month button; nothing when either field is empty
// or no number. Going back passes through month "00", which names December of the year before.
std::optional<MonthFields> SteppedMonth(QStringView yearText, QStringView monthText, Step step);

} // namespace aoba

// SPDX-License-Identifier: MIT
// What the main window's commands make of the texts in its entry fields. Every rule is a function of the
// field texts alone; the window only reads its fields, calls one of these and writes the result back.
#pragma once

#include "calendar/calendar.h"

#include <QString>
#include <QStringList>
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

// The drop-down lists of the year and month fields: two-digit numbers in the order of what they name. The
// years run 72..99 and then 00..04, which the calendar reads as 100..104; the months 01..12.
enum class NumberList { Years, Months };
QStringList ListItems(NumberList list);

// Where a field's text stands in its list, for the list to open on and the arrow keys to step from: the
// index of the item that names the same number ("9" is "09", "100" is "00"); for a number between two
// items or beyond them, the index of the next item minus one half (-0.5 before the first); nothing for a
// text that is no number.
std::optional<double> PlaceInList(QStringView text, NumberList list);

} // namespace aoba

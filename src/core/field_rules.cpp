// SPDX-License-Identifier: MIT
#include "core/field_rules.h"

#include "core/number_text.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace aoba {

namespace {

constexpr float kEmptyYear = 1000.0F;
constexpr std::int32_t kEmptyMonth = 100000;

QString Decimal(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString TwoDigits(QString text) {
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

} // namespace

std::optional<int> IssueFromNumberField(QStringView text) {
    const std::optional<std::int32_t> number = text.isEmpty() ? 0 : ReadWholeNumber(text);
    if (!number || *number < kFirstIssue || *number > kLastIssue)
        return std::nullopt;
    return *number;
}

MonthLookup IssueFromMonthFields(QStringView yearText, QStringView monthText) {
    const std::optional<float> year = yearText.isEmpty() ? kEmptyYear : ReadSingle(yearText);
    const std::optional<std::int32_t> month = monthText.isEmpty() ? kEmptyMonth : ReadWholeNumber(monthText);
    if (!year || !month)
        return {MonthLookup::Kind::OutOfPeriod, 0};
    return IssueForMonth(*year, *month);
}

bool PassesDigitFilter(char16_t c) {
    return c == u'\b' || (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

std::optional<QString> CorrectedMonth(QStringView monthText) {
    const std::optional<std::int32_t> month = monthText.isEmpty() ? 1 : ReadWholeNumber(monthText);
    if (month && *month <= 12)
        return std::nullopt;
    return QStringLiteral("01");
}

std::optional<QString> SteppedIssue(QStringView issueText, Step step) {
    const std::optional<double> issue = issueText.isEmpty() ? std::nullopt : ReadNumber(issueText);
    if (!issue)
        return std::nullopt;
    if (step == Step::Forward && *issue < kLastIssue)
        return Decimal(*issue + 1);
    if (step == Step::Back && *issue > kFirstIssue)
        return Decimal(*issue - 1);
    return std::nullopt;
}

std::optional<MonthFields> SteppedMonth(QStringView yearText, QStringView monthText, Step step) {
    if (yearText.isEmpty() || monthText.isEmpty())
        return std::nullopt;
    const std::optional<double> year = ReadNumber(yearText);
    const std::optional<double> month = ReadNumber(monthText);
    if (!year || !month)
        return std::nullopt;

    MonthFields fields{yearText.toString(), monthText.toString()};
    if (step == Step::Forward) {
        if (*month == 12) {
            fields.month = QStringLiteral("01");
            fields.year = *year == 99 ? QStringLiteral("00") : Decimal(*year + 1);
        } else {
            fields.month = Decimal(*month + 1);
        }
    } else {
        if (*month == 0) {
            fields.month = QStringLiteral("12");
            fields.year = *year == 0 ? QStringLiteral("99") : Decimal(*year - 1);
        } else {
            fields.month = Decimal(*month - 1);
        }
    }
    // Both fields are brought to two digits, whichever of them the step changed.
    fields.year = TwoDigits(fields.year);
    fields.month = TwoDigits(fields.month);
    return fields;
}

QStringList ListItems(NumberList list) {
    const int first = list == NumberList::Years ? 72 : 1;
    const int last = list == NumberList::Years ? 104 : 12;
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
    return items;
}

std::optional<double> PlaceInList(QStringView text, NumberList list) {
    std::optional<double> value = ReadNumber(text);
    if (!value)
        return std::nullopt;
    const bool years = list == NumberList::Years;
    // A two-digit year below 72 names a year of the 2000s, after 99.
    if (years && *value >= 0 && *value < 72)
        *value += 100;
    const double first = years ? 72 : 1;
    const double count = years ? 33 : 12;
    const double index = *value - first;
    if (index == std::floor(index) && index >= 0 && index < count)
        return index;
    return std::clamp(std::floor(index) + 1, 0.0, count) - 0.5;
}

} // namespace aoba

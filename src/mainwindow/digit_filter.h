// SPDX-License-Identifier: MIT
// The key filter of the issue-number, year and month fields: digits and Backspace pass, every other
// character is swallowed with a beep. It also sees text committed by an input method, which is how
// full-width digits arrive and which never comes as a key press.
#pragma once

#include <QObject>

namespace aoba {

class Feedback;

class DigitFilter final : public QObject {
    Q_OBJECT

public:
    DigitFilter(Feedback& feedback, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Feedback& feedback_;
};

} // namespace aoba

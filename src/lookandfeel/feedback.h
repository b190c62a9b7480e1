// SPDX-License-Identifier: MIT
// Everything that blocks or makes a noise goes through here, so tests can record it instead.
// Message texts are the system's own, lines joined by a single CR.
#pragma once

#include <QStringView>

class QWidget;

namespace aoba {

class Feedback {
public:
    virtual ~Feedback() = default;
    virtual void Beep() = 0;
    // A refusal over window: exclamation icon, OK, empty title.
    virtual void Warn(QWidget& window, QStringView text) = 0;
    // A notice over window: no icon, OK, the given title.
    virtual void Inform(QWidget& window, QStringView title, QStringView text) = 0;
};

// The real thing: the system beep and modal message boxes.
class DialogFeedback final : public Feedback {
public:
    void Beep() override;
    void Warn(QWidget& window, QStringView text) override;
    void Inform(QWidget& window, QStringView title, QStringView text) override;
};

} // namespace aoba

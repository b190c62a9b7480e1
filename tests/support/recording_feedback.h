// SPDX-License-Identifier: MIT
// Stands in for message boxes and the beep: records what the program said, in order.
#pragma once

#include "lookandfeel/feedback.h"

#include <QStringList>

class RecordingFeedback final : public aoba::Feedback {
public:
    void Beep() override { said << QStringLiteral("beep"); }
    void Warn(QWidget&, QStringView text) override { said << QStringLiteral("warn: ") + text.toString(); }
    void Inform(QWidget&, QStringView title, QStringView text) override {
        said << QStringLiteral("inform %1: %2").arg(title, text);
    }
    int Beeps() const { return static_cast<int>(said.count(QStringLiteral("beep"))); }

    QStringList said;
};

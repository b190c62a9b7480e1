// Stands in for message boxes and the beep: records what the program said, in order.
#pragma once

#include "widgets/feedback.h"

#include <QStringList>

class RecordingFeedback final : public aoba::Feedback {
public:
    void Beep() override { said << QStringLiteral("beep"); }
    void Warn(const QString& text) override { said << QStringLiteral("warn: ") + text; }
    void Inform(const QString& title, const QString& text) override {
        said << QStringLiteral("inform %1: %2").arg(title, text);
    }
    int Beeps() const { return static_cast<int>(said.count(QStringLiteral("beep"))); }

    QStringList said;
};

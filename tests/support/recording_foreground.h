// SPDX-License-Identifier: MIT
// Stands in for raising and activating windows: records which window was asked for, by its control name.
#pragma once

#include "lookandfeel/foreground.h"

#include <QStringList>
#include <QWidget>

class RecordingForeground final : public aoba::Foreground {
public:
    void Bring(QWidget& window) override { brought << window.objectName(); }

    QStringList brought;
};

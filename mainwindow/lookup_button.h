// SPDX-License-Identifier: MIT
// The picture button of the three lookups: 目次を見る in dark slanted lettering on orange.
#pragma once

#include "mainwindow/command_button.h"

class QPainter;

namespace aoba {

inline constexpr QSize kLookupPictureSize{86, 28};

// Draws the picture with its top-left corner at origin, in logical pixels. It is drawn as vector shapes,
// so it stays crisp at any device pixel ratio.
void PaintLookupPicture(QPainter& painter, QPointF origin);

class LookupButton final : public CommandButton {
    Q_OBJECT

public:
    explicit LookupButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace aoba

// SPDX-License-Identifier: MIT
// The picture button of the three lookups: 目次を見る in dark slanted lettering on orange.
#pragma once

#include "mainwindow/command_button.h"

#include <QPixmap>

class QPainter;

namespace aoba {

inline constexpr QSize kLookupPictureSize{86, 28};

// Draws the picture with its top-left corner at origin, in logical pixels. It is drawn as vector shapes,
// so it stays crisp at any device pixel ratio.
void PaintLookupPicture(QPainter& painter, QPointF origin);

// The picture as PaintLookupPicture draws it at offset (under a pixel each way) on a transparent pixmap one
// pixel larger than the picture, at the given device pixel ratio. Drawn once for each ratio and offset: the
// buttons paint it on every update, and drawing it from its shapes costs the start-up most of a millisecond.
// Only the pictures of the latest ratio are kept.
QPixmap LookupPicture(qreal devicePixelRatio, QPointF offset);

class LookupButton final : public CommandButton {
    Q_OBJECT

public:
    explicit LookupButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace aoba

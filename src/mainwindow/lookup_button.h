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

// The picture on a transparent pixmap at the given device pixel ratio, one pixel wider and higher than the
// picture, and drawn into it offset by less than a pixel each way: a button whose picture starts between
// device pixels paints the pixmap at a whole pixel and the picture still lands where it belongs. Each ratio
// and offset is drawn once and kept, since the buttons paint it on every update and drawing it from its
// shapes costs the start-up most of a millisecond; only the pictures of the latest ratio are kept.
QPixmap LookupPicture(qreal devicePixelRatio, QPointF offset);

class LookupButton final : public CommandButton {
    Q_OBJECT

public:
    explicit LookupButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "mainwindow/lookup_button.h"

#include "lookandfeel/look.h"
#include "texts/texts.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>
#include <vector>

namespace aoba {

namespace {

const QRectF kLettering{7, 6, 72, 14}; // where the lettering sits in the picture
constexpr qreal kSlant = -0.25;        // leaning forward, as written with a brush

QPainterPath Lettering() {
    QPainterPath path;
    path.addText(0, 0, SearchButtonFont(), texts::kLookupPicture.toString());
    path = QTransform().shear(kSlant, 0).map(path);
    // Fit the strokes to the lettering box whatever font was found.
    const QRectF box = path.boundingRect();
    QTransform fit;
    fit.translate(kLettering.left(), kLettering.top());
    fit.scale(kLettering.width() / box.width(), kLettering.height() / box.height());
    fit.translate(-box.left(), -box.top());
    return fit.map(path);
}

} // namespace

void PaintLookupPicture(QPainter& painter, QPointF origin) {
    static const QPainterPath lettering = Lettering();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.fillRect(QRectF(QPointF(0, 0), kLookupPictureSize), kOrange);
    // A thin outline in the same ink thickens the strokes a little, like a brush.
    painter.setPen(QPen(kInk, 0.5));
    painter.setBrush(kInk);
    painter.drawPath(lettering);
    painter.restore();
}

QPixmap LookupPicture(qreal devicePixelRatio, QPointF offset) {
    struct Drawn {
        qreal devicePixelRatio;
        QPointF offset;
        QPixmap picture;
    };
    static std::vector<Drawn> drawn;
    for (const Drawn& d : drawn)
        if (d.devicePixelRatio == devicePixelRatio && d.offset == offset)
            return d.picture;
    // The window is on one screen at a time: pictures of another ratio would pile up as it moves between
    // screens, and drawing one again when it moves back costs less than a millisecond.
    std::erase_if(drawn,
                  [devicePixelRatio](const Drawn& d) { return d.devicePixelRatio != devicePixelRatio; });
    const QSizeF size = (QSizeF(kLookupPictureSize) + QSizeF(1, 1)) * devicePixelRatio;
    QPixmap picture(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    PaintLookupPicture(painter, offset);
    painter.end();
    drawn.push_back({devicePixelRatio, offset, picture});
    return picture;
}

LookupButton::LookupButton(QWidget* parent)
    : CommandButton(parent) {}

void LookupButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // Centred on the face and cut off by the border, sunk by a pixel while pressed.
    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QPointF origin =
        QRectF(rect()).center() - QPointF(kLookupPictureSize.width(), kLookupPictureSize.height()) / 2;
    if (isDown())
        origin += QPointF(1, 1);
    // The picture lands on whole device pixels; its sub-pixel part is drawn into the cached picture.
    const qreal ratio = devicePixelRatio();
    const QPointF device = origin * ratio;
    const QPointF whole(std::floor(device.x()), std::floor(device.y()));
    painter.setClipRect(face.adjusted(-1, -1, 1, 1));
    painter.drawPixmap(whole / ratio, LookupPicture(ratio, (device - whole) / ratio));
    painter.setClipping(false);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "mainwindow/lookup_button.h"

#include "texts/texts.h"
#include "widgets/look.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace aoba {

namespace {

constexpr QColor kOrange{255, 128, 64};
constexpr QColor kInk{48, 24, 8};
const QRectF kLettering{7, 6, 72, 14}; // where the lettering sits in the picture
constexpr qreal kSlant = -0.25;        // leaning forward, as written with a brush

QPainterPath Lettering() {
    QFont font = MinchoFont(11, true);
    font.setPixelSize(20);
    QPainterPath path;
    path.addText(0, 0, font, texts::kLookupPicture.toString());
    path = QTransform().shear(kSlant, 0).map(path);
    // Fit the strokes to the lettering box whatever font the substitutes found.
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
    painter.setClipRect(face.adjusted(-1, -1, 1, 1));
    PaintLookupPicture(painter, origin);
    painter.setClipping(false);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace aoba

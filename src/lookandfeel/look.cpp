// SPDX-License-Identifier: MIT
#include "lookandfeel/look.h"

#include "lookandfeel/font_family.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace aoba {

namespace {

// Every attribute is set, so a font given to a frame does not leak its boldness into the frame's children.
QFont Font(const QString& family, qreal pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

// What the fonts ask for: the wanted families until ChooseFontFamilies has looked at what is installed.
QString& Family(Face face) {
    static QString families[] = {WantedFamily(Face::Gothic), WantedFamily(Face::Mincho)};
    return families[face == Face::Gothic ? 0 : 1];
}

class CompactOption final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 13;
        case PM_RadioButtonLabelSpacing: return 2;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

QStyle* CompactOptionStyle(QObject* owner) {
    auto* style = new CompactOption;
    style->setParent(owner);
    return style;
}

QStyle* FlatFaceStyle(QObject* owner) {
    QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
    style->setParent(owner);
    return style;
}

QFont GothicFont(qreal pointSize, bool bold) {
    return Font(Family(Face::Gothic), pointSize, bold);
}

QFont MinchoFont(qreal pointSize, bool bold) {
    return Font(Family(Face::Mincho), pointSize, bold);
}

QFont DefaultFont() {
    return GothicFont(9, false);
}

QFont SearchButtonFont() {
    return MinchoFont(11.25, true);
}

void ChooseFontFamilies() {
    const QStringList installed = QFontDatabase::families();
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (Face face : {Face::Gothic, Face::Mincho})
        Family(face) = FamilyToAskFor(face, installed, japanese);
}

void FillBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace aoba

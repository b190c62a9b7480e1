// SPDX-License-Identifier: MIT
#include "lookandfeel/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleFactory>
#include <QWidget>

namespace aoba {

namespace {

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");

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

// Proportional Japanese fonts first, as the requested fonts are proportional; then whatever Japanese font
// is there. Without these, the names fall back to a Latin font with kana borrowed from elsewhere.
QStringList Substitutes(const QStringList& preferred, QFontDatabase::WritingSystem fallback) {
    QStringList families;
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred)
        if (installed.contains(family))
            families << family;
    for (const QString& family : QFontDatabase::families(fallback))
        if (!families.contains(family))
            families << family;
    return families;
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
    return Font(kGothic, pointSize, bold);
}

QFont MinchoFont(qreal pointSize, bool bold) {
    return Font(kMincho, pointSize, bold);
}

QFont DefaultFont() {
    return GothicFont(9, false);
}

void RegisterFontSubstitutes() {
    if (QFontDatabase::families().contains(kGothic))
        return;
    QFont::insertSubstitutions(kGothic,
                               Substitutes({QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                            QStringLiteral("IPAGothic")},
                                           QFontDatabase::Japanese));
    QFont::insertSubstitutions(kMincho,
                               Substitutes({QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"),
                                            QStringLiteral("IPAMincho"), QStringLiteral("IPAPGothic")},
                                           QFontDatabase::Japanese));
}

void FillBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "resultswindow/issue_label.h"

#include "calendar/calendar.h"
#include "lookandfeel/accessible.h"
#include "texts/texts.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace aoba {

namespace {

// A screen reader sees a label as the button it behaves like, with a press action. The name and description
// are answered here rather than set on each label: setting them would build this object for all 380 labels
// as the window is made, whether or not anything ever asks.
class AccessibleIssueLabel final : public QAccessibleWidget {
public:
    explicit AccessibleIssueLabel(QWidget* label)
        : QAccessibleWidget(label, QAccessible::Button) {}
    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const IssueLabel*>(widget());
        switch (kind) {
        case QAccessible::Name: return label->Text();
        case QAccessible::Description: {
            const PublicationMonth when = MonthOfEntry(label->Issue());
            return texts::IssueDescription(label->Issue(), when.year, when.month);
        }
        default: return QAccessibleWidget::text(kind);
        }
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<IssueLabel*>(widget())->Activate();
    }
};

constexpr int kNarrowest = 50; // per cent: half as wide

QFont Stretched(const QFont& font, int stretch) {
    QFont stretched = font;
    stretched.setStretch(stretch);
    return stretched;
}

// The advance of the widest caption in font. The captions differ only in their digits: the widest is the
// one whose digits are widest.
int WidestCaption(const QFont& font) {
    const QFontMetricsF digits(font);
    qreal digitWidth[10];
    for (int d = 0; d < 10; ++d)
        digitWidth[d] = digits.horizontalAdvance(QChar(u'0' + d));
    int widestIssue = kFirstIssue;
    qreal widestDigits = -1;
    for (int issue = kFirstIssue; issue <= kLastIssue; ++issue) {
        const qreal sum = digitWidth[issue / 100] + digitWidth[issue / 10 % 10] + digitWidth[issue % 10];
        if (sum > widestDigits) {
            widestDigits = sum;
            widestIssue = issue;
        }
    }
    return QFontMetrics(font).horizontalAdvance(texts::IssueCaption(widestIssue));
}

} // namespace

QFont CaptionFont(const QFont& font, int width) {
    const int widest = WidestCaption(font);
    if (widest <= width)
        return font;
    // The first guess narrows the font as much as the widest caption overflows. A font engine need not narrow
    // the glyphs in proportion (Windows rounds them to whole pixels), so the guess is measured in the font
    // really made: narrowed a step at a time while the widest caption still overflows, then widened a step
    // at a time while more than a tenth of the box stays empty and the wider font still fits. Where the guess
    // is right, as it mostly is on Linux, it is the only font made; each font made costs the first search
    // some 0.2 ms.
    int stretch = std::max(kNarrowest, 100 * width / widest);
    int shown = WidestCaption(Stretched(font, stretch));
    while (stretch > kNarrowest && shown > width)
        shown = WidestCaption(Stretched(font, --stretch));
    while (stretch < 99 && shown * 10 < width * 9) {
        const int wider = WidestCaption(Stretched(font, stretch + 1));
        if (wider > width)
            break;
        ++stretch;
        shown = wider;
    }
    return Stretched(font, stretch);
}

IssueLabel::IssueLabel(int issue, QWidget* parent)
    : QWidget(parent)
    , issue_(issue)
    , caption_(texts::IssueCaption(issue)) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    UseAccessibleInterface<IssueLabel, AccessibleIssueLabel>();
}

void IssueLabel::Activate() {
    Q_EMIT Chosen(issue_);
}

void IssueLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Activate(); return;
    default: QWidget::keyPressEvent(event); // ignored: the window moves the focus on arrow keys
    }
}

void IssueLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void IssueLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Activate();
    else
        QWidget::mouseReleaseEvent(event);
}

void IssueLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        face_ = QPixmap();
    QWidget::changeEvent(event);
}

void IssueLabel::paintEvent(QPaintEvent*) {
    // Drawn once and kept: a search shows the same labels again and again, and most of the 380 are never
    // shown at all. The label stands on its window's own colour, so its face can be opaque.
    const qreal ratio = devicePixelRatio();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (face_.size() != pixels || face_.devicePixelRatio() != ratio) {
        face_ = QPixmap(pixels);
        face_.setDevicePixelRatio(ratio);
        face_.fill(palette().color(backgroundRole()));
        QPainter painter(&face_);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
    }
    QStylePainter painter(this);
    painter.drawPixmap(0, 0, face_);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace aoba

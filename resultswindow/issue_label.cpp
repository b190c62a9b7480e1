// SPDX-License-Identifier: MIT
#include "resultswindow/issue_label.h"

#include "calendar/calendar.h"
#include "texts/texts.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace aoba {

namespace {

// A screen reader sees a label as the button it behaves like, with a press action.
class AccessibleIssueLabel final : public QAccessibleWidget {
public:
    explicit AccessibleIssueLabel(QWidget* label)
        : QAccessibleWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<IssueLabel*>(widget())->Activate();
    }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(IssueLabel::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleIssueLabel(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

IssueLabel::IssueLabel(int issue, QWidget* parent)
    : QWidget(parent)
    , issue_(issue)
    , caption_(texts::IssueCaption(issue)) {
    setAccessibleName(caption_);
    const PublicationMonth when = MonthOfEntry(issue);
    setAccessibleDescription(texts::IssueDescription(issue, when.year, when.month));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    static const bool factoryInstalled = (QAccessible::installFactory(AccessibleFactory), true);
    Q_UNUSED(factoryInstalled)
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

void IssueLabel::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace aoba

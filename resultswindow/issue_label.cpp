#include "resultswindow/issue_label.h"

#include "calendar/calendar.h"
#include "resultswindow/results_window.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

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

QString IssueCaption(int issue) {
    return QStringLiteral("[%1]").arg(issue, 3, 10, QLatin1Char('0'));
}

IssueLabel::IssueLabel(int issue, ResultsWindow& window)
    : QWidget(&window)
    , issue_(issue)
    , caption_(IssueCaption(issue))
    , window_(window) {
    setAccessibleName(caption_);
    const PublicationMonth when = MonthOfEntry(issue);
    setAccessibleDescription(QStringLiteral("%1号 %2年%3月").arg(issue).arg(when.year).arg(when.month));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    static const bool factoryInstalled = (QAccessible::installFactory(AccessibleFactory), true);
    Q_UNUSED(factoryInstalled)
}

void IssueLabel::Activate() {
    Q_EMIT window_.IssueChosen(issue_);
}

bool IssueLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QString tip = window_.ToolTipFor(issue_);
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void IssueLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Activate(); return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: window_.MoveFocus(issue_, event->key()); return;
    default: QWidget::keyPressEvent(event);
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

// SPDX-License-Identifier: MIT
#include "mainwindow/digit_filter.h"

#include "core/field_rules.h"
#include "lookandfeel/feedback.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace aoba {

namespace {

bool AllPass(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return PassesDigitFilter(c.unicode()); });
}

// Keys that produce no character of their own, and the editing shortcuts: the filter leaves them alone.
// The shortcuts are kept on purpose: pasting is expected, and every command copes with any text.
bool IsUnfiltered(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert: return true;
    default: break;
    }
    if (key.modifiers().testFlag(Qt::ControlModifier)) {
        switch (key.key()) {
        case Qt::Key_A:
        case Qt::Key_C:
        case Qt::Key_V:
        case Qt::Key_X:
        case Qt::Key_Z: return true;
        default: break;
        }
    }
    return false;
}

} // namespace

DigitFilter::DigitFilter(Feedback& feedback, QObject* parent)
    : QObject(parent)
    , feedback_(feedback) {}

bool DigitFilter::eventFilter(QObject* watched, QEvent* event) {
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsUnfiltered(key))
            return false;
        typed = key.key() == Qt::Key_Backspace ? QStringLiteral("\b") : key.text();
        // Enter and Esc are characters here like any other: they are refused, not taken as commands.
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            typed = QStringLiteral("\r");
        else if (key.key() == Qt::Key_Escape)
            typed = QStringLiteral("\x1b");
    } else if (event->type() == QEvent::InputMethod) {
        typed = static_cast<const QInputMethodEvent&>(*event).commitString();
    } else {
        return QObject::eventFilter(watched, event);
    }
    if (typed.isEmpty() || AllPass(typed))
        return false;
    feedback_.Beep();
    if (event->type() == QEvent::InputMethod) {
        // The refused commit also ended the composition; clear what the field still shows of it.
        QInputMethodEvent cleared;
        QCoreApplication::sendEvent(watched, &cleared);
    }
    return true;
}

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "mainwindow/bounded_undo.h"

#include <QInputMethodEvent>
#include <QLineEdit>

namespace aoba {

BoundedUndo::BoundedUndo(QLineEdit& field, QWidget& typedInto)
    : QObject(&field)
    , field_(field)
    , before_(field.text()) {
    typedInto.installEventFilter(this);
    connect(&field, &QLineEdit::textEdited, this, &BoundedUndo::Edited);
    connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

// A composition ends with an input-method event that leaves nothing to compose, or with the focus.
bool BoundedUndo::eventFilter(QObject* watched, QEvent* event) {
    const bool composing = event->type() == QEvent::InputMethod &&
                           !static_cast<const QInputMethodEvent*>(event)->preeditString().isEmpty();
    if (event->type() == QEvent::InputMethod || event->type() == QEvent::FocusOut) {
        composing_ = composing;
        if (!composing_ && trimDue_)
            QMetaObject::invokeMethod(this, &BoundedUndo::Trim, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

// An edit adds a step for each character it removes and each it inserts, and a few to mark where it begins:
// never more than the two texts' lengths together. (Undo and redo add none; counting them errs on the safe
// side.)
void BoundedUndo::Edited(const QString& text) {
    steps_ += before_.size() + text.size() + 3;
    if (steps_ <= kMostUndoSteps || trimDue_)
        return;
    trimDue_ = true;
    // Not from inside the edit: the line edit is still at work on the event that made it.
    QMetaObject::invokeMethod(this, &BoundedUndo::Trim, Qt::QueuedConnection);
}

// Setting the text empties the history; it also moves the cursor and clears the selection, so they are put
// back. Not while the reader composes a word: that would cut the composition short.
void BoundedUndo::Trim() {
    if (!trimDue_ || composing_)
        return;
    const int cursor = field_.cursorPosition();
    const int start = field_.selectionStart();
    const auto length = static_cast<int>(field_.selectedText().size());
    field_.setText(field_.text());
    if (start < 0)
        field_.setCursorPosition(cursor);
    else if (cursor == start)
        field_.setSelection(start + length, -length);
    else
        field_.setSelection(start, length);
    steps_ = 0;
    trimDue_ = false;
}

} // namespace aoba

// SPDX-License-Identifier: MIT
// Keeps a field's undo history small. A line edit keeps one undo step for every character typed, pasted or
// removed, for as long as it lives: a long session of pastes into a field held on to every character ever
// pasted or replaced. Once the history may hold more than kMostUndoSteps steps, it is emptied; the text, the
// cursor and the selection stay as they are.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace aoba {

inline constexpr qsizetype kMostUndoSteps = 10000;

class BoundedUndo final : public QObject {
    Q_OBJECT

public:
    // Watches field, and belongs to it. typedInto is the widget that gets the field's input-method events:
    // the field itself, or the editable combo box that holds it.
    BoundedUndo(QLineEdit& field, QWidget& typedInto);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edited(const QString& text);
    void Trim();

    QLineEdit& field_;
    QString before_;      // the field's text before its last change
    qsizetype steps_ = 0; // never fewer than the steps the history holds
    bool composing_ = false;
    bool trimDue_ = false;
};

} // namespace aoba

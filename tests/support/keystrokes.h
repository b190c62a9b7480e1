// SPDX-License-Identifier: MIT
// What a reader does at the keyboard, as a row of a table: keys as an X server delivers them, with the text
// it gives each, and what an input method commits. QTest cannot send either: its keyClicks aborts on a
// character beyond Latin-1, and it sends Delete without the "\x7f" X gives it.
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QList>
#include <QMetaType>
#include <QWidget>

struct Keystroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool committed = false; // text an input method commits, not a key
};
using Keystrokes = QList<Keystroke>;
Q_DECLARE_METATYPE(Keystrokes)

// Each character typed on a key of its own; only ASCII has a key code, the rest comes as text alone.
inline Keystrokes Typed(QStringView text) {
    Keystrokes keys;
    for (QChar c : text)
        keys << Keystroke{
            c.unicode() >= u' ' && c.unicode() < 0x7f ? c.toUpper().unicode() : 0, {}, QString(c)};
    return keys;
}

inline Keystrokes Pressed(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    return {{int{key}, modifiers, text}};
}

inline Keystrokes Committed(const QString& text) {
    return {{0, {}, text, true}};
}

inline void Send(QWidget* target, const Keystrokes& keys) {
    for (const Keystroke& k : keys) {
        if (k.committed) {
            QInputMethodEvent commit;
            commit.setCommitString(k.text);
            QApplication::sendEvent(target, &commit);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &release);
    }
}

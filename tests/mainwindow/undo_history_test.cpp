// SPDX-License-Identifier: MIT
// The fields' undo history stays small however much is pasted into them over a session: a line edit keeps a
// step for every character typed, pasted or removed, and a long session of pastes held on to all of them.
// The size of a history is read as a reader would find it: undo until nothing is left, counting the
// characters each step changes.
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace {

// What the fields promise: their undo history never holds more than this many characters' worth of steps.
constexpr qsizetype kMostUndoable = 10000;

QLineEdit* Edit(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return static_cast<QLineEdit*>(field);
}

// Characters removed and inserted between two texts, around their common start and end.
qsizetype Changed(const QString& before, const QString& after) {
    qsizetype start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < before.size() - start && end < after.size() - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return before.size() - start - end + after.size() - start - end;
}

// Undoes everything the field can undo; the characters that changed on the way.
qsizetype Undoable(QLineEdit* edit) {
    qsizetype changed = 0;
    while (edit->isUndoAvailable()) {
        const QString before = edit->text();
        edit->undo();
        changed += Changed(before, edit->text());
    }
    return changed;
}

// A number every field takes as it is (issue 1, year 01, month 01), in one width or the other, so that no two
// pastes in a row share a character.
QString LongNumber(int round, qsizetype length) {
    const QChar zero = round % 2 ? QChar(u'０') : QChar(u'0');
    return QString(length - 1, zero) + QChar(zero.unicode() + 1);
}

void Paste(QWidget* field, const QString& text, bool replacingAll) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    if (replacingAll)
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class UndoHistoryTest : public WindowFixture {
    Q_OBJECT

    QWidget* Field(const QString& name) const { return Control(*window_, qPrintable(name)); }

public:
    UndoHistoryTest()
        : WindowFixture(Wait::Active) {}

private Q_SLOTS:
    void longPastesLeaveASmallHistory_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("replacingAll");
        for (const char* name : {"Text1", "Combo1", "Combo2", "Text2"})
            QTest::addRow("%s, each paste replacing the last", name) << QString::fromLatin1(name) << true;
        // Not the month: it would set a text of thousands of digits back to 01, which empties the history.
        for (const char* name : {"Text1", "Combo1", "Text2"})
            QTest::addRow("%s, each paste added to the last", name) << QString::fromLatin1(name) << false;
    }

    // Twelve pastes of 2,500 characters: without a bound, undo would take back 30,000 to 60,000 of them.
    void longPastesLeaveASmallHistory() {
        QFETCH(QString, name);
        QFETCH(bool, replacingAll);
        QWidget* field = Field(name);
        QLineEdit* edit = Edit(field);
        edit->clear();
        for (int round = 0; round < 12; ++round) {
            Paste(field, LongNumber(round, 2500), replacingAll);
            QCoreApplication::processEvents();
        }
        const QString pasted = edit->text();
        QCOMPARE(pasted.size(), replacingAll ? 2500 : 30000);
        const qsizetype undoable = Undoable(edit);
        QVERIFY2(undoable <= kMostUndoable, qPrintable(QString::number(undoable)));
    }

    // Typing and short pastes keep their undo: the bound is not reached by ordinary editing.
    void ordinaryEditingIsUndoneStepByStep() {
        auto* search = static_cast<QLineEdit*>(Field(QStringLiteral("Text2")));
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("abc"));
        Paste(search, QStringLiteral("青葉"), false);
        QCoreApplication::processEvents();
        QTest::keyClick(search, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        QCOMPARE(search->text(), QStringLiteral("abc青"));
        search->undo();
        QCOMPARE(search->text(), QStringLiteral("abc青葉"));
        search->undo();
        QCOMPARE(search->text(), QStringLiteral("abc"));
    }

    void emptyingTheHistoryKeepsTextCursorAndSelection_data() {
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<int>("selectLength"); // negative: the cursor at the start of the selection
        QTest::newRow("no selection") << 4200 << 0;
        QTest::newRow("a selection, the cursor at its end") << 100 << 50;
        QTest::newRow("a selection, the cursor at its start") << 150 << -50;
    }

    void emptyingTheHistoryKeepsTextCursorAndSelection() {
        QFETCH(int, selectFrom);
        QFETCH(int, selectLength);
        auto* search = static_cast<QLineEdit*>(Field(QStringLiteral("Text2")));
        Paste(search, LongNumber(0, 6000), false);
        Paste(search, LongNumber(1, 6000), false); // the history now holds more than the bound
        search->setSelection(selectFrom, selectLength);
        const QString text = search->text();
        const int cursor = search->cursorPosition();
        const QString selected = search->selectedText();
        QCoreApplication::processEvents();
        QVERIFY(!search->isUndoAvailable());
        QCOMPARE(search->text(), text);
        QCOMPARE(search->cursorPosition(), cursor);
        QCOMPARE(search->selectedText(), selected);
    }

    // The reader is still composing the next word: the history waits until the composition ends.
    void aCompositionInProgressIsNotCut() {
        auto* search = static_cast<QLineEdit*>(Field(QStringLiteral("Text2")));
        search->setFocus();
        QInputMethodEvent commitAndGoOn(QStringLiteral("あお"), {});
        commitAndGoOn.setCommitString(LongNumber(0, 12000));
        QApplication::sendEvent(search, &commitAndGoOn);
        QCoreApplication::processEvents();
        QVERIFY(search->isUndoAvailable());
        QInputMethodEvent done;
        done.setCommitString(QStringLiteral("青"));
        QApplication::sendEvent(search, &done);
        QCoreApplication::processEvents();
        QVERIFY(!search->isUndoAvailable());
        QCOMPARE(search->text(), LongNumber(0, 12000) + QStringLiteral("青"));
    }
};

QTEST_MAIN(UndoHistoryTest)
#include "undo_history_test.moc"

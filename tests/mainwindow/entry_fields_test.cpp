// SPDX-License-Identifier: MIT
// The three numeric fields as a reader types into them, and the four stepping buttons.
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <memory>

using aoba::MainWindow;

namespace {

void Commit(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Characters beyond Latin-1 cannot go through QTest::keyClicks; a key press carrying the text does.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

// A key as an X server delivers it, with the text X11 gives it: Delete carries "\x7f". QTest sends Delete
// without text, which would let a filter that refuses the key by its text pass it in the test alone.
void PressAsX11Does(QWidget* field, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

QString FieldText(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return static_cast<QLineEdit*>(field)->text();
}

void Clear(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(QString());
    else
        static_cast<QLineEdit*>(field)->clear();
}

} // namespace

class EntryFieldsTest : public WindowFixture {
    Q_OBJECT

    QWidget* Field(const QString& name) const { return Control(*window_, qPrintable(name)); }
    QLineEdit* Issue() const { return Control<QLineEdit>(*window_, "Text1"); }
    QComboBox* Year() const { return Control<QComboBox>(*window_, "Combo1"); }
    QComboBox* Month() const { return Control<QComboBox>(*window_, "Combo2"); }

    static void FieldRows() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text1") << QStringLiteral("Text1");
        QTest::newRow("Combo1") << QStringLiteral("Combo1");
        QTest::newRow("Combo2") << QStringLiteral("Combo2");
    }

public:
    EntryFieldsTest()
        : WindowFixture(Wait::Active) {}

private Q_SLOTS:
    void typedLettersAreRefusedWithABeep_data() { FieldRows(); }
    void typedLettersAreRefusedWithABeep() {
        QFETCH(QString, name);
        QWidget* f = Field(name);
        f->setFocus();
        Clear(f);
        QTest::keyClicks(f, QStringLiteral("a0b.c -"));
        QCOMPARE(FieldText(f), QStringLiteral("0"));
        QCOMPARE(feedback_->Beeps(), 6);
    }

    void digitsOfBothWidthsAreTaken_data() { FieldRows(); }
    void digitsOfBothWidthsAreTaken() {
        QFETCH(QString, name);
        QWidget* f = Field(name);
        f->setFocus();
        Clear(f);
        QTest::keyClicks(f, QStringLiteral("1"));
        Type(f, QStringLiteral("０"));
        QCOMPARE(FieldText(f), QStringLiteral("1０"));
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(FieldText(f), QStringLiteral("1"));
        QVERIFY(feedback_->said.isEmpty());
    }

    void fullWidthLettersAndSpacesAreRefused_data() { FieldRows(); }
    void fullWidthLettersAndSpacesAreRefused() {
        QFETCH(QString, name);
        QWidget* f = Field(name);
        f->setFocus();
        Clear(f);
        Type(f, QStringLiteral("Ａ\u3000あ．"));
        QVERIFY(FieldText(f).isEmpty());
        QCOMPARE(feedback_->Beeps(), 4);
    }

    void inputMethodCommits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<bool>("taken");
        for (const char* name : {"Text1", "Combo1", "Combo2"}) {
            const QString n = QString::fromLatin1(name);
            QTest::addRow("%s takes １２", name) << n << QStringLiteral("１２") << true;
            QTest::addRow("%s refuses あ", name) << n << QStringLiteral("あ") << false;
            QTest::addRow("%s refuses 12a whole", name) << n << QStringLiteral("12a") << false;
        }
    }

    void inputMethodCommits() {
        QFETCH(QString, name);
        QFETCH(QString, committed);
        QFETCH(bool, taken);
        QWidget* f = Field(name);
        f->setFocus();
        Clear(f);
        Commit(f, committed);
        QCOMPARE(FieldText(f), taken ? committed : QString());
        QCOMPARE(feedback_->Beeps(), taken ? 0 : 1);
    }

    void enterAndEscapeBeepAndLookNothingUp_data() { FieldRows(); }
    void enterAndEscapeBeepAndLookNothingUp() {
        QFETCH(QString, name);
        QWidget* f = Field(name);
        f->setFocus();
        const QString before = FieldText(f);
        const QString shown = Shown(*window_);
        QTest::keyClick(f, Qt::Key_Return);
        QTest::keyClick(f, Qt::Key_Enter);
        QTest::keyClick(f, Qt::Key_Escape);
        QCOMPARE(feedback_->said, QStringList(3, QStringLiteral("beep")));
        QCOMPARE(FieldText(f), before);
        QCOMPARE(Shown(*window_), shown);
    }

    void keysWithoutACharacterAreNotFiltered_data() { FieldRows(); }
    void keysWithoutACharacterAreNotFiltered() {
        QFETCH(QString, name);
        QWidget* f = Field(name);
        f->setFocus();
        Clear(f);
        QTest::keyClicks(f, QStringLiteral("010"));
        PressAsX11Does(f, Qt::Key_Home, QString());
        PressAsX11Does(f, Qt::Key_Delete, QStringLiteral("\x7f"));
        PressAsX11Does(f, Qt::Key_End, QString());
        PressAsX11Does(f, Qt::Key_Left, QString());
        PressAsX11Does(f, Qt::Key_Backspace, QStringLiteral("\b"));
        QCOMPARE(FieldText(f), QStringLiteral("0"));
        QVERIFY(feedback_->said.isEmpty());
    }

    void editingShortcutsStillWork() {
        QLineEdit* f = Issue();
        f->setFocus();
        f->setText(QStringLiteral("123"));
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->selectedText(), QStringLiteral("123"));
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
        QTest::keyClick(f, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(f->text().isEmpty());
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->text(), QStringLiteral("123123"));
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->text(), QStringLiteral("123"));
        QVERIFY(feedback_->said.isEmpty());
    }

    // Pasting goes past the key filter; the month field still corrects what arrives.
    void pastedMonthIsCorrected() {
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        Month()->setFocus();
        Month()->lineEdit()->selectAll();
        QTest::keyClick(Month(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Month()->currentText(), QStringLiteral("01"));
        QCOMPARE(feedback_->said, QStringList{QStringLiteral("beep")});
    }

    void aTypedMonthAbove12BecomesJanuaryWithABeep_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("beeps");
        QTest::newRow("13 becomes 01 with one beep") << QStringLiteral("13") << QStringLiteral("01") << 1;
        QTest::newRow("12 stays") << QStringLiteral("12") << QStringLiteral("12") << 0;
        QTest::newRow("0 stays") << QStringLiteral("0") << QStringLiteral("0") << 0;
        QTest::newRow("00 stays") << QStringLiteral("00") << QStringLiteral("00") << 0;
        QTest::newRow("2 then 0: 20 is corrected") << QStringLiteral("20") << QStringLiteral("01") << 1;
    }

    void aTypedMonthAbove12BecomesJanuaryWithABeep() {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(int, beeps);
        Month()->setFocus();
        Clear(Month());
        QTest::keyClicks(Month(), typed);
        QCOMPARE(Month()->currentText(), result);
        QCOMPARE(feedback_->Beeps(), beeps);
    }

    void choosingFromTheListIsNotCorrected() {
        Month()->setCurrentIndex(11);
        QCOMPARE(Month()->currentText(), QStringLiteral("12"));
        QVERIFY(feedback_->said.isEmpty());
    }

    void steppingButtonsStepTheIssueNumber_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("+ on 056") << QStringLiteral("056") << QStringLiteral("Command3")
                                  << QStringLiteral("57");
        QTest::newRow("- on 056") << QStringLiteral("056") << QStringLiteral("Command4")
                                  << QStringLiteral("55");
        QTest::newRow("+ on 380 stays")
            << QStringLiteral("380") << QStringLiteral("Command3") << QStringLiteral("380");
        QTest::newRow("- on 1 stays")
            << QStringLiteral("1") << QStringLiteral("Command4") << QStringLiteral("1");
        QTest::newRow("+ on empty stays empty") << QString() << QStringLiteral("Command3") << QString();
        QTest::newRow("- on pasted letters stays")
            << QStringLiteral("x1") << QStringLiteral("Command4") << QStringLiteral("x1");
    }

    void steppingButtonsStepTheIssueNumber() {
        QFETCH(QString, start);
        QFETCH(QString, button);
        QFETCH(QString, result);
        Issue()->setText(start);
        const QString shown = Shown(*window_);
        Click(*window_, qPrintable(button));
        QCOMPARE(Issue()->text(), result);
        QCOMPARE(Shown(*window_), shown);
        QVERIFY(feedback_->said.isEmpty());
    }

    void monthButtonsStepYearAndMonth_data() {
        QTest::addColumn<QString>("startYear");
        QTest::addColumn<QString>("startMonth");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("result");
        QTest::newRow("翌月 from 99/12")
            << QStringLiteral("99") << QStringLiteral("12") << QStringList{QStringLiteral("Command5")}
            << QStringLiteral("00/01");
        QTest::newRow("翌月 from 04/07")
            << QStringLiteral("04") << QStringLiteral("07") << QStringList{QStringLiteral("Command5")}
            << QStringLiteral("04/08");
        QTest::newRow("先月 from 00/00")
            << QStringLiteral("00") << QStringLiteral("00") << QStringList{QStringLiteral("Command6")}
            << QStringLiteral("99/12");
        QTest::newRow("先月 twice from 74/01")
            << QStringLiteral("74") << QStringLiteral("01")
            << QStringList{QStringLiteral("Command6"), QStringLiteral("Command6")} << QStringLiteral("73/12");
        QTest::newRow("翌月 from 7/05") << QStringLiteral("7") << QStringLiteral("05")
                                        << QStringList{QStringLiteral("Command5")} << QStringLiteral("07/06");
        QTest::newRow("翌月 with an empty month")
            << QStringLiteral("85") << QString() << QStringList{QStringLiteral("Command5")}
            << QStringLiteral("85/");
    }

    void monthButtonsStepYearAndMonth() {
        QFETCH(QString, startYear);
        QFETCH(QString, startMonth);
        QFETCH(QStringList, buttons);
        QFETCH(QString, result);
        Year()->setEditText(startYear);
        Month()->setEditText(startMonth);
        for (const QString& button : buttons)
            Click(*window_, qPrintable(button));
        QCOMPARE(Year()->currentText() + QLatin1Char('/') + Month()->currentText(), result);
        QVERIFY(feedback_->said.isEmpty());
    }

    // The lists follow the text in the field, not the item last chosen from them.
    void arrowKeysStepFromTheTypedText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* tag, const char* name, const QString& typed, Qt::Key key,
                            const QString& result) {
            QTest::newRow(tag) << QString::fromLatin1(name) << typed << int{key} << result;
        };
        row("year 85, Down", "Combo1", QStringLiteral("85"), Qt::Key_Down, QStringLiteral("86"));
        row("year 85, Up", "Combo1", QStringLiteral("85"), Qt::Key_Up, QStringLiteral("84"));
        row("year 99, Down goes on to 00", "Combo1", QStringLiteral("99"), Qt::Key_Down,
            QStringLiteral("00"));
        row("year 04, Down: the last", "Combo1", QStringLiteral("04"), Qt::Key_Down, QStringLiteral("04"));
        row("year 05, Up: after the last", "Combo1", QStringLiteral("05"), Qt::Key_Up, QStringLiteral("04"));
        row("year 71 counts among the 2000s: Up", "Combo1", QStringLiteral("71"), Qt::Key_Up,
            QStringLiteral("04"));
        row("year 100 is 00", "Combo1", QStringLiteral("100"), Qt::Key_Down, QStringLiteral("01"));
        row("year ８５ in full width", "Combo1", QStringLiteral("８５"), Qt::Key_Up, QStringLiteral("84"));
        row("month 09, Down", "Combo2", QStringLiteral("09"), Qt::Key_Down, QStringLiteral("10"));
        row("month 9 is 09", "Combo2", QStringLiteral("9"), Qt::Key_Down, QStringLiteral("10"));
        row("month 0, Down", "Combo2", QStringLiteral("0"), Qt::Key_Down, QStringLiteral("01"));
        row("month 0, Up: nothing above", "Combo2", QStringLiteral("0"), Qt::Key_Up, QStringLiteral("0"));
        row("month 12, Down: the last", "Combo2", QStringLiteral("12"), Qt::Key_Down, QStringLiteral("12"));
        row("pasted letters, Down: the first", "Combo1", QStringLiteral("ab"), Qt::Key_Down,
            QStringLiteral("72"));
        row("pasted letters, Up: the last", "Combo1", QStringLiteral("ab"), Qt::Key_Up, QStringLiteral("04"));
    }

    void arrowKeysStepFromTheTypedText() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, result);
        auto* combo = Control<QComboBox>(*window_, qPrintable(name));
        combo->setCurrentIndex(0); // a choice from the list before the reader typed
        combo->setFocus();
        combo->setEditText(typed);
        QTest::keyClick(combo, static_cast<Qt::Key>(key));
        QCOMPARE(combo->currentText(), result);
    }

    void listOpensOnTheTypedText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("highlighted"); // empty: none
        QTest::newRow("month 09 as the window opens")
            << QStringLiteral("Combo2") << QString() << QStringLiteral("09");
        QTest::newRow("year 85") << QStringLiteral("Combo1") << QStringLiteral("85") << QStringLiteral("85");
        QTest::newRow("month 9") << QStringLiteral("Combo2") << QStringLiteral("9") << QStringLiteral("09");
        QTest::newRow("month 0: none") << QStringLiteral("Combo2") << QStringLiteral("0") << QString();
        QTest::newRow("year 7: none") << QStringLiteral("Combo1") << QStringLiteral("7") << QString();
    }

    void listOpensOnTheTypedText() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, highlighted);
        auto* combo = Control<QComboBox>(*window_, qPrintable(name));
        if (!typed.isEmpty())
            combo->setEditText(typed);
        combo->showPopup();
        const QModelIndex current = combo->view()->currentIndex();
        QCOMPARE(current.isValid() ? current.data().toString() : QString(), highlighted);
        combo->hidePopup();
        QCOMPARE(combo->currentText(), typed.isEmpty() ? QStringLiteral("09") : typed);
    }
};

QTEST_MAIN(EntryFieldsTest)
#include "entry_fields_test.moc"

// SPDX-License-Identifier: MIT
// The three numeric fields as a reader types into them, and the four stepping buttons.
#include "tests/support/expected_texts.h"
#include "tests/support/keystrokes.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

namespace {

QString FieldText(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return static_cast<QLineEdit*>(field)->text();
}

void SetFieldText(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
    else
        static_cast<QLineEdit*>(field)->setText(text);
}

} // namespace

class EntryFieldsTest : public WindowFixture {
    Q_OBJECT

    QLineEdit* Issue() const { return Control<QLineEdit>(*window_, "Text1"); }
    QComboBox* Year() const { return Control<QComboBox>(*window_, "Combo1"); }
    QComboBox* Month() const { return Control<QComboBox>(*window_, "Combo2"); }

public:
    EntryFieldsTest()
        : WindowFixture(Wait::Active) {}

private Q_SLOTS:
    // Every character key is judged before it reaches the field, and a whole input-method commit at once: a
    // refusal beeps and leaves the field as it was; Enter and Esc are refused as characters, not taken as
    // commands, and nothing is ever looked up.
    void keysAndCommitsAreTakenOrRefusedWithABeep_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Keystrokes>("keys");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        for (const char* field : {"Text1", "Combo1", "Combo2"}) {
            const auto row = [field](const char* tag, const Keystrokes& keys, const QString& before,
                                     const QString& after, int beeps) {
                QTest::addRow("%s: %s", field, tag)
                    << QString::fromLatin1(field) << keys << before << after << beeps;
            };
            row("letters, a stop and spaces are refused, a beep each", Typed(u"a0b.c -"), {},
                QStringLiteral("0"), 6);
            row("digits of both widths are taken", Typed(u"1０"), {}, QStringLiteral("1０"), 0);
            row("full-width letters, spaces and stops are refused", Typed(u"Ａ\u3000あ．"), {}, {}, 4);
            row("Backspace takes the last digit away", Pressed(Qt::Key_Backspace, QStringLiteral("\b")),
                QStringLiteral("12"), QStringLiteral("1"), 0);
            row("Enter, the keypad's Enter and Esc are refused",
                Pressed(Qt::Key_Return, QStringLiteral("\r")) +
                    Pressed(Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier) +
                    Pressed(Qt::Key_Escape, QStringLiteral("\x1b")),
                QStringLiteral("12"), QStringLiteral("12"), 3);
            row("keys without a character edit as usual",
                Typed(u"010") + Pressed(Qt::Key_Home) + Pressed(Qt::Key_Delete, QStringLiteral("\x7f")) +
                    Pressed(Qt::Key_End) + Pressed(Qt::Key_Left) +
                    Pressed(Qt::Key_Backspace, QStringLiteral("\b")),
                {}, QStringLiteral("0"), 0);
            row("an input method's full-width digits are taken", Committed(QStringLiteral("１２")), {},
                QStringLiteral("１２"), 0);
            row("an input method's kana are refused", Committed(QStringLiteral("あ")), {}, {}, 1);
            row("an input method's digits and a letter are refused whole", Committed(QStringLiteral("12a")),
                {}, {}, 1);
        }
        // The month field then corrects what the keys left in it.
        const auto month = [](const char* tag, QStringView typed, const char* after, int beeps) {
            QTest::addRow("Combo2: %s", tag) << QStringLiteral("Combo2") << Typed(typed) << QString()
                                             << QString::fromLatin1(after) << beeps;
        };
        month("13 becomes 01 with a beep", u"13", "01", 1);
        month("2 then 0: 20 becomes 01", u"20", "01", 1);
        month("12 stays", u"12", "12", 0);
        month("00 stays", u"00", "00", 0);
    }

    void keysAndCommitsAreTakenOrRefusedWithABeep() {
        QFETCH(QString, name);
        QFETCH(Keystrokes, keys);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        QWidget* field = Control(*window_, qPrintable(name));
        field->setFocus();
        SetFieldText(field, before);
        Send(field, keys);
        QCOMPARE(FieldText(field), after);
        QCOMPARE(feedback_->said, QStringList(beeps, QStringLiteral("beep")));
        QCOMPARE(Shown(*window_), expected::kPlaceholderAsShown);
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

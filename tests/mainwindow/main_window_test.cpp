// SPDX-License-Identifier: MIT
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_fonts.h"
#include "tests/support/expected_texts.h"
#include "tests/support/keystrokes.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

class MainWindowTest : public WindowFixture {
    Q_OBJECT

public:
    MainWindowTest()
        : WindowFixture(Wait::Active) {}

private Q_SLOTS:
    void windowIsFixedGreenAndTitled() {
        QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window_->windowTitle(), expected::kMainTitle);
        QCOMPARE(window_->size(), QSize(701, 447));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        // Where no control stands: above the frames, between them and the pane, below the pane.
        const QImage image = window_->grab().toImage();
        for (const QPoint p : {QPoint(4, 4), QPoint(284, 200), QPoint(500, 400)})
            QCOMPARE(image.pixelColor(p), QColor(192, 255, 192));
    }

    // Twips divided by 15, rounded to the nearest pixel; a caption may be wider (see the test below).
    void eachControlSitsInItsContainerWithItsText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* parent, QRect geometry, const QString& text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << geometry
                                << text;
        };
        row("Frame1", "Form1", {8, 16, 265, 97}, expected::kFrame1);
        row("Text1", "Frame1", {8, 24, 89, 18}, expected::kText1);
        row("Command3", "Frame1", {72, 48, 17, 17}, expected::kCommand3);
        row("Command4", "Frame1", {96, 48, 17, 17}, expected::kCommand4);
        row("Label1", "Frame1", {96, 27, 81, 17}, expected::kLabel1);
        row("Command1", "Frame1", {168, 48, 81, 33}, QString());
        row("Frame2", "Form1", {8, 120, 265, 137}, expected::kFrame2);
        row("Label4", "Frame2", {8, 24, 97, 17}, expected::kLabel4);
        row("Combo1", "Frame2", {8, 40, 49, 20}, expected::kCombo1);
        row("Combo2", "Frame2", {72, 40, 49, 20}, expected::kCombo2);
        row("Label5", "Frame2", {128, 43, 97, 17}, expected::kLabel5);
        row("Command5", "Frame2", {48, 64, 41, 25}, expected::kCommand5);
        row("Command6", "Frame2", {96, 64, 41, 25}, expected::kCommand6);
        row("Command2", "Frame2", {168, 88, 81, 33}, QString());
        row("Frame3", "Form1", {8, 264, 265, 57}, expected::kFrame3);
        row("Text2", "Frame3", {16, 24, 161, 18}, QString());
        row("Command7", "Frame3", {184, 24, 73, 25}, expected::kCommand7);
        row("Frame4", "Form1", {8, 328, 265, 105}, expected::kFrame4);
        row("Option1", "Frame4", {8, 24, 113, 25}, expected::kOption1);
        row("Option2", "Frame4", {8, 48, 121, 25}, expected::kOption2);
        row("Option3", "Frame4", {8, 72, 81, 25}, expected::kOption3);
        row("Command12", "Frame4", {168, 56, 81, 33}, QString());
        row("Text3", "Form1", {296, 16, 393, 369}, QString());
    }

    void eachControlSitsInItsContainerWithItsText() {
        QFETCH(QString, name);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        auto* control = Control(*window_, qPrintable(name));
        QCOMPARE(control->parentWidget()->objectName(), parentName);
        // A caption whose text is wider than its box in the font really used runs on to the right, over no
        // control that lies to its right.
        const bool caption = qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control);
        if (caption && control->width() > geometry.width()) {
            QCOMPARE(control->pos(), geometry.topLeft());
            QCOMPARE(control->height(), geometry.height());
            QVERIFY(control->sizeHint().width() > geometry.width());
            const QRect runOn(geometry.right() + 1, geometry.top(), control->width() - geometry.width(),
                              geometry.height());
            for (const QWidget* other :
                 control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other->x() <= geometry.left() || !other->geometry().intersects(runOn),
                         qPrintable(other->objectName()));
        } else {
            QCOMPARE(control->geometry(), geometry);
        }
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        else if (auto* field = qobject_cast<QLineEdit*>(control))
            shown = field->text();
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            shown = combo->currentText();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        QCOMPARE(shown, text);
        QVERIFY(control->isVisible());
    }

    void eachControlHasItsFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        const QString gothic = expected::GothicFamily();
        const QString mincho = expected::MinchoFamily();
        for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QTest::newRow(frame) << QString::fromLatin1(frame) << gothic << 9.0 << true;
        QTest::newRow("Label1 bold") << QStringLiteral("Label1") << gothic << 9.0 << true;
        QTest::newRow("Label5 bold") << QStringLiteral("Label5") << gothic << 9.0 << true;
        QTest::newRow("Label4 plain, not the frame's bold")
            << QStringLiteral("Label4") << gothic << 9.0 << false;
        QTest::newRow("Option1 plain") << QStringLiteral("Option1") << gothic << 9.0 << false;
        QTest::newRow("Text1 plain") << QStringLiteral("Text1") << gothic << 9.0 << false;
        QTest::newRow("Text3 mincho") << QStringLiteral("Text3") << mincho << 9.0 << false;
        QTest::newRow("Command7 mincho bold") << QStringLiteral("Command7") << mincho << 11.25 << true;
    }

    void eachControlHasItsFont() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        const QFont font = Control(*window_, qPrintable(name))->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }

    // The requested names must reach a Japanese font, not a Latin fallback with borrowed kana.
    void fontsResolveToJapaneseFonts() {
        for (const char* name : {"Frame1", "Text3", "Command7"}) {
            const QString family = QFontInfo(Control(*window_, name)->font()).family();
            QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                     qPrintable(family));
        }
    }

    void windowOpensWithItsDesignTimeContents() {
        QCOMPARE(Control<QLineEdit>(*window_, "Text1")->text(), expected::kText1);
        QCOMPARE(Control<QComboBox>(*window_, "Combo1")->currentText(), expected::kCombo1);
        QCOMPARE(Control<QComboBox>(*window_, "Combo2")->currentText(), expected::kCombo2);
        QVERIFY(Control<QLineEdit>(*window_, "Text2")->text().isEmpty());
        for (const char* option : {"Option1", "Option2", "Option3"})
            QVERIFY(!Control<QRadioButton>(*window_, option)->isChecked());
        QCOMPARE(Shown(*window_), expected::kPlaceholderAsShown);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        const auto items = [this](const char* name) {
            auto* combo = Control<QComboBox>(*window_, name);
            QStringList all;
            for (int i = 0; i < combo->count(); ++i)
                all << combo->itemText(i);
            return all.join(QLatin1Char(' '));
        };
        QCOMPARE(items("Combo1"),
                 QStringLiteral("72 73 74 75 76 77 78 79 80 81 82 83 84 85 86 87 88 89 90 91 "
                                "92 93 94 95 96 97 98 99 00 01 02 03 04"));
        QCOMPARE(items("Combo2"), QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12"));
        QVERIFY(feedback_->said.isEmpty());
        QVERIFY(!window_->Results());
    }

    // The reader scrolls, selects and copies the pane's text but changes nothing in it, with keys, the
    // clipboard or an input method.
    void contentsCanBeReadAndCopiedButNotChanged_data() {
        QTest::addColumn<Keystrokes>("keys");
        QTest::addColumn<QString>("clipboard"); // after the keys
        const QString untouched = QStringLiteral("貼り付け");
        QTest::newRow("letters typed") << Typed(u"abc") << untouched;
        QTest::newRow("Return, Backspace and Delete")
            << Pressed(Qt::Key_Return, QStringLiteral("\r")) +
                   Pressed(Qt::Key_Backspace, QStringLiteral("\b")) +
                   Pressed(Qt::Key_Delete, QStringLiteral("\x7f"))
            << untouched;
        QTest::newRow("an input method's commit") << Committed(QStringLiteral("あいう")) << untouched;
        QTest::newRow("pasting") << Pressed(Qt::Key_V, QStringLiteral("v"), Qt::ControlModifier) << untouched;
        QTest::newRow("Shift+End selects the header line, Ctrl+C copies it")
            << Pressed(Qt::Key_End, {}, Qt::ShiftModifier) +
                   Pressed(Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier)
            << QStringLiteral("2004年７月 380号（終刊号）");
        QTest::newRow("Ctrl+A and Ctrl+C copy it all, Ctrl+X cuts nothing")
            << Pressed(Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier) +
                   Pressed(Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier) +
                   Pressed(Qt::Key_X, QStringLiteral("x"), Qt::ControlModifier)
            << EntryAsShown(380);
    }

    void contentsCanBeReadAndCopiedButNotChanged() {
        QFETCH(Keystrokes, keys);
        QFETCH(QString, clipboard);
        auto* pane = Control<QPlainTextEdit>(*window_, "Text3");
        QVERIFY2(pane->verticalScrollBar()->isVisible(), "the scroll bar shows whatever the pane holds");
        window_->ShowIssue(380);
        QVERIFY(pane->verticalScrollBar()->maximum() > 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
        pane->setFocus();
        Send(pane, keys);
        QCOMPARE(Shown(*window_), EntryAsShown(380));
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    // Asked as the platform's input context asks the control with the focus: an input method is on over the
    // fields and off over the pane, which could only take its text as a change.
    void inputMethodsTypeIntoTheFieldsOnly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        for (const char* field : {"Text1", "Combo1", "Combo2", "Text2"})
            QTest::newRow(field) << QString::fromLatin1(field) << true;
        QTest::newRow("Text3, the contents pane") << QStringLiteral("Text3") << false;
    }

    void inputMethodsTypeIntoTheFieldsOnly() {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        Control(*window_, qPrintable(name))->setFocus();
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(QGuiApplication::focusObject(), &query);
        QCOMPARE(query.value(Qt::ImEnabled).toBool(), enabled);
    }

    void selectingAnOptionRunsNothing() {
        for (const char* option : {"Option1", "Option2", "Option3"}) {
            Click(*window_, option);
            QVERIFY(Control<QRadioButton>(*window_, option)->isChecked());
        }
        QCOMPARE(Shown(*window_), expected::kPlaceholderAsShown);
        QVERIFY(feedback_->said.isEmpty());
    }

    void optionsAreExclusive() {
        Click(*window_, "Option1");
        Click(*window_, "Option3");
        QVERIFY(!Control<QRadioButton>(*window_, "Option1")->isChecked());
        QVERIFY(Control<QRadioButton>(*window_, "Option3")->isChecked());
        Click(*window_, "Option3");
        QVERIFY2(Control<QRadioButton>(*window_, "Option3")->isChecked(), "a second click keeps the choice");
    }

    void aNumberShowsItsIssue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("issue");
        QTest::newRow("1") << QStringLiteral("1") << 1;
        QTest::newRow("380") << QStringLiteral("380") << 380;
        QTest::newRow("55, the supplement, by number") << QStringLiteral("55") << 55;
    }

    void aNumberShowsItsIssue() {
        QFETCH(QString, typed);
        QFETCH(int, issue);
        Control<QLineEdit>(*window_, "Text1")->setText(typed);
        Click(*window_, "Command1");
        QCOMPARE(Shown(*window_), EntryAsShown(issue));
        QVERIFY(feedback_->said.isEmpty());
        QCOMPARE(Control<QLineEdit>(*window_, "Text1")->text(), typed);
    }

    void aRefusedNumberKeepsTheIssueShown_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << QStringLiteral("0");
        QTest::newRow("381, the appendix, not by number") << QStringLiteral("381");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("negative") << QStringLiteral("-5");
    }

    // A refusal leaves the issue shown before, whatever it was.
    void aRefusedNumberKeepsTheIssueShown() {
        QFETCH(QString, typed);
        window_->ShowIssue(200);
        Control<QLineEdit>(*window_, "Text1")->setText(typed);
        Click(*window_, "Command1");
        QCOMPARE(feedback_->said, QStringList{expected::Warned(expected::kIssueNumberOutOfRange)});
        QCOMPARE(Shown(*window_), EntryAsShown(200));
    }

    void eachOptionShowsItsExtraIssue_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("entry");
        QTest::newRow("Option1 shows the supplement 55") << QStringLiteral("Option1") << 55;
        QTest::newRow("Option2 shows the appendix 381") << QStringLiteral("Option2") << 381;
        QTest::newRow("Option3 shows the special issue 382") << QStringLiteral("Option3") << 382;
    }

    void eachOptionShowsItsExtraIssue() {
        QFETCH(QString, option);
        QFETCH(int, entry);
        Click(*window_, qPrintable(option));
        Click(*window_, "Command12");
        QCOMPARE(Shown(*window_), EntryAsShown(entry));
        QVERIFY(feedback_->said.isEmpty());
    }

    void noOptionChosenIsRefused() {
        window_->ShowIssue(7);
        Click(*window_, "Command12");
        QCOMPARE(feedback_->said, QStringList{expected::Warned(expected::kNoExtraIssueChosen)});
        QCOMPARE(Shown(*window_), EntryAsShown(7));
    }

    // Every entry shows line for line: no glyph for CR, no doubled line breaks.
    void everyEntryShowsExactly() {
        auto* pane = Control<QPlainTextEdit>(*window_, "Text3");
        for (int n = 1; n <= aoba::kEntryCount; ++n) {
            window_->ShowIssue(n);
            QCOMPARE(pane->toPlainText(), EntryAsShown(n));
            const int lines = static_cast<int>(EntryFile(n).count(QStringLiteral("\r\n")));
            QCOMPARE(pane->document()->blockCount(), lines + 1);
        }
    }

    // Enter and the keypad's Enter press a focused button, as Space does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                 "Command7", "Command12"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, name);
        auto* button = Control<QAbstractButton>(*window_, qPrintable(name));
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
    }

    // Faces and frames as the reader sees them, read back pixel by pixel: the buttons are flat in their own
    // colour, the frames take the window's green.
    void buttonFacesAreFlatInTheirColour_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("face");
        QTest::newRow("Command3 peach") << QStringLiteral("Command3") << QColor(255, 224, 192);
        QTest::newRow("Command4 peach") << QStringLiteral("Command4") << QColor(255, 224, 192);
        QTest::newRow("Command5 peach") << QStringLiteral("Command5") << QColor(255, 224, 192);
        QTest::newRow("Command6 peach") << QStringLiteral("Command6") << QColor(255, 224, 192);
        QTest::newRow("Command7 grey") << QStringLiteral("Command7") << QColor(224, 224, 224);
    }

    void buttonFacesAreFlatInTheirColour() {
        QFETCH(QString, name);
        QFETCH(QColor, face);
        QWidget* button = Control(*window_, qPrintable(name));
        const QImage image = button->grab().toImage();
        const int right = image.width() - 4;
        const int bottom = image.height() - 4;
        for (const QPoint p : {QPoint(3, 3), QPoint(right, 3), QPoint(3, bottom), QPoint(right, bottom),
                               QPoint(image.width() / 2, 3), QPoint(image.width() / 2, bottom)})
            QCOMPARE(image.pixelColor(p), face);
    }

    void framesBlendWithTheWindow_data() {
        QTest::addColumn<QString>("name");
        for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QTest::newRow(frame) << QString::fromLatin1(frame);
    }

    // Every pixel inside the frame that no control covers, below the title, is the window's green.
    void framesBlendWithTheWindow() {
        QFETCH(QString, name);
        QWidget* frame = Control(*window_, qPrintable(name));
        const QImage image = window_->grab(frame->geometry()).toImage();
        QList<QRect> covered;
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            covered << child->geometry().adjusted(-2, -2, 2, 2);
        int checked = 0;
        for (int y = 16; y < image.height() - 4; ++y) {
            for (int x = 4; x < image.width() - 4; ++x) {
                const QPoint p(x, y);
                if (std::any_of(covered.begin(), covered.end(),
                                [p](const QRect& r) { return r.contains(p); }))
                    continue;
                if (image.pixelColor(p) != QColor(192, 255, 192))
                    QFAIL(qPrintable(QStringLiteral("%1 at %2,%3 is %4")
                                         .arg(name)
                                         .arg(x)
                                         .arg(y)
                                         .arg(image.pixelColor(p).name())));
                ++checked;
            }
        }
        QVERIFY(checked > 1000);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

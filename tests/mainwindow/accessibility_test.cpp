// SPDX-License-Identifier: MIT
// What a screen reader finds in both windows.
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString Name(QWidget* widget) {
    return Accessible(widget)->text(QAccessible::Name);
}
QString Description(QWidget* widget) {
    return Accessible(widget)->text(QAccessible::Description);
}

const char* const kControls[] = {"Frame1",   "Text1",    "Command3", "Command4",  "Label1",   "Command1",
                                 "Frame2",   "Label4",   "Combo1",   "Combo2",    "Label5",   "Command5",
                                 "Command6", "Command2", "Frame3",   "Text2",     "Command7", "Frame4",
                                 "Option1",  "Option2",  "Option3",  "Command12", "Text3"};

} // namespace

class AccessibilityTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasANameAndADescription() {
        for (const char* name : kControls) {
            QWidget* control = Control(*window_, name);
            QVERIFY2(!Name(control).isEmpty(), name);
            QVERIFY2(!Description(control).isEmpty(), name);
        }
        QCOMPARE(Name(window_.get()), QStringLiteral("青葉便り 検索システム"));
    }

    void eachControlIsNamedAsItReads_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("picture button of Frame1")
            << QStringLiteral("Command1") << QStringLiteral("目次を見る");
        QTest::newRow("picture button of Frame2")
            << QStringLiteral("Command2") << QStringLiteral("目次を見る");
        QTest::newRow("picture button of Frame4")
            << QStringLiteral("Command12") << QStringLiteral("目次を見る");
        QTest::newRow("issue field: frame and caption")
            << QStringLiteral("Text1") << QStringLiteral("号番検索　（1～380号）");
        QTest::newRow("year field: frame and caption")
            << QStringLiteral("Combo1") << QStringLiteral("発行月検索　年");
        QTest::newRow("month field: frame and caption")
            << QStringLiteral("Combo2") << QStringLiteral("発行月検索　月");
        QTest::newRow("search field: its frame") << QStringLiteral("Text2") << QStringLiteral("目次検索");
        QTest::newRow("a caption reads as shown")
            << QStringLiteral("Label5") << QStringLiteral("（72.09～04.07）");
        QTest::newRow("a button reads as shown") << QStringLiteral("Command5") << QStringLiteral("翌月");
        QTest::newRow("an option reads as shown")
            << QStringLiteral("Option2") << QStringLiteral("85.11（156号）付録");
        QTest::newRow("a frame reads its title") << QStringLiteral("Frame4") << QStringLiteral("増刊・付録");
    }

    void eachControlIsNamedAsItReads() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* widget = Control(*window_, qPrintable(control));
        // The focus, and with it a screen reader, sits in an editable combo box's line edit.
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            widget = combo->lineEdit();
        QCOMPARE(Name(widget), name);
    }

    void contentsPaneIsReadable() {
        window_->ShowIssue(156);
        QAccessibleTextInterface* text = Accessible(Control(*window_, "Text3"))->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY2(all.startsWith(QStringLiteral("1985年11月 156号")), qPrintable(all.left(40)));
        QCOMPARE(text->characterCount(), static_cast<int>(EntryAsShown(156).size()));
    }

    // The three options are radio buttons to a screen reader, in their frame, though Qt would call them check
    // boxes; choosing one is heard as a change of its checked state.
    void optionsAreRadioButtonsOfTheirFrame() {
        const char* const options[] = {"Option1", "Option2", "Option3"};
        const QString names[] = {QStringLiteral("77.06増刊（55号）"), QStringLiteral("85.11（156号）付録"),
                                 QStringLiteral("03.06増刊")};
        for (int i = 0; i < 3; ++i) {
            QAccessibleInterface* option = Accessible(Control(*window_, options[i]));
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QCOMPARE(option->text(QAccessible::Name), names[i]);
            QVERIFY(option->state().checkable);
            QVERIFY(!option->state().checked);
            QAccessibleInterface* group = option->parent();
            QCOMPARE(group->role(), QAccessible::Grouping);
            QCOMPARE(group->text(QAccessible::Name), QStringLiteral("増刊・付録"));
        }
        QAccessibleInterface* second = Accessible(Control(*window_, "Option2"));
        QVERIFY(second->actionInterface());
        second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(second->state().checked);
        Click(*window_, "Option3");
        QVERIFY(!second->state().checked);
        QVERIFY(Accessible(Control(*window_, "Option3"))->state().checked);
    }

    void resultsLabelsActLikeButtons() {
        Control<QLineEdit>(*window_, "Text2")->setText(QStringLiteral("56号"));
        Click(*window_, "Command7");
        aoba::ResultsWindow* results = window_->Results();
        QVERIFY(results);
        QCOMPARE(Name(results), QStringLiteral("目次検索結果"));
        for (const char* name : {"Label2", "Label3"}) {
            QVERIFY2(!Name(Control(*results, name)).isEmpty(), name);
            QVERIFY2(!Description(Control(*results, name)).isEmpty(), name);
        }
        QCOMPARE(Name(Control(*results, "Label2")).count(QLatin1Char('\n')), 2);

        aoba::IssueLabel* label = nullptr;
        for (aoba::IssueLabel* candidate : results->findChildren<aoba::IssueLabel*>())
            if (candidate->Issue() == 156)
                label = candidate;
        QVERIFY(label);
        QAccessibleInterface* button = Accessible(label);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("[156]"));
        QCOMPARE(button->text(QAccessible::Description), QStringLiteral("156号 1985年11月"));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Shown(*window_), EntryAsShown(156));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

// SPDX-License-Identifier: MIT
// What a screen reader finds in both windows.
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

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

const QString kWithHits = QStringLiteral("56号");

} // namespace

class AccessibilityTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    // What a screen reader says of each window and each control, word for word.
    void eachControlHasItsNameAndDescription_data() {
        QTest::addColumn<QString>("search"); // what to search for first, for the results window
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* control, const QString& name, const QString& description,
                            const QString& search = {}) {
            QTest::newRow(control) << search << QString::fromLatin1(control) << name << description;
        };
        row("Form1", QStringLiteral("青葉便り 検索システム"),
            QStringLiteral("号番、発行月、増刊・付録から号を選んで目次を見る。全号の目次を検索する"));
        row("Frame1", QStringLiteral("号番検索"), QStringLiteral("号数を指定して目次を見る"));
        row("Text1", QStringLiteral("号番検索　（1～380号）"),
            QStringLiteral("見たい号の号数、1から380まで"));
        row("Command3", QStringLiteral("+"), QStringLiteral("号数を一つ進める"));
        row("Command4", QStringLiteral("-"), QStringLiteral("号数を一つ戻す"));
        row("Label1", QStringLiteral("　（1～380号）"), QStringLiteral("指定できる号数の範囲"));
        row("Command1", QStringLiteral("目次を見る"), QStringLiteral("号番で目次を見る"));
        row("Frame2", QStringLiteral("発行月検索"), QStringLiteral("発行された年と月を指定して目次を見る"));
        row("Label4", QStringLiteral("年　　　　　　月"), QStringLiteral("下の二つの欄は年と月"));
        row("Combo1", QStringLiteral("発行月検索　年"),
            QStringLiteral("発行年、二桁で。72から99、00から04まで"));
        row("Combo2", QStringLiteral("発行月検索　月"), QStringLiteral("発行月、二桁で。01から12まで"));
        row("Label5", QStringLiteral("（72.09～04.07）"), QStringLiteral("発行期間、72年9月から04年7月まで"));
        row("Command5", QStringLiteral("翌月"), QStringLiteral("発行月を一月進める"));
        row("Command6", QStringLiteral("先月"), QStringLiteral("発行月を一月戻す"));
        row("Command2", QStringLiteral("目次を見る"), QStringLiteral("発行月で目次を見る"));
        row("Frame3", QStringLiteral("目次検索"), QStringLiteral("全号の目次から文字列を探す"));
        row("Text2", QStringLiteral("目次検索"), QStringLiteral("探す文字列。Enterで検索する"));
        row("Command7", QStringLiteral("検索"), QStringLiteral("全号の目次から文字列を検索する"));
        row("Frame4", QStringLiteral("増刊・付録"), QStringLiteral("増刊号と付録を選んで目次を見る"));
        row("Option1", QStringLiteral("77.06増刊（55号）"), QStringLiteral("1977年6月の増刊、55号"));
        row("Option2", QStringLiteral("85.11（156号）付録"), QStringLiteral("1985年11月、156号の付録"));
        row("Option3", QStringLiteral("03.06増刊"), QStringLiteral("2003年6月の特別号"));
        row("Command12", QStringLiteral("目次を見る"), QStringLiteral("選んだ増刊・付録の目次を見る"));
        row("Text3", QStringLiteral("目次"), QStringLiteral("選んだ号の目次"));
        row("Form2", QStringLiteral("目次検索結果"), QStringLiteral("検索された文字列を目次に含む号の一覧"),
            kWithHits);
        row("Label3", QStringLiteral("目次検索結果"), QStringLiteral("見出しの帯"), kWithHits);
        row("Label2", expected::ResultsHeader(kWithHits).replace(u'\r', u'\n'),
            QStringLiteral("検索された文字列と、号番の選び方"), kWithHits);
    }

    void eachControlHasItsNameAndDescription() {
        QFETCH(QString, search);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QWidget* window = window_.get();
        if (!search.isEmpty()) {
            Control<QLineEdit>(*window_, "Text2")->setText(search);
            Click(*window_, "Command7");
            window = window_->Results();
        }
        QWidget* widget = window->objectName() == control ? window : Control(*window, qPrintable(control));
        // The focus, and with it a screen reader, sits in an editable combo box's line edit.
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            widget = combo->lineEdit();
        QCOMPARE(Name(widget), name);
        QCOMPARE(Description(widget), description);
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
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            QAccessibleInterface* option = Accessible(Control(*window_, name));
            QCOMPARE(option->role(), QAccessible::RadioButton);
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

    // Their names and descriptions are the results window test's.
    void resultsLabelsActLikeButtons() {
        Control<QLineEdit>(*window_, "Text2")->setText(kWithHits);
        Click(*window_, "Command7");
        aoba::ResultsWindow* results = window_->Results();
        QVERIFY(results);
        aoba::IssueLabel* label = nullptr;
        for (aoba::IssueLabel* candidate : results->findChildren<aoba::IssueLabel*>())
            if (candidate->Issue() == 156)
                label = candidate;
        QVERIFY(label);
        QAccessibleInterface* button = Accessible(label);
        QCOMPARE(button->role(), QAccessible::Button);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Shown(*window_), EntryAsShown(156));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

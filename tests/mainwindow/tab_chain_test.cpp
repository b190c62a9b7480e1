// SPDX-License-Identifier: MIT
// Tab reaches every control of a window that takes the focus, once each, in the design's order, and
// Shift+Tab goes the same way back.
#include "resultswindow/issue_label.h"
#include "resultswindow/results_window.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// An issue label by its caption, every other control by its name.
QString NameOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const aoba::IssueLabel*>(control))
        return label->Text();
    return control->objectName();
}

// Every control a reader could give the focus to: found among all the window's widgets, not through the
// chain. A widget that hands its focus to another (an editable combo box's line edit) is that other.
QWidgetList Focusable(const QWidget& window) {
    QWidgetList focusable;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) && widget->isEnabled() &&
            !widget->focusProxy())
            focusable << widget;
    return focusable;
}

// The control that has the focus, or holds the widget that has it.
QWidget* Focused(const QWidgetList& controls) {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (controls.contains(widget))
            return widget;
    return nullptr;
}

} // namespace

class TabChainTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    // The chain, control by control, as the design gives it.
    void tabVisitsEveryFocusableControlInTheDesignsOrder_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("designed");
        QTest::newRow("the main window, from Text1")
            << QString()
            << QStringLiteral(
                   "Text1 Command3 Command4 Command1 Combo1 Combo2 Command5 Command6 Command2 Text2 "
                   "Command7 Option1 Option2 Option3 Command12 Text3");
        QTest::newRow("the results window: its visible labels in issue order")
            << QStringLiteral("56号") << QStringLiteral("[056] [156] [256] [356]");
    }

    void tabVisitsEveryFocusableControlInTheDesignsOrder() {
        QFETCH(QString, search);
        QFETCH(QString, designed);
        const QStringList chain = designed.split(QLatin1Char(' '));
        QWidget* window = window_.get();
        if (!search.isEmpty()) {
            Control<QLineEdit>(*window_, "Text2")->setText(search);
            Click(*window_, "Command7");
            window = window_->Results();
        }
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QWidgetList controls = Focusable(*window);
        QStringList names;
        for (const QWidget* control : controls)
            names << NameOf(control);
        QStringList sorted = chain;
        names.sort();
        sorted.sort();
        QCOMPARE(names, sorted);

        const auto first = std::find_if(controls.begin(), controls.end(), [&chain](const QWidget* control) {
            return NameOf(control) == chain[0];
        });
        (*first)->setFocus(Qt::TabFocusReason);
        for (const bool forward : {true, false}) {
            QStringList walked;
            for (qsizetype i = 0; i <= chain.size(); ++i) {
                QWidget* focused = Focused(controls);
                QVERIFY2(focused, qPrintable(walked.join(QLatin1Char(' '))));
                walked << NameOf(focused);
                if (i < chain.size())
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                    forward ? Qt::NoModifier : Qt::ShiftModifier);
            }
            QStringList expected = chain;
            if (!forward)
                std::reverse(expected.begin() + 1, expected.end());
            expected << chain[0]; // and round to the first again
            QCOMPARE(walked, expected);
        }
    }
};

QTEST_MAIN(TabChainTest)
#include "tab_chain_test.moc"

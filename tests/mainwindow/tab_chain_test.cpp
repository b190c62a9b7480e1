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

class TabChainTest : public QObject, WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartLikeTheProgram(); }

    void init() {
        OpenWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void tabVisitsEveryFocusableControlInTheDesignsOrder_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("the main window, from Text1")
            << QString() << QStringList{QStringLiteral("Text1"),     QStringLiteral("Command3"),
                                        QStringLiteral("Command4"),  QStringLiteral("Command1"),
                                        QStringLiteral("Combo1"),    QStringLiteral("Combo2"),
                                        QStringLiteral("Command5"),  QStringLiteral("Command6"),
                                        QStringLiteral("Command2"),  QStringLiteral("Text2"),
                                        QStringLiteral("Command7"),  QStringLiteral("Option1"),
                                        QStringLiteral("Option2"),   QStringLiteral("Option3"),
                                        QStringLiteral("Command12"), QStringLiteral("Text3")};
        QTest::newRow("the results window: its visible labels in issue order")
            << QStringLiteral("56号")
            << QStringList{QStringLiteral("[056]"), QStringLiteral("[156]"), QStringLiteral("[256]"),
                           QStringLiteral("[356]")};
    }

    void tabVisitsEveryFocusableControlInTheDesignsOrder() {
        QFETCH(QString, search);
        QFETCH(QStringList, chain);
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
        QStringList designed = chain;
        names.sort();
        designed.sort();
        QCOMPARE(names, designed);

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

// SPDX-License-Identifier: MIT
#include "mainwindow/option_button.h"

#include "lookandfeel/accessible.h"

#include <QAccessibleWidget>

#include <vector>

namespace aoba {

namespace {

// Qt reports a radio button that is not auto-exclusive as a check box, and a screen reader says so. These
// are radio buttons, whatever keeps them in the Tab chain: one choice of three, inside their frame.
class AccessibleOptionButton final : public QAccessibleWidget {
public:
    explicit AccessibleOptionButton(QWidget* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? Button()->text() : text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction())
            Button()->click();
    }

private:
    OptionButton* Button() const { return static_cast<OptionButton*>(widget()); }
};

} // namespace

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent) {
    setAutoExclusive(false);
    UseAccessibleInterface<OptionButton, AccessibleOptionButton>();
}

void OptionButton::Group(std::initializer_list<OptionButton*> buttons) {
    const std::vector<OptionButton*> all(buttons);
    for (OptionButton* button : all) {
        QObject::connect(button, &QAbstractButton::toggled, button, [all, button](bool checked) {
            if (!checked)
                return;
            for (OptionButton* other : all)
                if (other != button)
                    other->setChecked(false);
        });
    }
}

} // namespace aoba

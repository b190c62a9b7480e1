// SPDX-License-Identifier: MIT
#include "mainwindow/option_button.h"

#include <vector>

namespace aoba {

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent) {
    setAutoExclusive(false);
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

// SPDX-License-Identifier: MIT
// An option button of the extra-issue choice. Qt takes unchecked buttons of an exclusive group out of the
// Tab chain once one of them has had the focus; here each of the three stays reachable by Tab, so the
// buttons keep their exclusiveness themselves.
#pragma once

#include <QRadioButton>

namespace aoba {

class OptionButton final : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

    // Makes the buttons exclusive: checking one clears the others.
    static void Group(std::initializer_list<OptionButton*> buttons);

protected:
    // Clicking a chosen option keeps it chosen.
    void nextCheckState() override { setChecked(true); }
};

} // namespace aoba

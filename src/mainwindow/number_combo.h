// SPDX-License-Identifier: MIT
// The year and month fields: editable combo boxes whose list follows what was typed. Qt's combo box opens its
// list on, and steps Up and Down from, the item last chosen from the list, whatever the field now shows;
// here the typed text decides (PlaceInList), so "85" steps to "86" and a list opened on "09" shows "09".
#pragma once

#include "core/field_rules.h"

#include <QComboBox>

namespace aoba {

class NumberCombo final : public QComboBox {
    Q_OBJECT

public:
    NumberCombo(NumberList list, QWidget* parent);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Step(int direction); // -1 up the list, +1 down

    NumberList list_;
};

} // namespace aoba

// SPDX-License-Identifier: MIT
// A push button of the main window. Enter and the keypad's Enter press it while it has the focus, as Space
// does: a desktop reader expects that, and Qt gives it only to the buttons of dialogs.
#pragma once

#include <QPushButton>

namespace aoba {

class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace aoba

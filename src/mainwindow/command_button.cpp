// SPDX-License-Identifier: MIT
#include "mainwindow/command_button.h"

#include <QKeyEvent>

namespace aoba {

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent) {}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace aoba

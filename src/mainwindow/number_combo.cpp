// SPDX-License-Identifier: MIT
#include "mainwindow/number_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace aoba {

NumberCombo::NumberCombo(NumberList list, QWidget* parent)
    : QComboBox(parent)
    , list_(list) {
    setEditable(true);
    addItems(ListItems(list));
    // Typing "1" must not complete to "10", and Enter must not add what was typed to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
}

void NumberCombo::showPopup() {
    QComboBox::showPopup();
    const std::optional<double> place = PlaceInList(currentText(), list_);
    if (place && *place == std::floor(*place)) {
        view()->setCurrentIndex(model()->index(static_cast<int>(*place), modelColumn()));
        return;
    }
    // A text between the items or no number at all: nothing is chosen; the list shows where it would stand.
    view()->setCurrentIndex({});
    const int near = place ? std::clamp(static_cast<int>(std::ceil(*place)), 0, count() - 1) : 0;
    view()->scrollTo(model()->index(near, modelColumn()));
}

void NumberCombo::Step(int direction) {
    const std::optional<double> place = PlaceInList(currentText(), list_);
    int target = 0;
    if (!place)
        target = direction > 0 ? 0 : count() - 1;
    else if (*place == std::floor(*place))
        target = static_cast<int>(*place) + direction;
    else
        target = static_cast<int>(direction > 0 ? std::ceil(*place) : std::floor(*place));
    if (target < 0 || target >= count())
        return;
    setCurrentIndex(target);
    setEditText(itemText(target)); // when the target was already the current item, behind other text
}

void NumberCombo::keyPressEvent(QKeyEvent* event) {
    const bool plain = !event->modifiers().testFlag(Qt::AltModifier);
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        Step(event->key() == Qt::Key_Down ? 1 : -1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void NumberCombo::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QComboBox::wheelEvent(event);
        return;
    }
    Step(delta < 0 ? 1 : -1);
    event->accept();
}

} // namespace aoba

// SPDX-License-Identifier: MIT
#include "lookandfeel/unclipped.h"

#include <QWidget>

#include <algorithm>

namespace aoba {

QRect Unclipped(const QRect& box, int textWidth, const QRect& room, const std::vector<QRect>& others) {
    if (textWidth <= box.width())
        return box;
    int right = room.right();
    for (const QRect& other : others) {
        const bool sameRows = other.top() <= box.bottom() && other.bottom() >= box.top();
        if (sameRows && other.left() > box.left())
            right = std::min(right, other.left() - 1);
    }
    QRect widened = box;
    widened.setWidth(std::max(box.width(), std::min(textWidth, right - box.left() + 1)));
    return widened;
}

void ShowWhole(QWidget& caption) {
    const QWidget* container = caption.parentWidget();
    if (!container)
        return;
    std::vector<QRect> others;
    for (const QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != &caption)
            others.push_back(other->geometry());
    }
    caption.setGeometry(
        Unclipped(caption.geometry(), caption.sizeHint().width(), container->contentsRect(), others));
}

} // namespace aoba

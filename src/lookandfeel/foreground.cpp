// SPDX-License-Identifier: MIT
#include "lookandfeel/foreground.h"

#include <QWidget>

namespace aoba {

void DesktopForeground::Bring(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    // Without a window manager only an explicit raise restacks; activating alone is not enough.
    window.raise();
    window.activateWindow();
}

} // namespace aoba

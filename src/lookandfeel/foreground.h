// SPDX-License-Identifier: MIT
// Bringing a window in front of the others and making it the active one. What really happens is up to the
// window manager, so this is a seam: tests record which window was asked for.
#pragma once

class QWidget;

namespace aoba {

class Foreground {
public:
    virtual ~Foreground() = default;
    virtual void Bring(QWidget& window) = 0;
};

// The real thing: restores a minimised window, raises it and activates it.
class DesktopForeground final : public Foreground {
public:
    void Bring(QWidget& window) override;
};

} // namespace aoba

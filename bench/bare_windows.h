// SPDX-License-Identifier: MIT
// The baselines: plain Qt windows with as many controls as ours, and none of our work behind them.
#pragma once

#include <QWidget>

namespace bench {

// The main window's 23 controls by kind, default-constructed: no fonts, colours, pictures or catalogue.
QWidget* NewBareMainWindow();

// A top-level window holding 380 plain labels, as many as the results window.
QWidget* NewBareLabelWindow();

} // namespace bench

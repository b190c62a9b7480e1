// SPDX-License-Identifier: MIT
// The baselines: plain Qt windows with as many controls as ours, and none of our work behind them.
#pragma once

#include <QWidget>

#include <vector>

namespace bench {

// The main window's 23 controls by kind, default-constructed: no captions, fonts, colours or pictures.
QWidget* NewBareMainWindow();

// The same 23 controls at the main window's places, carrying its captions in the IPA fonts it ends up with,
// asked for by their own names: the floor for showing that form in Qt. No colours, pictures, filters,
// accessible names or catalogue.
QWidget* NewCaptionedMainWindow();

// A top-level window holding 380 plain labels with the results window's captions, all of them shown.
QWidget* NewBareLabelWindow();

// Leaves shown only the labels of the issues in visible (ascending, 1..380), as a search does.
void ShowOnlyLabels(QWidget& window, const std::vector<int>& visible);

} // namespace bench

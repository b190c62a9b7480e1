// SPDX-License-Identifier: MIT
// The catalogue: the table of contents of every issue, compiled into the program and never changed.
#pragma once

#include <QStringView>

namespace aoba {

// The text of entry n (1..382) exactly as stored, every line ending in CR LF; a null view for any other n.
// The view points into the program's constant data and stays valid for the program's lifetime.
QStringView EntryText(int n);

} // namespace aoba

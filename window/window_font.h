#pragma once

#include <QFont>

#include "form/layout_table.h"

namespace stereona::window {

// The window's font: the layout's face and size, falling back to any serif.
// The drawings' labels repeat the captions of the quantity selectors, so
// they are written in it too.
QFont WindowFont();

// The font a control of the layout table uses: the window's, the list's
// smaller one, or the window's in bold.
QFont ControlFont(form::FontKind kind);

}  // namespace stereona::window

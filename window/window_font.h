#pragma once

#include <QFont>

#include "window/control_table.h"

namespace stereona::window {

// Times New Roman, 12 point, which Linux desktops map to the metric-compatible
// Liberation Serif; both carry Cyrillic.
QFont WindowFont();

// The font a control of the table uses: the window's, the list's smaller
// one, or the window's in bold.
QFont ControlFont(FontKind kind);

}  // namespace stereona::window

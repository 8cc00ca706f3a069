#pragma once

#include <array>

#include "form/layout_table.h"

class QWidget;

namespace stereona::window {

// The Qt widget of each control, by its row in the layout table.
using Widgets = std::array<QWidget*, form::kControlCount>;

// Creates a widget for every row of the layout table as a child of the
// window (or of its frame), named, placed, coloured, captioned, named for a
// screen reader and in tab order. The window itself is sized and coloured by
// its owner.
Widgets BuildWidgets(QWidget& window);

}  // namespace stereona::window

#pragma once

#include <QFont>
#include <QSizeF>

#include "form/layout_table.h"
#include "qt_bridge/qt_text.h"

namespace stereona::drawings {

// Logical size of one drawing: small enough for a tooltip, large enough for
// 12 point labels to sit clear of the edges.
inline constexpr QSizeF kDrawingSize{200, 160};

// The layout's font, down to its fallback to any serif face. The drawings'
// labels repeat the captions of the quantity selectors, so they use it too.
inline QFont LayoutFont() {
  QFont font(ToQString(form::kFontFamily));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(form::kFontPoints);
  return font;
}

}  // namespace stereona::drawings

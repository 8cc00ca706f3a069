#pragma once

#include <QFont>
#include <QSizeF>

namespace stereona::drawings {

// Logical size of one drawing: small enough for a tooltip, large enough for
// 12 point labels to sit clear of the edges.
inline constexpr QSizeF kDrawingSize{200, 160};

// The labels repeat the captions of the quantity selectors, so they use the
// window's font to look the same, down to its fallback to any serif face.
inline QFont DrawingFont() {
  QFont font(QStringLiteral("Times New Roman"), 12);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace stereona::drawings

#pragma once

#include <QFont>
#include <QSizeF>

namespace stereona::drawings {

// Logical size of one drawing: small enough for a tooltip, large enough for
// 12 point labels to sit clear of the edges.
inline constexpr QSizeF kDrawingSize{200, 160};

// The labels repeat the captions of the quantity selectors, so they use the
// window's font to look the same.
inline QFont DrawingFont() { return QFont(QStringLiteral("Times New Roman"), 12); }

}  // namespace stereona::drawings

#pragma once

#include <QSizeF>

namespace stereona::drawings {

// Logical size of one drawing: small enough for a tooltip, large enough for
// 12 point labels to sit clear of the edges.
inline constexpr QSizeF kDrawingSize{200, 160};

}  // namespace stereona::drawings

#pragma once

#include <QIcon>
#include <QImage>

namespace stereona::window {

inline constexpr int kIconSize = 32;

// A cone over its base, drawn in the window's own blues: 32 x 32 pixels in a
// palette of at most 256 colours, the depth the classic icon format holds.
QImage IconImage();
QIcon WindowIcon();

}  // namespace stereona::window

#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace stereona::window {

inline constexpr int kIconSize = 32;

// A cone over its base, drawn in the window's own blues: 32 x 32 pixels in a
// palette of at most 256 colours, the depth the classic icon format holds.
QImage IconImage();

// IconImage() for the title bar, from the pixels the build drew with it
// (tools/icon_pixels.cpp), so that start-up paints nothing for the icon.
QIcon WindowIcon();

// The drawing behind IconImage(), on the square (0, 0)-(32, 32) of any paint
// device, so that a vector copy for the desktop is the same picture.
void PaintIcon(QPainter& painter);

}  // namespace stereona::window

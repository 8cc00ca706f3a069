#include <QPixmap>
#include <array>

#include "window/window_icon.h"

namespace stereona::window {
namespace {

// IconImage() as the build drew it. Painting it here would bring the
// antialiasing painter into memory before the window is even shown.
constexpr std::array<QRgb, kIconSize* kIconSize> kIconPixels = {
#include "window_icon_pixels.inc"
};

}  // namespace

QIcon WindowIcon() {
  const QImage pixels(reinterpret_cast<const uchar*>(kIconPixels.data()), kIconSize, kIconSize,
                      QImage::Format_ARGB32);
  return QIcon(QPixmap::fromImage(pixels));
}

}  // namespace stereona::window

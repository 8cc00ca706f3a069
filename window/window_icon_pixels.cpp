#include "window/window_icon.h"

#include <QPixmap>
#include <array>
#include <cstddef>

namespace stereona::window {
namespace {

constexpr std::size_t kIconPixelCount = static_cast<std::size_t>(kIconSize) * kIconSize;

// IconImage() as the build drew it. Painting it here would bring the
// antialiasing painter into memory before the window is even shown.
constexpr std::array<QRgb, kIconPixelCount> kIconPixels = {
#include "window_icon_pixels.inc"
};

}  // namespace

QIcon WindowIcon() {
  const QImage pixels(reinterpret_cast<const uchar*>(kIconPixels.data()), kIconSize, kIconSize,
                      QImage::Format_ARGB32);
  return QIcon(QPixmap::fromImage(pixels));
}

}  // namespace stereona::window

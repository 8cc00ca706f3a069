// Writes the window icon's pixels as C++ array elements, one 0xAARRGGBB value
// per pixel, row by row, for the window to take at start-up instead of
// painting the icon (see WindowIcon()).
//
//   stereona_icon_pixels OUTPUT.inc
#include <QImage>
#include <cstdio>

#include "window/window_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.inc\n", argv[0]);
    return 2;
  }
  const QImage icon = stereona::window::IconImage().convertToFormat(QImage::Format_ARGB32);
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(out, "// Made by stereona_icon_pixels from PaintIcon(); not edited by hand.\n");
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      std::fprintf(out, "0x%08X,%c", icon.pixel(x, y), x + 1 == icon.width() ? '\n' : ' ');
    }
  }
  return std::fclose(out) == 0 ? 0 : 1;
}

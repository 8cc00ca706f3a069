// Writes the page's home-screen icons from the window's own drawing, so that
// a phone's launcher, the desktop's and the title bar show one picture:
//   stereona_web_icons OUTPUT_DIR
// writes there every icon of the page's table.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "drawings/output_folder.h"
#include "form/back_colour.h"
#include "web/page_icons.h"
#include "window/window_icon.h"

namespace {

// A launcher may cut a maskable icon to a circle of 80% of its side around
// the centre; the cone, drawn on 80% of the side, reaches 36% from the
// centre at its base's ends, so it stays whole under any mask.
constexpr double kMaskableShare = 0.8;

QImage Icon(int size, double share) {
  using stereona::window::kIconSize;
  QImage canvas(size, size, QImage::Format_RGB32);
  {
    QPainter painter(&canvas);
    // The drawing's own back colour beyond it, so that the mask finds no seam.
    painter.fillRect(canvas.rect(), QColor::fromRgb(stereona::form::kFormBack));
    const double side = size * share;
    painter.translate((size - side) / 2.0, (size - side) / 2.0);
    painter.scale(side / kIconSize, side / kIconSize);
    stereona::window::PaintIcon(painter);
  }
  // Kept in true colour: the smoothed edges of a large icon have more shades
  // than a palette holds, and a palette's dithering would double the file.
  return canvas;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QGuiApplication application(argc, argv);
  const std::optional<QDir> output = stereona::drawings::OutputFolder(argc, argv);
  if (!output) return argc != 2 ? 2 : 1;
  for (const stereona::web::PageIcon& icon : stereona::web::kPageIcons) {
    const QString path = output->filePath(
        QString::fromUtf8(icon.file.data(), static_cast<qsizetype>(icon.file.size())));
    if (!Icon(icon.size, icon.maskable ? kMaskableShare : 1.0).save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

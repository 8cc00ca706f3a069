// Writes the page's home-screen icons from the window's own drawing, so that
// a phone's launcher, the desktop's and the title bar show one picture:
//   stereona_web_icons OUTPUT_DIR
// writes there every icon of the page's table.
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "form/back_colour.h"
#include "web/page_icons.h"
#include "window/tools/output_folder.h"
#include "window/window_icon.h"

namespace {

// A launcher may cut a maskable icon to a circle of 80% of its side around
// the centre; the cone, drawn on 80% of the side, reaches 36% from the
// centre at its base's ends, so it stays whole under any mask.
constexpr double kMaskableShare = 0.8;

// The picture is a few flat colours with smoothed edges between them: its
// most frequent 256 colours, each pixel mapped to the nearest without
// dithering, look the same and keep the files small. Qt's own palette would
// dither the flat areas, which a PNG compresses badly.
QImage InPalette(const QImage& image) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  QList<QRgb> colours = counts.keys();
  // Qt seeds its hashes anew in every process: ties go by the colour itself,
  // or each build would write other bytes and another cache name.
  std::sort(colours.begin(), colours.end(), [&counts](QRgb a, QRgb b) {
    const int countA = counts.value(a);
    const int countB = counts.value(b);
    return countA != countB ? countA > countB : a < b;
  });
  colours.resize(std::min<qsizetype>(colours.size(), 256));
  return image.convertToFormat(QImage::Format_Indexed8, colours, Qt::AvoidDither);
}

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
  return InPalette(canvas);
}

}  // namespace

int main(int argc, char* argv[]) {
  const QGuiApplication application(argc, argv);
  const std::optional<QDir> output = stereona::window::OutputFolder(argc, argv);
  if (!output) return argc != 2 ? 2 : 1;
  for (const stereona::web::PageIcon& icon : stereona::web::kPageIcons) {
    const QString path = output->filePath(
        QString::fromUtf8(icon.file.data(), static_cast<qsizetype>(icon.file.size())));
    // Quality 0: the most compression a PNG has.
    if (!Icon(icon.size, icon.maskable ? kMaskableShare : 1.0).save(path, "PNG", 0)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

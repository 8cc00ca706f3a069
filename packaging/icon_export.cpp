// Writes the desktop icons from the window's own drawing: the 32 x 32 image
// the window shows, as PNG, and the same painting as SVG for the scalable
// size, so that the launcher and the title bar never show two pictures.
//
//   stereona_icon_export ICON.png ICON.svg
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "window/window_icon.h"

namespace {

bool WriteSvg(const QString& path) {
  using stereona::window::kIconSize;
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(kIconSize, kIconSize));
  svg.setResolution(96);  // the CSS pixel: the size it writes in mm is 32 px
  svg.setViewBox(QRect(0, 0, kIconSize, kIconSize));
  svg.setTitle(QStringLiteral("Стереона"));
  svg.setDescription(QStringLiteral("Конус над основата си"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  stereona::window::PaintIcon(painter);
  return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Only for a default font, without which the SVG gets font-size="-1".
  const QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ICON.png ICON.svg\n", argv[0]);
    return 2;
  }
  const QString png = QString::fromLocal8Bit(argv[1]);
  const QString svg = QString::fromLocal8Bit(argv[2]);
  if (!stereona::window::IconImage().save(png, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (!WriteSvg(svg)) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

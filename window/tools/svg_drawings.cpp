// Writes the six drawings as SVG for the browser face, painted by the same
// figure code as the window's tooltips, so that the two never differ:
//   stereona_svg_drawings OUTPUT_DIR
// writes OUTPUT_DIR/0.svg ... 5.svg, one per body selector index.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "core/bodies.h"
#include "drawings/drawing_style.h"
#include "drawings/solid_drawing.h"
#include "qt_bridge/qt_text.h"
#include "window/tools/output_folder.h"
#include "window/window_font.h"

namespace {

bool WriteSvg(const QString& path, std::size_t body) {
  using stereona::drawings::kDrawingSize;
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(kDrawingSize.toSize());
  svg.setResolution(96);  // the CSS pixel: one logical pixel of the drawing
  svg.setViewBox(QRectF(QPointF(0, 0), kDrawingSize));
  svg.setTitle(stereona::ToQString(stereona::kBodies.at(body).caption));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  stereona::drawings::PaintSolidDrawing(painter, static_cast<stereona::BodyIndex>(body),
                                        stereona::kBodies.at(body), stereona::window::WindowFont());
  return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  // The labels are placed by the font's metrics, which need the application.
  const QGuiApplication application(argc, argv);
  const std::optional<QDir> output = stereona::window::OutputFolder(argc, argv);
  if (!output) return argc != 2 ? 2 : 1;  // usage, or a folder that cannot be made
  for (std::size_t body = 0; body < stereona::kBodyCount; ++body) {
    const QString path = output->filePath(QString::number(body) + QStringLiteral(".svg"));
    if (!WriteSvg(path, body)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

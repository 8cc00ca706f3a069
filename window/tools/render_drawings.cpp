// Writes the six drawings as PNG files for the documentation:
//   stereona_render_drawings OUTPUT_DIR
// Run through the render_drawings target, which passes docs/drawings.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>

#include "core/bodies.h"
#include "drawings/solid_drawing.h"
#include "qt_bridge/qt_text.h"
#include "window/tools/output_folder.h"
#include "window/window_font.h"

namespace {

// Twice the logical size, so that the pictures stay sharp on high-DPI
// screens; pages show them at the logical size.
constexpr qreal kDevicePixelRatio = 2;

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const std::optional<QDir> output = stereona::window::OutputFolder(argc, argv);
  if (!output) return argc != 2 ? 2 : 1;  // usage, or a folder that cannot be made
  for (std::size_t body = 0; body < stereona::kBodyCount; ++body) {
    const QString path =
        output->filePath(stereona::ToQString(stereona::kBodies[body].latinName) + ".png");
    if (!stereona::drawings::SolidDrawingImage(body, kDevicePixelRatio,
                                               stereona::window::WindowFont())
             .save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}

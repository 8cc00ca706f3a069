// The desktop icons written at build time are the window's icon: the PNG
// pixel for pixel, the SVG as the same drawing on the same square.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

#include "window/window_icon.h"

namespace {

using stereona::window::IconImage;
using stereona::window::kIconSize;
using stereona::window::PaintIcon;

QImage Opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The mean difference per colour channel, 0 for equal images, 255 for black
// against white.
double MeanDifference(const QImage& a, const QImage& b) {
  long total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  }
  return static_cast<double>(total) / (3.0 * a.width() * a.height());
}

QImage Painted(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.scale(size / double(kIconSize), size / double(kIconSize));
  PaintIcon(painter);
  return image;
}

QImage Rendered(QSvgRenderer& svg, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  return image;
}

TEST(IconOutputs, PngIsTheWindowIcon) {
  const QImage png(QStringLiteral(STEREONA_ICON_PNG));
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), QSize(kIconSize, kIconSize));
  EXPECT_EQ(Opaque(png), Opaque(IconImage()));
}

TEST(IconOutputs, SvgIsTheSameDrawingOnTheSameSquare) {
  QSvgRenderer svg(QStringLiteral(STEREONA_ICON_SVG));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, kIconSize, kIconSize));
  // Drawn large, where a shifted, scaled or missing part shows; the two
  // differ only by how each renderer smooths and dashes.
  for (const int size : {kIconSize, 8 * kIconSize}) {
    const QImage rendered = Rendered(svg, size);
    const QImage painted = Painted(size);
    EXPECT_LT(MeanDifference(rendered, painted), 1.0) << size << " x " << size;
  }
}

}  // namespace

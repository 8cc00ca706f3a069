// The drawings as images: the logical size at every device pixel ratio,
// with the figure spread over the whole of it rather than a corner.
#include <gtest/gtest.h>

#include <tuple>

#include <QColor>

#include "core/bodies.h"
#include "drawings/drawing_style.h"
#include "drawings/solid_drawing.h"
#include "window/window_font.h"

namespace stereona::drawings {
namespace {

// The smallest rectangle of physical pixels holding everything not white.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 200) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

QRectF Logical(const QRect& physical, qreal ratio) {
  return QRectF(QPointF(physical.topLeft()) / ratio, QSizeF(physical.size()) / ratio);
}

class SolidImageTest : public ::testing::TestWithParam<std::tuple<std::size_t, qreal>> {
 protected:
  std::size_t Body() const { return std::get<0>(GetParam()); }
  qreal Ratio() const { return std::get<1>(GetParam()); }
};

TEST_P(SolidImageTest, HasTheLogicalSizeInTheRatiosPixels) {
  const QSize pixels(qRound(kDrawingSize.width() * Ratio()),
                     qRound(kDrawingSize.height() * Ratio()));
  const QImage image = SolidDrawingImage(Body(), Ratio(), window::WindowFont());
  EXPECT_EQ(image.size(), pixels);
  EXPECT_EQ(image.deviceIndependentSize(), kDrawingSize);
}

// Painting at the logical size onto a larger image would leave the figure
// in the top left corner; the figure must cover the same logical area as
// at ratio 1.
TEST_P(SolidImageTest, FigureCoversTheSameLogicalAreaAsAtRatioOne) {
  const QRectF expected = Logical(InkBounds(SolidDrawingImage(Body(), 1, window::WindowFont())), 1);
  const QRectF drawn =
      Logical(InkBounds(SolidDrawingImage(Body(), Ratio(), window::WindowFont())), Ratio());
  EXPECT_GT(expected.width(), kDrawingSize.width() * 0.6);
  EXPECT_GT(expected.height(), kDrawingSize.height() * 0.6);
  EXPECT_NEAR(drawn.left(), expected.left(), 1.5);
  EXPECT_NEAR(drawn.top(), expected.top(), 1.5);
  EXPECT_NEAR(drawn.right(), expected.right(), 1.5);
  EXPECT_NEAR(drawn.bottom(), expected.bottom(), 1.5);
}

INSTANTIATE_TEST_SUITE_P(AllBodies, SolidImageTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, kBodyCount),
                                            ::testing::Values(1.0, 1.5, 2.0)));

TEST(SolidImages, EachBodyHasAPictureOfItsOwn) {
  for (std::size_t one = 0; one < kBodyCount; ++one)
    for (std::size_t other = one + 1; other < kBodyCount; ++other)
      EXPECT_NE(SolidDrawingImage(one, 1, window::WindowFont()),
                SolidDrawingImage(other, 1, window::WindowFont()))
          << one << " " << other;
}

}  // namespace
}  // namespace stereona::drawings

// The tooltip of a body selector really shows the drawing: hovering a radio
// button goes through QToolTip's own label, whose pixels must hold the
// drawing's pixels one for one. Built a second time with a scale factor of
// 2, this shows that a high-DPI screen gets every pixel of the 2x drawing.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include <QApplication>
#include <QHelpEvent>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolTip>

#include "core/bodies.h"
#include "drawings/solid_drawing.h"
#include "tests/drawings/body_test_name.h"
#include "window/window_font.h"

namespace stereona::drawings {
namespace {

#ifdef STEREONA_TEST_SCALE_FACTOR
constexpr qreal kScreenRatio = STEREONA_TEST_SCALE_FACTOR;
#else
constexpr qreal kScreenRatio = 1;
#endif

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

// Whether `part` appears somewhere in `whole`, pixel for pixel (both ARGB32).
bool Holds(const QImage& whole, const QImage& part) {
  constexpr std::ptrdiff_t kPixelBytes = 4;
  const auto rowBytes = static_cast<std::size_t>(part.width() * kPixelBytes);
  for (int top = 0; top + part.height() <= whole.height(); ++top)
    for (int left = 0; left + part.width() <= whole.width(); ++left) {
      const uchar* const rowStart = whole.constScanLine(top) + left * kPixelBytes;
      int row = 0;
      while (row < part.height() && std::memcmp(rowStart + row * whole.bytesPerLine(),
                                                part.constScanLine(row), rowBytes) == 0)
        ++row;
      if (row == part.height()) return true;
    }
  return false;
}

QWidget* ShownToolTip() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
  return nullptr;
}

TEST(ToolTipScreen, RunsAtTheRatioThisBinaryIsBuiltFor) {
  EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), kScreenRatio);
}

TEST(SolidDrawingToolTip, CarriesTheDrawingAsPngSizedInLogicalPixels) {
  const QRegularExpression image(
      R"re(^<img src="data:image/png;base64,([A-Za-z0-9+/=]+)" width="200" height="160">$)re");
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    const QString text = SolidDrawingToolTip(body, 2, window::WindowFont());
    ASSERT_TRUE(Qt::mightBeRichText(text));
    const QRegularExpressionMatch match = image.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.left(80).toStdString();
    const QImage decoded =
        QImage::fromData(QByteArray::fromBase64(match.captured(1).toLatin1()), "PNG");
    EXPECT_EQ(Argb(decoded), Argb(SolidDrawingImage(body, 2, window::WindowFont()))) << body;
  }
}

class SelectorHoverTest : public ::testing::TestWithParam<std::size_t> {
 protected:
  void TearDown() override { QToolTip::hideText(); }
};

TEST_P(SelectorHoverTest, ShowsTheDrawingPixelForPixel) {
  const std::string_view caption = kBodies[GetParam()].caption;
  QRadioButton selector(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  selector.show();
  const qreal ratio = selector.devicePixelRatioF();
  selector.setToolTip(SolidDrawingToolTip(GetParam(), ratio, window::WindowFont()));

  // What the hover timer sends once the pointer rests on the selector.
  QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), selector.mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(&selector, &hover);

  QWidget* tip = ShownToolTip();
  ASSERT_NE(tip, nullptr);
  const QImage shown = Argb(tip->grab().toImage());
  EXPECT_TRUE(Holds(shown, Argb(SolidDrawingImage(GetParam(), ratio, window::WindowFont()))))
      << "tooltip of " << shown.width() << "x" << shown.height() << " pixels";
}

INSTANTIATE_TEST_SUITE_P(AllBodies, SelectorHoverTest, ::testing::Range<std::size_t>(0, kBodyCount),
                         testing::BodyTestName);

}  // namespace
}  // namespace stereona::drawings

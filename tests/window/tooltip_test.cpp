#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "drawings/solid_drawing.h"
#include "tests/window/window_fixture.h"
#include "window/window_font.h"

namespace stereona::window::testing {
namespace {

// What hovering a widget does: Qt sends it a tooltip help event.
void Hover(QWidget* widget) {
  const QPoint inside = widget->rect().center();
  QHelpEvent hover(QEvent::ToolTip, inside, widget->mapToGlobal(inside));
  QApplication::sendEvent(widget, &hover);
}

class DrawingToolTipTest : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void TearDown() override { QToolTip::hideText(); }
};

TEST_P(DrawingToolTipTest, HoveringABodySelectorShowsItsDrawing) {
  QRadioButton* selector = Body(GetParam());
  const QString caption = selector->text();
  Hover(selector);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(),
            drawings::SolidDrawingToolTip(static_cast<std::size_t>(GetParam()),
                                          selector->devicePixelRatioF(), WindowFont()));
  EXPECT_EQ(selector->text(), caption);
  EXPECT_TRUE(Body(0)->isChecked()) << "hovering selects nothing";
}

INSTANTIATE_TEST_SUITE_P(Bodies, DrawingToolTipTest, ::testing::Range(0, 6));

TEST_F(WindowTest, UnknownSelectorsHaveNoDrawing) {
  QToolTip::hideText();
  Hover(Unknown(1));
  EXPECT_FALSE(QToolTip::text().contains(QStringLiteral("data:image/png")));
}

}  // namespace
}  // namespace stereona::window::testing

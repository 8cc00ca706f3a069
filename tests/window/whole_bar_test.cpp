#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <string>

#include "core/bodies.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/qt_colour.h"

// The whole coloured bar of an option button is the button: a click on any
// part of it selects it and runs its handling once, as a click on the circle.
namespace stereona::window::testing {
namespace {

constexpr BarSpot kSpots[] = {BarSpot::FarRight, BarSpot::EmptyMiddle};

std::string Where(const QRadioButton& button, BarSpot spot) {
  return button.objectName().toStdString() +
         (spot == BarSpot::FarRight ? " at its far right end" : " in its empty middle");
}

// The spots must lie where Qt's own radio button takes no click, or these
// tests would pass without the bars.
bool QtWouldTakeAClickAt(const QRadioButton& button, QPoint point) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  return button.style()
      ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, &button)
      .contains(point);
}

TEST_F(WindowTest, AClickAnywhereOnABodyBarChoosesThatBody) {
  for (const BarSpot spot : kSpots) {
    for (int v = 0; v < static_cast<int>(kBodyCount); ++v) {
      QRadioButton* bar = Body(v);
      const std::string where = Where(*bar, spot);
      ASSERT_FALSE(QtWouldTakeAClickAt(*bar, PointOf(*bar, spot))) << where;
      Click(Body(v == 5 ? 4 : 5));
      Click(Unknown(1));
      QSignalSpy clicks(bar, &QAbstractButton::clicked);

      Click(bar, spot);
      const stereona::Body& body = kBodies[static_cast<std::size_t>(v)];
      EXPECT_TRUE(bar->isChecked()) << where;
      EXPECT_EQ(Unknown(2)->text(), ToQString(body.quantityCaptions[2])) << where;
      EXPECT_TRUE(Unknown(0)->isChecked() && !Input(0)->isEnabled() && Input(1)->isEnabled())
          << where;

      // On the bar of the body that is selected already: chosen again, V unknown.
      Click(Unknown(1));
      Click(bar, spot);
      EXPECT_TRUE(Unknown(0)->isChecked() && !Input(0)->isEnabled() && Input(1)->isEnabled())
          << where << ", selected already";
      EXPECT_EQ(clicks.count(), 2) << where;
    }
  }
}

TEST_F(WindowTest, AClickAnywhereOnAnUnknownBarChoosesThatUnknown) {
  Click(Body(5));  // all four unknown selectors shown
  for (const BarSpot spot : kSpots) {
    for (int unknown : {1, 3, 2, 0}) {
      QRadioButton* bar = Unknown(unknown);
      const std::string where = Where(*bar, spot);
      ASSERT_FALSE(QtWouldTakeAClickAt(*bar, PointOf(*bar, spot))) << where;
      QSignalSpy clicks(bar, &QAbstractButton::clicked);

      Click(bar, spot);
      EXPECT_EQ(clicks.count(), 1) << where;
      EXPECT_TRUE(bar->isChecked()) << where;
      for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Input(k)->isEnabled(), k != unknown) << where << ", input " << k;
        EXPECT_EQ(BackColourOf(*Input(k)),
                  k == unknown ? form::kInactiveBorder : form::kWindowBackground)
            << where << ", input " << k;
      }
    }
  }
}

}  // namespace
}  // namespace stereona::window::testing

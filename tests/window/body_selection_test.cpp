#include <QLabel>

#include "core/bodies.h"
#include "window/back_colour.h"
#include "window/qt_text.h"
#include "window_fixture.h"

// Choosing a body relabels the unknown selectors, shows or hides the fourth
// quantity and the pi label, and makes the volume the unknown again.
namespace stereona::window::testing {
namespace {

struct BodyCase {
  int body;
  bool fourthShown;
  bool piShown;
};

class BodySelection : public WindowTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(BodySelection, RelabelsAndMakesTheVolumeUnknownKeepingTheTexts) {
  const BodyCase& c = GetParam();
  Click(Body(c.body == 5 ? 4 : 5));  // start from another body
  Click(Unknown(1));
  for (int k = 0; k < 4; ++k) Input(k)->setText(QString::number(k + 6));
  const auto texts = InputTexts();

  Click(Body(c.body));

  const stereona::Body& body = kBodies[static_cast<std::size_t>(c.body)];
  for (std::size_t k = 0; k < body.quantityCount; ++k) {
    EXPECT_EQ(Unknown(static_cast<int>(k))->text(), ToQString(body.quantityCaptions[k])) << k;
    EXPECT_EQ(Input(static_cast<int>(k))->accessibleName(), Unknown(static_cast<int>(k))->text());
  }
  EXPECT_EQ(Unknown(3)->isVisibleTo(&window_), c.fourthShown);
  EXPECT_EQ(Input(3)->isVisibleTo(&window_), c.fourthShown);
  EXPECT_EQ(Find("Label1(1)")->isVisibleTo(&window_), c.piShown);
  EXPECT_TRUE(Body(c.body)->isChecked());
  EXPECT_TRUE(Unknown(0)->isChecked());
  EXPECT_FALSE(Input(0)->isEnabled());
  EXPECT_EQ(BackColourOf(*Input(0)), kInactiveBorder);
  EXPECT_TRUE(Input(1)->isEnabled());
  EXPECT_EQ(BackColourOf(*Input(1)), kWindowBackground);
  EXPECT_EQ(InputTexts(), texts);
}

INSTANTIATE_TEST_SUITE_P(EachBody, BodySelection,
                         ::testing::Values(BodyCase{0, false, true}, BodyCase{1, true, true},
                                           BodyCase{2, false, false}, BodyCase{3, true, false},
                                           BodyCase{4, false, true}, BodyCase{5, true, false}),
                         [](const auto& tested) {
                           return "Body" + std::to_string(tested.param.body);
                         });

TEST_F(WindowTest, HiddenFourthSelectorKeepsTheCaptionItLastHad) {
  for (int fourBody : {1, 3, 5}) {
    Click(Body(fourBody));
    for (int threeBody : {0, 2, 4}) {
      Click(Body(threeBody));
      EXPECT_EQ(Unknown(3)->text(),
                ToQString(kBodies[static_cast<std::size_t>(fourBody)].quantityCaptions[3]));
      Click(Body(fourBody));
    }
  }
}

TEST_F(WindowTest, SwitchingBodiesKeepsThePreviousSolution) {
  Click(Command(0));
  const QString solution = Output();
  Click(Body(3));
  Click(Body(0));
  EXPECT_EQ(Output(), solution);
}

}  // namespace
}  // namespace stereona::window::testing

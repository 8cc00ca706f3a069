#include <QLabel>
#include <QTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/bodies.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/qt_colour.h"

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

TEST_P(BodySelection, RelabelsAndMakesTheVolumeUnknownKeepingTextsAndSolution) {
  const BodyCase& c = GetParam();
  Click(Body(c.body == 5 ? 4 : 5));  // start from another body, with H unknown
  Click(Unknown(1));
  for (int k = 0; k < 4; ++k) Input(k)->setText(QString::number(k + 6));
  Click(Command(0));
  const Texts texts = InputTexts();
  const QString solution = Output();

  Click(Body(c.body));

  const stereona::Body& body = kBodies[static_cast<std::size_t>(c.body)];
  for (int k = 0; k < static_cast<int>(body.quantityCount); ++k) {
    EXPECT_EQ(Unknown(k)->text(), ToQString(body.quantityCaptions[static_cast<std::size_t>(k)]));
    EXPECT_EQ(Input(k)->accessibleName(), Unknown(k)->text());
  }
  EXPECT_EQ(Unknown(3)->isVisibleTo(&window_), c.fourthShown);
  EXPECT_EQ(Input(3)->isVisibleTo(&window_), c.fourthShown);
  EXPECT_EQ(Find("Label1(1)")->isVisibleTo(&window_), c.piShown);
  EXPECT_TRUE(Body(c.body)->isChecked() && Unknown(0)->isChecked());
  EXPECT_FALSE(Input(0)->isEnabled());
  EXPECT_EQ(BackColourOf(*Input(0)), form::kInactiveBorder);
  EXPECT_TRUE(Input(1)->isEnabled());
  EXPECT_EQ(BackColourOf(*Input(1)), form::kWindowBackground);
  EXPECT_EQ(InputTexts(), texts);
  EXPECT_EQ(Output(), solution);
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
    for (int threeBody : {0, 2, 4}) {
      Click(Body(fourBody));
      Click(Body(threeBody));
      EXPECT_EQ(Unknown(3)->text(),
                ToQString(kBodies[static_cast<std::size_t>(fourBody)].quantityCaptions[3]));
    }
  }
}

// A click on the body that is selected already chooses it once more, so the
// volume is the unknown again; selecting it from code changes nothing.
TEST_F(WindowTest, ChoosingTheSelectedBodyAgainMakesTheVolumeUnknown) {
  const std::vector<std::pair<const char*, std::function<void(QRadioButton*)>>> ways = {
      {"mouse", [this](QRadioButton* body) { Click(body); }},
      {"space", [](QRadioButton* body) { QTest::keyClick(body, Qt::Key_Space); }}};
  for (const auto& [way, choose] : ways) {
    for (std::size_t b = 0; b < kBodies.size(); ++b) {
      for (int k = 1; k < static_cast<int>(kBodies[b].quantityCount); ++k) {
        const std::string where =
            std::string(way) + ", body " + std::to_string(b) + ", unknown " + std::to_string(k);
        Click(Body(static_cast<int>(b)));
        Click(Unknown(k));
        Body(static_cast<int>(b))->setChecked(true);
        EXPECT_TRUE(Unknown(k)->isChecked()) << where;

        choose(Body(static_cast<int>(b)));
        EXPECT_TRUE(Unknown(0)->isChecked()) << where;
        EXPECT_FALSE(Input(0)->isEnabled()) << where;
        EXPECT_EQ(BackColourOf(*Input(0)), form::kInactiveBorder) << where;
        EXPECT_TRUE(Input(k)->isEnabled()) << where;
        EXPECT_EQ(BackColourOf(*Input(k)), form::kWindowBackground) << where;
      }
    }
  }
}

}  // namespace
}  // namespace stereona::window::testing

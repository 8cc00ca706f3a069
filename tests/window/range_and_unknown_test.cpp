#include <QTest>
#include <functional>

#include "core/number_text.h"
#include "core/random_source.h"
#include "window/back_colour.h"
#include "window_fixture.h"

// Start-up defaults, the marking of the unknown's input and the random fill.
namespace stereona::window::testing {
namespace {

TEST(StartUp, FillsAllFourInputsFromOneToTenBeforeTheWindowShows) {
  for (int run = 0; run < 20; ++run) {
    StereoCalc window;
    for (int k = 0; k < 4; ++k) {
      bool whole = false;
      const int value =
          window.findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(k))->text().toInt(&whole);
      EXPECT_TRUE(whole && value >= 1 && value <= 10) << "Text2(" << k << ") holds " << value;
    }
  }
}

TEST_F(WindowTest, StartsWithTheConeTheVolumeAndTheFirstRange) {
  EXPECT_TRUE(Body(0)->isChecked());
  EXPECT_TRUE(Unknown(0)->isChecked());
  EXPECT_EQ(Ranges()->currentRow(), 0);
  EXPECT_EQ(BackColourOf(*Input(0)), kInactiveBorder);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(BackColourOf(*Input(k)), kWindowBackground) << k;
}

TEST_F(WindowTest, TheUnknownsInputIsGreyedAndDisabledAndNoTextChanges) {
  Click(Body(5));
  for (int unknown : {3, 1, 2, 0}) {
    const auto texts = InputTexts();
    Click(Unknown(unknown));
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(Input(k)->isEnabled(), k != unknown) << unknown << ":" << k;
      EXPECT_EQ(BackColourOf(*Input(k)), k == unknown ? kInactiveBorder : kWindowBackground);
    }
    EXPECT_EQ(InputTexts(), texts);
  }
}

// Each case reseeds the window's sequence, acts, and expects the inputs other
// than the unknown to hold exactly `draws` rounds of values from `range`.
struct FillCase {
  const char* name;
  std::function<void()> act;
  int unknown;
  double range;
  int draws;
};

TEST_F(WindowTest, EachChoiceOfRangeDrawsOnceIntoEveryKnownInput) {
  const std::vector<FillCase> cases = {
      {"click on another item", [this] { ClickRange(2); }, 0, 1000, 1},
      {"click on the current item", [this] { ClickRange(2); }, 0, 1000, 1},
      {"key down", [this] { QTest::keyClick(Ranges(), Qt::Key_Down); }, 0, 10000, 1},
      {"two clicks",
       [this] {
         ClickRange(1);
         ClickRange(1);
       },
       0, 100, 2},
      {"H unknown, hidden fourth filled",
       [this] {
         Click(Unknown(1));
         ClickRange(4);
       },
       1, 100000, 1},
  };
  constexpr std::uint32_t kSeed = 20240229;
  for (const FillCase& c : cases) {
    auto expected = InputTexts();
    RandomSource reference(kSeed);
    for (int round = 0; round < c.draws; ++round) {
      for (int k = 0; k < 4; ++k) {
        if (k != c.unknown)
          expected[static_cast<std::size_t>(k)] =
              QString::fromStdString(NumberText(reference.WholeNumber(c.range)));
      }
    }
    window_.Random().Seed(kSeed);
    c.act();
    EXPECT_EQ(InputTexts(), expected) << c.name;
  }
}

TEST_F(WindowTest, ARandomFillAfterClearingRefillsEveryKnownInput) {
  Click(Command(1));
  ClickRange(3);
  for (int k = 1; k < 4; ++k) EXPECT_FALSE(Input(k)->text().isEmpty()) << k;
  EXPECT_TRUE(Input(0)->text().isEmpty());
}

TEST_F(WindowTest, APreviousUnknownBecomesEditableWithItsText) {
  Click(Unknown(2));
  const QString radius = Input(2)->text();
  Click(Unknown(0));
  EXPECT_TRUE(Input(2)->isEnabled());
  EXPECT_EQ(Input(2)->text(), radius);
}

}  // namespace
}  // namespace stereona::window::testing

#include <QTest>
#include <functional>

#include "core/number_text.h"
#include "core/random_source.h"
#include "tests/window/window_fixture.h"
#include "window/qt_colour.h"

// Start-up defaults, the marking of the unknown's input and the random fill.
namespace stereona::window::testing {
namespace {

TEST(StartUp, FillsAllFourInputsFromOneToTenBeforeTheWindowShows) {
  for (int run = 0; run < 20; ++run) {
    const StereoCalc window;
    for (int k = 0; k < 4; ++k) {
      bool whole = false;
      const auto* input = window.findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(k));
      const int value = input->text().toInt(&whole);
      EXPECT_TRUE(whole && value >= 1 && value <= 10) << "Text2(" << k << ") holds " << value;
    }
  }
}

TEST_F(WindowTest, StartsWithTheConeTheVolumeAndTheFirstRange) {
  EXPECT_TRUE(Body(0)->isChecked() && Unknown(0)->isChecked());
  EXPECT_EQ(Ranges()->currentRow(), 0);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(BackColourOf(*Input(k)), k == 0 ? form::kInactiveBorder : form::kWindowBackground)
        << k;
  }
}

TEST_F(WindowTest, TheUnknownsInputIsGreyedAndDisabledAndNoTextChanges) {
  Click(Body(5));
  for (int unknown : {3, 1, 2, 0}) {
    const Texts texts = InputTexts();
    Click(Unknown(unknown));
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(Input(k)->isEnabled(), k != unknown) << unknown << ":" << k;
      EXPECT_EQ(BackColourOf(*Input(k)),
                k == unknown ? form::kInactiveBorder : form::kWindowBackground);
    }
    EXPECT_EQ(InputTexts(), texts);
  }
}

// Each case prepares, reseeds the window's sequence, acts, and expects the
// inputs other than the unknown to hold exactly `draws` rounds of values
// drawn from `range`, and the unknown's input to keep its text.
struct FillCase {
  const char* name;
  std::function<void()> prepare;
  std::function<void()> act;
  int unknown;
  double range;
  int draws;
};

TEST_F(WindowTest, EachChoiceOfRangeDrawsOnceIntoEveryKnownInput) {
  const auto none = [] {};
  const std::vector<FillCase> cases = {
      {"click on another item", none, [this] { ClickRange(2); }, 0, 1000, 1},
      {"click on the current item", none, [this] { ClickRange(2); }, 0, 1000, 1},
      {"key down", none, [this] { QTest::keyClick(Ranges(), Qt::Key_Down); }, 0, 10000, 1},
      {"two clicks", none, [this] { ClickRange(1), ClickRange(1); }, 0, 100, 2},
      {"H unknown", [this] { Click(Unknown(1)); }, [this] { ClickRange(4); }, 1, 100000, 1},
      {"after clearing", [this] { Click(Command(1)); }, [this] { ClickRange(3); }, 1, 10000, 1},
  };
  constexpr std::uint32_t kSeed = 20240229;
  for (const FillCase& c : cases) {
    c.prepare();
    Texts expected = InputTexts();
    RandomSource reference(kSeed);
    for (int round = 0; round < c.draws; ++round) {
      for (std::size_t k = 0; k < 4; ++k) {
        if (static_cast<int>(k) == c.unknown) continue;
        expected[k] = QString::fromStdString(NumberText(reference.WholeNumber(c.range)));
      }
    }
    window_.Form().Random().Seed(kSeed);
    c.act();
    EXPECT_EQ(InputTexts(), expected) << c.name;
  }
}

}  // namespace
}  // namespace stereona::window::testing

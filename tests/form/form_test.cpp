#include "form/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/fault.h"
#include "core/number_text.h"
#include "form/control_arrays.h"
#include "form/reference_text.h"
#include "solvers/body_solvers.h"
#include "tests/support/fake_controls.h"

// The window's behaviour as the form keeps it, without any toolkit: what a
// face would show after each of the student's actions, and the order in
// which the form reports its changes.
namespace stereona::form {
namespace {

constexpr std::uint32_t kSeed = 20240229;
std::uint32_t FixedSeed() { return kSeed; }

struct Change {
  ControlIndex control;
  Property property;
  bool operator==(const Change&) const = default;
};

class Recorder : public FormListener {
 public:
  void ControlChanged(ControlIndex control, Property property) override {
    changes.push_back({control, property});
  }
  void FaultRaised(const FaultReport& fault) override {
    faults.emplace_back(fault.number, std::string(fault.description));
    messages.emplace_back(fault.message);
  }

  std::size_t Count(Change change) const {
    return static_cast<std::size_t>(std::count(changes.begin(), changes.end(), change));
  }
  // Where the first report of `change` stands, or the end.
  std::size_t First(Change change) const {
    return static_cast<std::size_t>(std::find(changes.begin(), changes.end(), change) -
                                    changes.begin());
  }
  std::size_t Last(Change change) const {
    const auto found = std::find(changes.rbegin(), changes.rend(), change);
    return found == changes.rend() ? changes.size()
                                   : static_cast<std::size_t>(changes.rend() - found) - 1;
  }

  std::vector<Change> changes;
  std::vector<std::pair<int, std::string>> faults;
  std::vector<std::string> messages;
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetListener(&recorder);
    form.Form_Load();
    recorder.changes.clear();
  }

  const ControlState& Of(ControlIndex control) const { return form.State(control); }
  const std::string& InputText(std::size_t k) const { return Of(kText2[k]).text; }
  std::array<std::string, kMaxQuantities> InputTexts() const {
    return {InputText(0), InputText(1), InputText(2), InputText(3)};
  }
  void TypeAll(const std::array<std::string, kMaxQuantities>& texts) {
    for (std::size_t k = 0; k < kMaxQuantities; ++k) form.Type(kText2[k], texts[k]);
  }

  void ExpectUnknownMarked(std::size_t unknown, const std::string& where) const {
    for (std::size_t k = 0; k < kMaxQuantities; ++k) {
      EXPECT_EQ(Of(kOption2[k]).selected, k == unknown) << where << ", selector " << k;
      EXPECT_EQ(Of(kText2[k]).enabled, k != unknown) << where << ", input " << k;
      EXPECT_EQ(Of(kText2[k]).back, k == unknown ? kInactiveBorder : kWindowBackground)
          << where << ", input " << k;
    }
  }

  void ExpectLabelledFor(std::size_t body, const std::string& where) const {
    const Body& shown = kBodies[body];
    for (std::size_t k = 0; k < shown.quantityCount; ++k) {
      EXPECT_EQ(Of(kOption2[k]).caption, shown.quantityCaptions[k]) << where << ", selector " << k;
    }
    const bool four = shown.quantityCount == kMaxQuantities;
    EXPECT_EQ(Of(kOption2[3]).visible, four) << where;
    EXPECT_EQ(Of(kText2[3]).visible, four) << where;
    EXPECT_EQ(Of(kPiLabelControl).visible, shown.usesPi) << where;
    for (std::size_t v = 0; v < kBodyCount; ++v) {
      EXPECT_EQ(Of(kOption1[v]).selected, v == body) << where << ", body " << v;
    }
  }

  // Selecting V (step 3 of the body selection) reports Selected; the
  // unknown selection's colours and enabled states follow at once, and only
  // then do the body's own captions and visibility (step 4).
  void ExpectNestedBeforeTheBodysOwnSteps(const std::string& where) const {
    const auto& changes = recorder.changes;
    const std::size_t selected = recorder.First({kOption2[0], Property::Selected});
    ASSERT_LT(selected, changes.size()) << where;
    std::size_t lastMark = selected;
    std::size_t firstStep4 = changes.size();
    for (std::size_t i = 0; i < changes.size(); ++i) {
      const Property p = changes[i].property;
      if (p == Property::Colour || p == Property::Enabled) {
        EXPECT_GT(i, selected) << where;
        lastMark = std::max(lastMark, i);
      }
      if (i > selected && (p == Property::Caption || p == Property::Visible)) {
        firstStep4 = std::min(firstStep4, i);
      }
    }
    EXPECT_GT(lastMark, selected) << where;
    ASSERT_LT(firstStep4, changes.size()) << where << ": no step after the unknown selection";
    EXPECT_LT(lastMark, firstStep4) << where;
  }

  Recorder recorder;
  Form form{FixedSeed};
};

// The texts that `draws` rounds of the random fill from `range` write into
// `texts`, leaving the unknown's alone, from a sequence seeded with `seed`.
std::array<std::string, kMaxQuantities> Filled(std::array<std::string, kMaxQuantities> texts,
                                               std::uint32_t seed, double range, int unknown,
                                               int draws = 1) {
  RandomSource reference(seed);
  for (int round = 0; round < draws; ++round) {
    for (std::size_t k = 0; k < kMaxQuantities; ++k) {
      if (static_cast<int>(k) != unknown) texts[k] = NumberText(reference.WholeNumber(range));
    }
  }
  return texts;
}

TEST_F(FormTest, StartsWithTheConeTheVolumeTheFirstRangeAndFourRandomValues) {
  // No unknown is selected while start-up fills, so all four inputs draw.
  EXPECT_EQ(InputTexts(), Filled({}, kSeed, 10, -1));
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    const int value = std::stoi(InputText(k));
    EXPECT_TRUE(value >= 1 && value <= 10) << k << ": " << value;
  }
  ExpectLabelledFor(0, "start-up");
  ExpectUnknownMarked(0, "start-up");
  EXPECT_EQ(Of(kDiapazon).currentRow, 0);
  EXPECT_EQ(Of(kOutputBox).text, ReferenceText());
  EXPECT_EQ(form.Problem().Quantity, ProblemState{}.Quantity);
}

TEST(FormStartUp, ReportsTheFillTheBodyAndTheUnknownInTheOrderTheyHappen) {
  Recorder recorder;
  Form form{FixedSeed};
  form.SetListener(&recorder);
  form.Form_Load();
  const std::size_t filled = recorder.Last({kText2[3], Property::Text});
  const std::size_t cone = recorder.First({kOption1[0], Property::Selected});
  const std::size_t marked = recorder.First({kText2[0], Property::Enabled});
  EXPECT_LT(filled, cone);
  EXPECT_LT(cone, marked);
  EXPECT_LT(marked, recorder.changes.size());
  EXPECT_EQ(recorder.Count({kText2[0], Property::Enabled}), 1U);
  EXPECT_EQ(recorder.Count({kPiLabelControl, Property::Visible}), 0U);  // shown already
}

TEST_F(FormTest, ChoosingABodyFromAnyUnknownRelabelsAndMakesTheVolumeUnknownOnce) {
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    for (std::size_t unknown = 0; unknown < kMaxQuantities; ++unknown) {
      const std::string where =
          "body " + std::to_string(body) + ", unknown " + std::to_string(unknown);
      form.Click(kOption1[body == 5 ? 3 : 5]);  // a body with four quantities
      form.Click(kOption2[unknown]);
      form.Type(kText2[1], "7");
      const auto texts = InputTexts();
      const std::string output = Of(kOutputBox).text;
      recorder.changes.clear();

      form.Click(kOption1[body]);

      ExpectLabelledFor(body, where);
      ExpectUnknownMarked(0, where);
      EXPECT_EQ(InputTexts(), texts) << where;
      EXPECT_EQ(Of(kOutputBox).text, output) << where;
      // The unknown selection ran exactly once, or not at all when V was the
      // unknown already, and had finished before the body's own captions.
      const Change greyed{kText2[0], Property::Colour};
      EXPECT_EQ(recorder.Count(greyed), unknown == 0 ? 0U : 1U) << where;
      if (unknown != 0) ExpectNestedBeforeTheBodysOwnSteps(where);
    }
  }
}

TEST_F(FormTest, ClickingTheSelectedBodyAgainMakesTheVolumeUnknownAndKeepsItsCaptions) {
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    for (std::size_t unknown = 1; unknown < kBodies[body].quantityCount; ++unknown) {
      const std::string where =
          "body " + std::to_string(body) + ", unknown " + std::to_string(unknown);
      form.Click(kOption1[body]);
      form.Click(kOption2[unknown]);
      form.Click(kOption1[body]);
      ExpectLabelledFor(body, where);
      ExpectUnknownMarked(0, where);
    }
  }
}

TEST_F(FormTest, AHiddenFourthSelectorKeepsTheCaptionItLastHad) {
  for (const std::size_t four : {1U, 3U, 5U}) {
    for (const std::size_t three : {0U, 2U, 4U}) {
      form.Click(kOption1[four]);
      form.Click(kOption1[three]);
      EXPECT_EQ(Of(kOption2[3]).caption, kBodies[four].quantityCaptions[3]) << four << three;
    }
  }
}

TEST_F(FormTest, ChoosingAnUnknownMarksItsInputAndChangesNoTextNorProblemState) {
  form.Click(kOption1[5]);
  form.Click(kCommand1[0]);
  const ProblemState before = form.Problem();
  for (const std::size_t unknown : {3U, 1U, 2U, 0U, 0U}) {
    const auto texts = InputTexts();
    const std::string output = Of(kOutputBox).text;
    form.Click(kOption2[unknown]);
    ExpectUnknownMarked(unknown, "unknown " + std::to_string(unknown));
    EXPECT_EQ(InputTexts(), texts);
    EXPECT_EQ(Of(kOutputBox).text, output);
    EXPECT_EQ(form.Problem().Quantity, before.Quantity);
    EXPECT_EQ(form.Problem().UnknownIndex, before.UnknownIndex);
  }
}

TEST_F(FormTest, EachRangeFillsEveryKnownInputAndTheUnknownKeepsItsText) {
  struct Case {
    int row;
    std::size_t unknown;
    int draws;
  };
  form.Click(kOption1[5]);
  const std::vector<Case> cases = {{4, 1, 1}, {1, 0, 1}, {2, 3, 1},
                                   {3, 2, 1}, {0, 0, 1}, {0, 2, 2}};
  for (const Case& c : cases) {
    form.Click(kOption2[c.unknown]);
    form.Type(kText2[c.unknown], "x");
    const auto expected = Filled(InputTexts(), kSeed + 1,
                                 std::stod(std::string(kRanges[static_cast<std::size_t>(c.row)])),
                                 static_cast<int>(c.unknown), c.draws);
    form.Random().Seed(kSeed + 1);
    for (int draw = 0; draw < c.draws; ++draw) form.ChooseRow(kDiapazon, c.row);
    EXPECT_EQ(InputTexts(), expected) << "row " << c.row;
    EXPECT_EQ(InputText(c.unknown), "x");
    EXPECT_EQ(Of(kDiapazon).currentRow, c.row);
  }
}

TEST_F(FormTest, AfterClearingAFillWritesEveryKnownInputAgainTheHiddenOneIncluded) {
  form.Click(kCommand1[1]);
  EXPECT_EQ(InputTexts(), (std::array<std::string, 4>{}));
  form.ChooseRow(kDiapazon, 4);
  for (std::size_t k = 1; k < kMaxQuantities; ++k) EXPECT_FALSE(InputText(k).empty()) << k;
  EXPECT_EQ(InputText(0), "");
  EXPECT_EQ(Of(kOutputBox).text, ReferenceText());
}

// The form's result is the calculation's own, with the controls as plain
// values: the same texts read as the same slots.
std::string CalculatedAlone(int body, int unknown, const std::array<std::string, 4>& inputs) {
  testing::FakeControls controls;
  controls.selectedBody = body;
  controls.selectedUnknown = unknown;
  controls.inputs = inputs;
  Calculator calculator(controls, BodySolvers(), "");
  calculator.Command1_Click(0);
  return calculator.Output();
}

TEST_F(FormTest, ValuesTypedForOneBodyAreReadAsTheSlotsOfTheNext) {
  TypeAll({"x", "7", "6", ""});
  for (const int body : {4, 5, 0}) {
    form.Click(kOption1[static_cast<std::size_t>(body)]);
    form.Click(kCommand1[0]);
    EXPECT_EQ(Of(kOutputBox).text, CalculatedAlone(body, 0, InputTexts())) << body;
    EXPECT_EQ(form.Problem().Quantity[1], 7);
    EXPECT_EQ(form.Problem().Quantity[2], 6);
  }
  EXPECT_EQ(CalculatedAlone(4, 0, InputTexts()),
            "V = pi * H * R *R = (22 * H * R *R) / 7\r\nV = 22 * 7 * 6 * 6 / 7 = 5544 / 7 = 792\r\n"
            "\r\n");
}

TEST_F(FormTest, CalculatesAndClearsThroughTheCommandButtons) {
  form.Click(kOption1[5]);
  TypeAll({"x", "2", "3", "5"});
  recorder.changes.clear();
  form.Click("Command1(0)");
  EXPECT_EQ(Of(kOutputBox).text, "V = a * b * c\r\nV = 2 * 3 * 5 = 30\r\n\r\n");
  EXPECT_GE(recorder.Count({kOutputBox, Property::Text}), 1U);
  EXPECT_EQ(form.Problem().UnknownIndex, 0);

  form.Click(kOption2[1]);
  form.Click("Command1(1)");
  EXPECT_EQ(InputTexts(), (std::array<std::string, 4>{}));
  form.Click(kCommand1[0]);
  EXPECT_EQ(Of(kOutputBox).text, kZeroKnownMessage);
}

TEST_F(FormTest, AFaultIsReportedWithItsNumberAndTheNextCommandWorks) {
  TypeAll({"x", "1E+200", "1E+200", ""});
  form.Click(kCommand1[0]);
  ASSERT_EQ(recorder.faults.size(), 1U);
  EXPECT_EQ(recorder.faults[0].first, static_cast<int>(FaultKind::Overflow));
  EXPECT_EQ(recorder.faults[0].second, FaultDescription(FaultKind::Overflow));
  EXPECT_EQ(recorder.messages[0], "Грешка 6: Препълване");
  EXPECT_EQ(Of(kOutputBox).text, ReferenceText());  // the product overflowed before any line

  TypeAll({"x", "7", "6", ""});
  form.Click(kCommand1[0]);
  EXPECT_TRUE(Of(kOutputBox).text.ends_with(" = 264\r\n\r\n")) << Of(kOutputBox).text;
  EXPECT_EQ(recorder.faults.size(), 1U);
}

TEST_F(FormTest, ControlsThatCannotTakeTheActionIgnoreIt) {
  const auto texts = InputTexts();
  const std::vector<std::pair<const char*, std::function<void()>>> actions = {
      {"hidden fourth selector", [this] { form.Click(kOption2[3]); }},
      {"disabled input clicked", [this] { form.Click(kText2[0]); }},
      {"a label", [this] { form.Click("Label1(0)"); }},
      {"no such control", [this] { form.Click("Option1(9)"); }},
      {"text into the output box", [this] { form.Type(kOutputBox, "typed"); }},
      {"text into a label", [this] { form.Type(kLabel1[0], "typed"); }},
      {"row past the list", [this] { form.ChooseRow(kDiapazon, 5); }},
      {"no row", [this] { form.ChooseRow(kDiapazon, -1); }},
      {"a row of no list", [this] { form.ChooseRow(kText2[1], 0); }},
  };
  for (const auto& [what, act] : actions) {
    act();
    EXPECT_TRUE(recorder.changes.empty()) << what;
    EXPECT_EQ(InputTexts(), texts) << what;
  }
}

TEST_F(FormTest, EachChangeIsReportedOnceAndOnlyWhenTheValueChanges) {
  form.Type(kText2[1], "12");
  form.Type(kText2[1], "12");
  EXPECT_EQ(recorder.changes, (std::vector<Change>{{kText2[1], Property::Text}}));
  recorder.changes.clear();
  form.Click(kOption1[2]);  // from the cone: the pi label hides, R becomes a
  EXPECT_EQ(recorder.Count({kOption1[0], Property::Selected}), 1U);
  EXPECT_EQ(recorder.Count({kOption1[2], Property::Selected}), 1U);
  EXPECT_EQ(recorder.Count({kOption2[2], Property::Caption}), 1U);  // R stays R, then a
  EXPECT_EQ(recorder.Count({kPiLabelControl, Property::Visible}), 1U);
  EXPECT_EQ(recorder.Count({kOption2[0], Property::Selected}), 0U);  // V was the unknown
}

}  // namespace
}  // namespace stereona::form

#include "core/number_text.h"
#include "core/parse_number.h"
#include "form/control_arrays.h"
#include "form/form.h"

// Start-up, body selection, unknown selection and the random fill. Each step
// that selects a control from code runs that control's handler before the
// next step, so the order of the steps is the order of their effects.
namespace stereona::form {
namespace {

constexpr std::size_t kFourth = kMaxQuantities - 1;
constexpr auto kCone = static_cast<std::size_t>(BodyIndex::Cone);
constexpr std::size_t kCommonCaptions = 3;  // V, H, R, until a body says otherwise

}  // namespace

void Form::Form_Load() {
  random_.Seed(seed_());
  // No unknown is selected yet, so this fills all four inputs.
  SetCurrentRow(kDiapazon, 0);
  Select(kOption1[kCone]);
  Select(kOption2[0]);  // selected already by the cone: no change
  LabelCommonSelectors();
}

void Form::Option1_Click(std::int16_t index) {
  SetVisible(kOption2[kFourth], false);
  SetVisible(kText2[kFourth], false);
  LabelCommonSelectors();
  // Makes V the unknown; if it was not, the unknown selection runs here,
  // before the body's own captions are set.
  Select(kOption2[0]);
  if (index >= 0 && static_cast<std::size_t>(index) < kBodyCount) {
    ShowQuantitiesOf(static_cast<std::size_t>(index));
  }
}

void Form::Option2_Click(std::int16_t index) {
  for (std::size_t k = 0; k < kMaxQuantities; ++k) MarkInput(k, kWindowBackground, true);
  if (index >= 0 && static_cast<std::size_t>(index) < kMaxQuantities) {
    MarkInput(static_cast<std::size_t>(index), kInactiveBorder, false);
  }
}

void Form::Diapazon_Click(std::int16_t /*index: the list is the array's only member*/) {
  const int row = states_[kDiapazon].currentRow;
  const auto& items = kLayout[kDiapazon].items;
  const double range = row >= 0 && static_cast<std::size_t>(row) < items.size()
                           ? ParseNumber(items[static_cast<std::size_t>(row)])
                           : 0.0;
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    if (states_[kOption2[k]].selected) continue;  // the unknown keeps its text
    SetText(kText2[k], NumberText(random_.WholeNumber(range)));
  }
}

void Form::LabelCommonSelectors() {
  for (std::size_t k = 0; k < kCommonCaptions; ++k) {
    SetCaption(kOption2[k], kBodies[kCone].quantityCaptions[k]);
  }
}

void Form::ShowQuantitiesOf(std::size_t body) {
  const Body& shown = kBodies[body];
  if (shown.quantityCount == kMaxQuantities) {
    SetVisible(kOption2[kFourth], true);
    SetVisible(kText2[kFourth], true);
  }
  // A body with three quantities leaves the hidden fourth caption as it was.
  for (std::size_t k = 1; k < shown.quantityCount; ++k) {
    SetCaption(kOption2[k], shown.quantityCaptions[k]);
  }
  SetVisible(kPiLabelControl, shown.usesPi);
}

void Form::MarkInput(std::size_t k, BackColour colour, bool enabled) {
  SetBackColour(kText2[k], colour);
  SetEnabled(kText2[k], enabled);
}

}  // namespace stereona::form

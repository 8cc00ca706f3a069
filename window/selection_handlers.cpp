#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "core/number_text.h"
#include "core/parse_number.h"
#include "window/qt_text.h"
#include "window/range_list.h"
#include "window/stereo_calc.h"

// Start-up, body selection, unknown selection and the random fill. Each step
// that selects a control from code runs that control's handler before the
// next step, so the order of the steps is the order of their effects.
namespace stereona::window {
namespace {

constexpr std::size_t kFourth = kMaxQuantities - 1;
constexpr auto kCone = static_cast<std::size_t>(BodyIndex::Cone);
constexpr std::size_t kCommonCaptions = 3;  // V, H, R, until a body says otherwise

}  // namespace

void StereoCalc::Form_Load() {
  random_.SeedFromClock();
  // No unknown is selected yet, so this fills all four inputs.
  controls_.diapazon->setCurrentRow(0);
  controls_.option1[kCone]->setChecked(true);
  controls_.option2[0]->setChecked(true);  // selected already by the cone: no change
  LabelCommonSelectors();
}

void StereoCalc::Option1_Click(std::int16_t index) {
  controls_.option2[kFourth]->hide();
  controls_.text2[kFourth]->hide();
  LabelCommonSelectors();
  // Makes V the unknown; if it was not, the unknown selection runs here,
  // before the body's own captions are set.
  controls_.option2[0]->setChecked(true);
  if (index >= 0 && static_cast<std::size_t>(index) < kBodyCount) {
    ShowQuantitiesOf(static_cast<std::size_t>(index));
  }
}

void StereoCalc::Option2_Click(std::int16_t index) {
  for (std::size_t k = 0; k < kMaxQuantities; ++k) MarkInput(k, kWindowBackground, true);
  if (index >= 0 && static_cast<std::size_t>(index) < kMaxQuantities) {
    MarkInput(static_cast<std::size_t>(index), kInactiveBorder, false);
  }
}

void StereoCalc::Diapazon_Click(std::int16_t /*index: the list is the array's only member*/) {
  const QListWidgetItem* item = controls_.diapazon->currentItem();
  const double range = ParseNumber(item ? item->text().toStdString() : std::string{});
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    if (controls_.option2[k]->isChecked()) continue;  // the unknown keeps its text
    inputs_.SetInputText(static_cast<int>(k), NumberText(random_.WholeNumber(range)));
  }
}

void StereoCalc::LabelCommonSelectors() {
  for (std::size_t k = 0; k < kCommonCaptions; ++k) {
    SetQuantityCaption(k, kBodies[kCone].quantityCaptions[k]);
  }
}

void StereoCalc::ShowQuantitiesOf(std::size_t body) {
  const Body& shown = kBodies[body];
  if (shown.quantityCount == kMaxQuantities) {
    controls_.option2[kFourth]->show();
    controls_.text2[kFourth]->show();
  }
  // A body with three quantities leaves the hidden fourth caption as it was.
  for (std::size_t k = 1; k < shown.quantityCount; ++k) {
    SetQuantityCaption(k, shown.quantityCaptions[k]);
  }
  controls_.label1[kPiLabelIndex]->setVisible(shown.usesPi);
}

void StereoCalc::SetQuantityCaption(std::size_t k, std::string_view caption) {
  const QString text = ToQString(caption);
  controls_.option2[k]->setText(text);
  // The input is only known by the quantity its selector names.
  controls_.text2[k]->setAccessibleName(text);
}

void StereoCalc::MarkInput(std::size_t k, BackColour colour, bool enabled) {
  SetBackColour(*controls_.text2[k], colour);
  controls_.text2[k]->setEnabled(enabled);
}

}  // namespace stereona::window

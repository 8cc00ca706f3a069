#pragma once

#include <QWidget>
#include <cstdint>
#include <string_view>

#include "core/calculator.h"
#include "core/random_source.h"
#include "window/back_colour.h"
#include "window/control_arrays.h"
#include "window/window_controls.h"

namespace stereona::window {

// The main window, Stereo_Calc. It owns the controls and routes their events
// to one handler per control array, which receives the index of the member
// that raised the event. A control selected from code raises its handler at
// once, nested in the statement that selected it, as a click would.
class StereoCalc : public QWidget {
  Q_OBJECT

 public:
  explicit StereoCalc(QWidget* parent = nullptr);

  // The sequence behind the random fill, seeded from the clock at start-up.
  RandomSource& Random() noexcept { return random_; }
  // The quantities and the unknown as the last calculation read them.
  const ProblemState& Problem() const noexcept { return calculator_.State(); }

 private:
  void SetUpWindow();
  void ConnectHandlers();
  void CentreOnScreen();

  // The handlers, named after the control array and the event.
  void Form_Load();
  void Option1_Click(std::int16_t index);
  void Option2_Click(std::int16_t index);
  void Diapazon_Click(std::int16_t index);
  void Command1_Click(std::int16_t index);

  void LabelCommonSelectors();
  void ShowQuantitiesOf(std::size_t body);
  void SetQuantityCaption(std::size_t k, std::string_view caption);
  void MarkInput(std::size_t k, BackColour colour, bool enabled);

  ControlArrays controls_;
  WindowControls inputs_{controls_};
  Calculator calculator_;
  RandomSource random_;
};

}  // namespace stereona::window

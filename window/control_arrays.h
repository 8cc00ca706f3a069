#pragma once

#include <array>
#include <cstddef>

#include "core/bodies.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace stereona::window {

class RangeList;

inline constexpr std::size_t kCommandCount = 2;
inline constexpr std::size_t kLabelCount = 3;
inline constexpr std::size_t kPiLabelIndex = 1;     // the pi label
inline constexpr std::size_t kRangeLabelIndex = 2;  // the caption above the range list

// The members of the control arrays that the handlers address by index,
// looked up once by name in a window that BuildControls has filled.
struct ControlArrays {
  std::array<QRadioButton*, kBodyCount> option1{};
  std::array<QRadioButton*, kMaxQuantities> option2{};
  std::array<QLineEdit*, kMaxQuantities> text2{};
  std::array<QPushButton*, kCommandCount> command1{};
  std::array<QLabel*, kLabelCount> label1{};
  RangeList* diapazon = nullptr;
  QPlainTextEdit* text1 = nullptr;  // Text1(0), the output box

  static ControlArrays Find(const QWidget& window);
};

}  // namespace stereona::window

#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

#include "core/bodies.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace stereona::window {

// The choices a practice sheet and the practice share: which bodies, whether
// any quantity may be asked, and the window's range. Every bound is in the
// controls; the only refusal left is no body chosen.
struct ProblemChoices {
  QGroupBox* bodyBox = nullptr;  // holds the body check boxes
  std::array<QCheckBox*, kBodyCount> bodies{};
  QCheckBox* anyUnknown = nullptr;
  QLabel* rangeLabel = nullptr;  // the range list's buddy, which names it for a screen reader
  QComboBox* range = nullptr;

  std::array<bool, kBodyCount> Bodies() const;
  bool AnyUnknown() const;
  std::size_t Range() const;
  // Shows the given choices without raising a change.
  void Show(const std::array<bool, kBodyCount>& chosen, bool any, std::size_t rangeIndex);
  // Calls `changed` whenever the user changes a choice; `context` ends the
  // connections when it goes.
  void OnChange(QWidget* context, const std::function<void()>& changed) const;
};

// How a face writes a caption on a control: as it is, or with a mnemonic.
using CaptionText = std::function<QString(std::string_view)>;

// Builds the controls as children of `parent`, each named `prefix` and what
// it holds ("SheetBody0", "SheetAnyUnknown", "SheetRange"), with the
// captions of the sheet dialog.
ProblemChoices BuildProblemChoices(QWidget& parent, const QString& prefix,
                                   const CaptionText& caption);

}  // namespace stereona::window

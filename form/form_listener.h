#pragma once

#include <string_view>

#include "form/control_state.h"
#include "form/layout_table.h"

namespace stereona::form {

struct FaultReport {
  int number;
  std::string_view description;  // in Bulgarian
  std::string_view message;      // "Грешка 6: Препълване"
};

// A face, as the form sees it. The form tells it each property that changed,
// in the order the handlers change them, and the face reads the new value
// from the form's state. Neither call may throw back into the form.
class FormListener {
 public:
  virtual ~FormListener() = default;

  virtual void ControlChanged(ControlIndex control, Property property) = 0;

  // A floating-point fault ended the command; the text written before it
  // stays. The student is told the message, which holds the number and the
  // description.
  virtual void FaultRaised(const FaultReport& fault) = 0;
};

}  // namespace stereona::form

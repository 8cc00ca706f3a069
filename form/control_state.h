#pragma once

#include <string>

#include "form/back_colour.h"
#include "form/vocabulary.h"

namespace stereona::form {

// What a face shows of one control and the handlers read or change. A row of
// the layout table gives its first values.
struct ControlState {
  std::string caption;  // frames, option buttons, command buttons, labels
  std::string text;     // text boxes; the output box's lines end in CRLF
  bool visible = true;
  bool enabled = true;
  bool selected = false;  // option buttons
  BackColour back = 0;
  int currentRow = -1;  // the list's current item, -1 for none
};

}  // namespace stereona::form

#pragma once

#include <string>

#include "form/back_colour.h"

namespace stereona::web {

// A back colour of the layout as CSS: a fixed colour as #RRGGBB, a system
// colour as the browser's nearest role, as the window maps it to Qt's
// palette: the window background to the colour of an input field, the
// inactive border to its classic light grey.
std::string CssColour(form::BackColour colour);

}  // namespace stereona::web

#pragma once

#include <string>

namespace stereona::window {

// The task statement and one worked example per body that the output box
// shows until the first calculation: 28 lines, each ended by CRLF. The text
// lives in a resource file whose line ends git is told to keep.
const std::string& ReferenceText();

}  // namespace stereona::window

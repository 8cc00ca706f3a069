#pragma once

#include <string_view>

namespace stereona::form {

// The task statement and one worked example per body that the output box
// shows until the first calculation: 28 lines, each ended by CRLF. The text
// is reference_text.txt, whose line ends git is told to keep, built in.
std::string_view ReferenceText();

}  // namespace stereona::form

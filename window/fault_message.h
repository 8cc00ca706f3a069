#pragma once

class QWidget;

#include <string_view>

namespace stereona::window {

inline constexpr char kFaultMessageName[] = "FaultMessage";

// Tells the student which run-time error ended the command, by number and in
// Bulgarian. The box is window-modal but opened without a nested event loop:
// the handler that failed returns at once, and the window goes on working
// once the box is closed.
void ShowFaultMessage(QWidget& window, std::string_view message);

}  // namespace stereona::window

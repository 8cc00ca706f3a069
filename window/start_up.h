#pragma once

#include <memory>

#include "window/main_window.h"

class QApplication;

namespace stereona::window {

// Everything the program does from the application to the shown window: Qt's
// Bulgarian texts, the window presented to a screen reader, numbers in the
// desktop's decimal mark, the window's font loaded once, and the window shown.
// The program and its tests start through here, so that the tests drive the
// window that ships. Calling it again (a test per window) adds nothing twice.
std::unique_ptr<MainWindow> StartMainWindow(QApplication& application);

}  // namespace stereona::window

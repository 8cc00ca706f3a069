#pragma once

namespace stereona::window {

// Qt presents a top-level QWidget to a screen reader as a bare filler; the
// main window is presented as a window, named by its caption, so that Orca
// announces it as the program's frame.
void PresentMainWindowAsWindow();

}  // namespace stereona::window

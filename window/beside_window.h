#pragma once

class QWidget;

namespace stereona::window {

// Moves a window opened from the main window to its own place: right of
// the main window, or left of it where the screen ends; a window manager
// may still move it.
void PlaceBeside(QWidget& window, const QWidget& mainWindow);

}  // namespace stereona::window

#pragma once

#include <QWidget>

namespace stereona::window {

// Places a top-level widget at the centre of its screen's available area.
// Done by the program rather than left to a window manager, which may not
// exist; a frame, where there is one, grows around the centred widget.
void CentreOnScreen(QWidget& widget);

}  // namespace stereona::window

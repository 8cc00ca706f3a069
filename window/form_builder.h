#pragma once

class QWidget;

namespace stereona::window {

// Creates every control of the control table as a child of the window (or of
// its frame), named, placed, coloured, captioned and in tab order. The window
// itself is sized and coloured by its owner.
void BuildControls(QWidget& window);

}  // namespace stereona::window

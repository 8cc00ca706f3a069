#include "window/option_bar.h"

namespace stereona::window {

bool OptionBar::hitButton(const QPoint& position) const { return rect().contains(position); }

}  // namespace stereona::window

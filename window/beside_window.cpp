#include "window/beside_window.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace stereona::window {
namespace {

constexpr int kGap = 8;  // between the main window and the other

}  // namespace

void PlaceBeside(QWidget& window, const QWidget& mainWindow) {
  const QSize size = window.frameSize().expandedTo(window.size());
  const QRect main = mainWindow.frameGeometry();
  const QRect screen = mainWindow.screen()->availableGeometry();
  const int right = main.right() + 1 + kGap;
  if (right + size.width() <= screen.right() + 1) {
    window.move(right, main.top());
  } else {
    window.move(std::max(screen.left(), main.left() - kGap - size.width()), main.top());
  }
}

}  // namespace stereona::window

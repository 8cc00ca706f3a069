#include "window/centre_on_screen.h"

#include <QScreen>
#include <QStyle>

namespace stereona::window {

void CentreOnScreen(QWidget& widget) {
  if (const QScreen* display = widget.screen()) {
    widget.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, widget.size(),
                                           display->availableGeometry()));
  }
}

}  // namespace stereona::window

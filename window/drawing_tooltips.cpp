#include "window/drawing_tooltips.h"

#include <QHelpEvent>
#include <QRadioButton>
#include <QToolTip>
#include <algorithm>

#include "drawings/solid_drawing.h"
#include "window/window_font.h"

namespace stereona::window {

DrawingToolTips::DrawingToolTips(const std::array<QRadioButton*, kBodyCount>& selectors,
                                 QObject* parent)
    : QObject(parent), selectors_(selectors) {
  for (QRadioButton* selector : selectors_) selector->installEventFilter(this);
}

bool DrawingToolTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
  const auto found = std::find(selectors_.begin(), selectors_.end(), watched);
  if (found == selectors_.end()) return QObject::eventFilter(watched, event);

  QRadioButton* selector = *found;
  const auto body = static_cast<std::size_t>(found - selectors_.begin());
  QToolTip::showText(
      static_cast<QHelpEvent*>(event)->globalPos(),
      drawings::SolidDrawingToolTip(body, selector->devicePixelRatioF(), WindowFont()), selector);
  return true;
}

}  // namespace stereona::window

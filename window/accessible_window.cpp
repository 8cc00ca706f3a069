#include "window/accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "window/stereo_calc.h"

namespace stereona::window {
namespace {

QAccessibleInterface* MainWindowInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(StereoCalc::staticMetaObject.className())) return nullptr;
  // Inside the frame with the menu bar it is that frame's client area.
  if (!static_cast<QWidget*>(object)->isWindow()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void PresentMainWindowAsWindow() { QAccessible::installFactory(MainWindowInterface); }

}  // namespace stereona::window

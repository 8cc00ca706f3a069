#include "window/accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "window/main_window.h"
#include "window/stereo_calc.h"

namespace stereona::window {
namespace {

// The frame with the menu bar, or the window Stereo_Calc where it stands
// alone; inside the frame it is the frame's client area.
QAccessibleInterface* MainWindowInterface(const QString& className, QObject* object) {
  const bool ours = className == QLatin1String(MainWindow::staticMetaObject.className()) ||
                    className == QLatin1String(StereoCalc::staticMetaObject.className());
  if (!ours || !static_cast<QWidget*>(object)->isWindow()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void PresentMainWindowAsWindow() { QAccessible::installFactory(MainWindowInterface); }

}  // namespace stereona::window

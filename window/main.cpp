#include <QApplication>
#include <QLocale>

#include "window/accessible_window.h"
#include "window/decimal_separator.h"
#include "window/qt_translation.h"
#include "window/stereo_calc.h"
#include "window/window_font.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Lets Wayland desktops match the window to its launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(STEREONA_APP_ID));
  stereona::window::UseQtBulgarian(application);
  stereona::window::PresentMainWindowAsWindow();
  stereona::window::UseDecimalSeparatorOf(QLocale::system());
  // Qt lays out each new text box once in the application's font before the
  // box takes the window's; with the desktop's font as the application's,
  // that alone would load a second font at start-up. The window is built
  // with its own font as the application's, and the desktop's comes back
  // for menus, tooltips and message boxes. (QGuiApplication's setter:
  // QApplication's would also drop the desktop's fonts for widget classes.)
  const QFont desktopFont = QGuiApplication::font();
  QGuiApplication::setFont(stereona::window::WindowFont().resolve(desktopFont));
  stereona::window::StereoCalc window;
  QGuiApplication::setFont(desktopFont);
  window.show();
  return QApplication::exec();
}

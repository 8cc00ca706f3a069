#include <QApplication>
#include <QLocale>

#include "window/accessible_window.h"
#include "window/decimal_separator.h"
#include "window/main_window.h"
#include "window/qt_translation.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Lets Wayland desktops match the window to its launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(STEREONA_APP_ID));
  stereona::window::UseQtBulgarian(application);
  stereona::window::PresentMainWindowAsWindow();
  stereona::window::UseDecimalSeparatorOf(QLocale::system());
  stereona::window::MainWindow window;
  window.show();
  return QApplication::exec();
}

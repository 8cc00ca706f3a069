#include <QApplication>

#include "window/start_up.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Lets Wayland desktops match the window to its launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(STEREONA_APP_ID));
  const auto window = stereona::window::StartMainWindow(application);
  return QApplication::exec();
}

#include "window/start_up.h"

#include <QApplication>
#include <QLocale>

#include "window/accessible_window.h"
#include "window/decimal_separator.h"
#include "window/deferred_icon_style.h"
#include "window/qt_translation.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

// Sets the desktop's font back as the application's after the window is
// built with its own (see StartMainWindow), and has every widget made
// meanwhile resolve its font again: one that follows the application's font,
// such as a menu or a dialog, takes the desktop's as it would have; the
// window and its controls keep the window's font. QGuiApplication's setter,
// because QApplication's would also drop the fonts a desktop theme gives to
// widget classes.
void RestoreApplicationFont(const QFont& desktopFont) {
  QGuiApplication::setFont(desktopFont);
  QEvent fontChange(QEvent::ApplicationFontChange);
  for (QWidget* widget : QApplication::allWidgets()) {
    QCoreApplication::sendEvent(widget, &fontChange);
  }
}

}  // namespace

std::unique_ptr<MainWindow> StartMainWindow(QApplication& application) {
  UseQtBulgarian(application);
  DeferStyleIcons();
  PresentMainWindowAsWindow();
  UseDecimalSeparatorOf(QLocale::system());
  // Qt lays out each new text box once in the application's font before the
  // box takes the window's; with the desktop's font as the application's,
  // that alone would load a second font at start-up.
  const QFont desktopFont = QGuiApplication::font();
  QGuiApplication::setFont(WindowFont().resolve(desktopFont));
  auto window = std::make_unique<MainWindow>();
  RestoreApplicationFont(desktopFont);
  window->show();
  return window;
}

}  // namespace stereona::window

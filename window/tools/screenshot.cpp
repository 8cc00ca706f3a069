// Makes the picture of the window that the README shows: the window as a
// student leaves it after solving the truncated cone for a base radius.
// The program itself has no command line; this is a separate helper, run
// under a display with a window manager so that the frame is drawn too.
//
//   stereona_screenshot OUTPUT.png
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "window/start_up.h"

namespace {

// Long enough for a window manager to map and decorate the window.
constexpr int kSettleMilliseconds = 1500;

template <typename Widget>
Widget* Control(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QLatin1String(name));
}

// V = 462, H = 7, R2 = 3 gives R1 = 6, the reference text's own example.
void SolveExample(const QWidget& window) {
  Control<QRadioButton>(window, "Option1(1)")->click();
  Control<QRadioButton>(window, "Option2(2)")->click();
  Control<QLineEdit>(window, "Text2(0)")->setText(QStringLiteral("462"));
  Control<QLineEdit>(window, "Text2(1)")->setText(QStringLiteral("7"));
  Control<QLineEdit>(window, "Text2(3)")->setText(QStringLiteral("3"));
  Control<QPushButton>(window, "Command1(0)")->click();
}

bool SaveFramedWindow(const QWidget& window, const QString& path) {
  const QRect frame = window.frameGeometry();
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  return shot.save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: stereona_screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  // Started as the program starts it, menu bar, font and decimal mark included.
  const auto started = stereona::window::StartMainWindow(application);
  const QWidget& window = *started;
  SolveExample(window);

  int status = 1;
  QTimer settled;
  settled.setSingleShot(true);
  QObject::connect(&settled, &QTimer::timeout, &window, [&] {
    status = SaveFramedWindow(window, path) ? 0 : 1;
    QApplication::quit();
  });
  settled.start(kSettleMilliseconds);
  QApplication::exec();
  return status;
}

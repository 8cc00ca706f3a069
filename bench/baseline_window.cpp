// The baseline for start-up: a bare Qt 6 window of the same client size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(535, 394);
  window.show();
  return QApplication::exec();
}

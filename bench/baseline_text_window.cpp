// A second baseline: the bare window with one line of Cyrillic text in the
// window's font. It shows what any window pays to show text at all (the
// font database, fontconfig's configuration, shaping), which the bare
// window never does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(535, 394);
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  QLabel label(QStringLiteral("Стереона"), &window);
  window.show();
  return QApplication::exec();
}

// Makes the pictures of the windows that the README shows: the window as a
// student leaves it after solving the truncated cone for a base radius, or
// (--practice) «Упражнение» after a wrong answer, a hint and an answer with
// pi = 3,14. The program itself has no command line; this is a separate
// helper, run under a display with a window manager so that the frame is
// drawn too.
//
//   stereona_screenshot [--practice] OUTPUT.png
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "core/number_text.h"
#include "practice/practice.h"
#include "window/practice_window.h"
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

// The cone's volume asked; a wrong answer, the first hint, then the volume
// with pi = 3,14: «Почти.» and what to mend.
const QWidget& PracticeExample(QWidget& window) {
  Control<QRadioButton>(window, "Option1(0)")->click();
  Control<QAction>(window, "Practice")->trigger();
  auto* practice = Control<stereona::window::PracticeWindow>(window, "PracticeWindow");
  Control<QCheckBox>(*practice, "PracticeAnyUnknown")->click();
  // Four places, as from a pocket calculator: enough to tell 3,14 from 22/7.
  const auto answer = [practice](double value) {
    Control<QLineEdit>(*practice, "PracticeAnswer")
        ->setText(QString::fromStdString(stereona::NumberText(std::round(value * 1e4) / 1e4)));
    Control<QPushButton>(*practice, "PracticeCheck")->click();
  };
  const stereona::practice::AnswerKey& key = practice->Session().Key();
  answer(key.value.ToDouble() * 3);
  Control<QPushButton>(*practice, "PracticeHint")->click();
  answer(key.otherPi.back().value.ToDouble());
  return *practice;
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
  const bool practice = argc == 3 && QLatin1String(argv[1]) == QLatin1String("--practice");
  if (argc != 2 && !practice) {
    std::fputs("usage: stereona_screenshot [--practice] OUTPUT.png\n", stderr);
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[argc - 1]);
  // Started as the program starts it, menu bar, font and decimal mark included.
  const auto started = stereona::window::StartMainWindow(application);
  QWidget& window = *started;
  const QWidget& shown = practice ? PracticeExample(window) : (SolveExample(window), window);

  int status = 1;
  QTimer settled;
  settled.setSingleShot(true);
  QObject::connect(&settled, &QTimer::timeout, &window, [&] {
    status = SaveFramedWindow(shown, path) ? 0 : 1;
    QApplication::quit();
  });
  settled.start(kSettleMilliseconds);
  QApplication::exec();
  return status;
}

#pragma once

#include <QWidget>

#include "window/stereo_calc.h"

class QMenuBar;

namespace stereona::window {

class NetWindow;
class PracticeWindow;

// The program's top-level window: the menu bar above the window Stereo_Calc,
// whose client area, size and controls stay exactly as they are. The frame
// takes its caption, icon and fixed size from it.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  StereoCalc& Calculator() noexcept { return *calc_; }
  QMenuBar& MenuBar() noexcept { return *menuBar_; }

 private:
  void BuildMenus();
  void PrintSolution();
  void SaveSolutionAsPdf();
  void OpenPracticeSheets();
  void OpenPractice();
  void OpenNet();
  void ShowAbout();

  StereoCalc* calc_;
  QMenuBar* menuBar_;
  PracticeWindow* practice_ = nullptr;  // made on first use
  NetWindow* net_ = nullptr;            // made on first use
};

}  // namespace stereona::window

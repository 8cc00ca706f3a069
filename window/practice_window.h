#pragma once

#include <QDialog>
#include <memory>

#include "window/mnemonics.h"
#include "window/problem_choices.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace stereona::practice {
class Practice;
}

namespace stereona::window {

class AlertLabel;
class FigureView;
class StereoCalc;

// «Упражнение»: the window of the practice, a view of one practice session
// kept for the whole run. It is made on first use and hidden, not ended,
// when closed, so the score lasts while the program runs. It changes the
// main window only when «Към прозореца» is pressed, and then only through
// the student's own actions on its form.
class PracticeWindow : public QDialog {
  Q_OBJECT

 public:
  // Starts on the main window's choices: its body, any unknown, its range.
  explicit PracticeWindow(StereoCalc& calculator, QWidget* parent = nullptr);
  ~PracticeWindow() override;

  // Shows the window beside `mainWindow` the first time, then raises it.
  void Open(const QWidget& mainWindow);

  const practice::Practice& Session() const noexcept { return *practice_; }

 private:
  QWidget* BuildChoices();
  QWidget* BuildProblem();
  void BuildButtons();
  void Arrange(QWidget* choices, QWidget* problem);

  void ChangeSettings();
  void Check();
  void Hint();
  void ShowSolution();
  void NewProblem();
  void ToWindow();

  void ShowAll();
  void ShowScore();  // with the buttons that depend on it
  void ShowWorking();

  StereoCalc& calculator_;
  std::unique_ptr<practice::Practice> practice_;
  Mnemonics mnemonic_;
  ProblemChoices choices_;
  AlertLabel* refusal_ = nullptr;
  FigureView* drawing_ = nullptr;
  QLabel* sentence_ = nullptr;
  QLineEdit* answer_ = nullptr;
  QLabel* answerLabel_ = nullptr;
  AlertLabel* verdict_ = nullptr;
  QLabel* hints_ = nullptr;
  QPlainTextEdit* solution_ = nullptr;
  QLabel* score_ = nullptr;
  QPushButton* check_ = nullptr;
  QPushButton* hint_ = nullptr;
  QPushButton* showSolution_ = nullptr;
  QPushButton* newProblem_ = nullptr;
  QPushButton* toWindow_ = nullptr;
  QPushButton* close_ = nullptr;
  bool placed_ = false;
};

}  // namespace stereona::window

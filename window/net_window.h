#pragma once

#include <QDialog>
#include <vector>

#include "documents/net_view.h"
#include "window/mnemonics.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace stereona::window {

class FigureView;
class StereoCalc;

// «Развивка»: the main window's solid drawn to its numbers, its net and the
// working of its areas, in the unit the pupil chooses, printed as the net
// sheet. It follows the main window's body and values as they change, and
// is made on first use and hidden, not ended, when closed.
class NetWindow : public QDialog {
  Q_OBJECT

 public:
  explicit NetWindow(StereoCalc& calculator, QWidget* parent = nullptr);

  // Shows the window beside `mainWindow` the first time, then raises it.
  void Open(const QWidget& mainWindow);

  const documents::NetView& View() const noexcept { return view_; }
  // The net sheet of what the window shows, as it is printed.
  QString Sheet() const;

 private:
  void Build();
  void Arrange();
  figures::LengthUnit Unit() const;
  void Follow();
  void Print();
  void SaveAsPdf();

  StereoCalc& calculator_;
  Mnemonics mnemonic_;
  documents::NetView view_;
  std::size_t body_ = 0;
  FigureView* solid_ = nullptr;
  FigureView* net_ = nullptr;
  QLabel* workingLabel_ = nullptr;
  QPlainTextEdit* working_ = nullptr;
  QGroupBox* unit_ = nullptr;
  std::vector<QRadioButton*> units_;  // by LengthUnit
  QPushButton* print_ = nullptr;
  QPushButton* savePdf_ = nullptr;
  QPushButton* close_ = nullptr;
  bool placed_ = false;
};

}  // namespace stereona::window

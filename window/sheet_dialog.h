#pragma once

#include <QDialog>

#include "documents/sheet_options.h"
#include "window/problem_choices.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTextBrowser;

namespace stereona::window {

class AlertLabel;

// «Листове за упражнения»: the options of a practice sheet, the sheet as it
// will print, and print or save as PDF. Every bound is in the controls, so
// that no option out of range can be entered; options the sheet refuses
// anyway are said under the preview, as an alert.
class SheetDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SheetDialog(QWidget* parent = nullptr);

 private:
  documents::SheetOptions Options() const;
  void BuildOptions();
  void BuildButtons();
  void ShowSheet();
  void Print();
  void SavePdf();

  ProblemChoices choices_;
  QSpinBox* problems_ = nullptr;
  QSpinBox* number_ = nullptr;
  QSpinBox* variants_ = nullptr;
  QTextBrowser* preview_ = nullptr;
  AlertLabel* refusal_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* savePdf_ = nullptr;
  QString html_;  // the sheet as shown, or empty when the options are refused
};

}  // namespace stereona::window

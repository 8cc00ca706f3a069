#include "window/sheet_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/random_source.h"
#include "documents/practice_sheet.h"
#include "qt_bridge/qt_text.h"
#include "window/alert_label.h"
#include "window/document_files.h"
#include "window/problem_choices.h"

namespace stereona::window {
namespace {

constexpr const documents::SheetCaptions& kCaptions = documents::kSheetCaptions;

// A number box whose Enter takes the typed number and ends there: QSpinBox
// passes it on, and the dialog would press its default button, «Печат…».
class NumberBox : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QSpinBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  }
};

QSpinBox* SpinBox(QWidget& parent, const QString& name, int minimum, int maximum, int value) {
  auto* box = new NumberBox(&parent);
  box->setRange(minimum, maximum);
  box->setValue(value);
  box->setAccessibleName(name);
  // A typed number is one value, taken when it is finished (Enter, or the
  // focus leaves): the sheet is not made again for every digit.
  box->setKeyboardTracking(false);
  return box;
}

QString Label(std::string_view caption) { return ToQString(caption) + QLatin1Char(':'); }

}  // namespace

SheetDialog::SheetDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SheetDialog"));
  setWindowTitle(ToQString(kCaptions.title));
  setAccessibleName(windowTitle());
  BuildOptions();
  BuildButtons();
  ShowSheet();
  resize(900, 640);
}

void SheetDialog::BuildOptions() {
  const documents::SheetOptions defaults;
  choices_ = BuildProblemChoices(*this, QStringLiteral("Sheet"), ToQString);
  choices_.Show(defaults.bodies, !defaults.volumeOnly, defaults.range);
  problems_ = SpinBox(*this, ToQString(kCaptions.problems), 1, documents::kMaxProblems,
                      defaults.problemCount);
  // A new sheet each time the dialog opens; its number makes it again.
  const auto seed = static_cast<int>(ClockSeed() % documents::kMaxSheetNumber) + 1;
  number_ = SpinBox(*this, ToQString(kCaptions.number), 1,
                    static_cast<int>(documents::kMaxSheetNumber), seed);
  variants_ = SpinBox(*this, ToQString(kCaptions.variants), 1, documents::kMaxVariants,
                      defaults.variantCount);
  // The range list is made with the other choices but sits among the numbers.
  QWidget::setTabOrder(problems_, choices_.range);
  QWidget::setTabOrder(choices_.range, number_);
  problems_->setObjectName(QStringLiteral("SheetProblems"));
  number_->setObjectName(QStringLiteral("SheetNumber"));
  variants_->setObjectName(QStringLiteral("SheetVariants"));

  auto* numbers = new QFormLayout;
  // Each label is its field's buddy, which names the field for a screen
  // reader (a combo box on Linux takes its name from there).
  numbers->addRow(Label(kCaptions.problems), problems_);
  numbers->addRow(choices_.rangeLabel, choices_.range);
  numbers->addRow(Label(kCaptions.number), number_);
  numbers->addRow(Label(kCaptions.variants), variants_);
  for (QSpinBox* box : {problems_, number_, variants_}) {
    connect(box, &QSpinBox::valueChanged, this, &SheetDialog::ShowSheet);
  }
  choices_.OnChange(this, [this] { ShowSheet(); });

  auto* options = new QVBoxLayout;
  options->addWidget(choices_.bodyBox);
  options->addWidget(choices_.anyUnknown);
  options->addLayout(numbers);
  options->addStretch();

  preview_ = new QTextBrowser(this);
  preview_->setObjectName(QStringLiteral("SheetPreview"));
  preview_->setAccessibleName(QStringLiteral("Преглед на листа"));
  refusal_ = new AlertLabel(this);
  refusal_->setObjectName(QStringLiteral("SheetRefusal"));
  refusal_->setWordWrap(true);
  refusal_->hide();  // until there is something to refuse
  auto* shown = new QVBoxLayout;
  shown->addWidget(preview_);
  shown->addWidget(refusal_);

  auto* columns = new QHBoxLayout;
  columns->addLayout(options);
  columns->addLayout(shown, 1);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(columns);
}

void SheetDialog::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  const documents::SheetCaptions& text = documents::kSheetCaptions;
  print_ =
      buttons->addButton(ToQString(text.print) + QStringLiteral("…"), QDialogButtonBox::ActionRole);
  savePdf_ = buttons->addButton(QStringLiteral("Запиши като PDF…"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(ToQString(text.close), QDialogButtonBox::RejectRole);
  print_->setObjectName(QStringLiteral("SheetPrint"));
  savePdf_->setObjectName(QStringLiteral("SheetSavePdf"));
  close->setObjectName(QStringLiteral("SheetClose"));
  connect(print_, &QPushButton::clicked, this, &SheetDialog::Print);
  connect(savePdf_, &QPushButton::clicked, this, &SheetDialog::SavePdf);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout()->addWidget(buttons);
}

documents::SheetOptions SheetDialog::Options() const {
  documents::SheetOptions options;
  options.bodies = choices_.Bodies();
  options.volumeOnly = !choices_.AnyUnknown();
  options.problemCount = problems_->value();
  options.range = choices_.Range();
  options.sheetNumber = static_cast<std::uint32_t>(number_->value());
  options.variantCount = variants_->value();
  return options;
}

void SheetDialog::ShowSheet() {
  QString refused;
  try {
    html_ = ToQString(documents::PracticeSheet(Options()));
  } catch (const documents::SheetOptionsError& error) {
    html_.clear();
    refused = ToQString(error.what());
  }
  preview_->setHtml(html_);
  refusal_->Say(refused);
  // A greyed command says why it cannot be used.
  for (QPushButton* command : {print_, savePdf_}) {
    command->setEnabled(refused.isEmpty());
    command->setAccessibleDescription(refused);
  }
}

void SheetDialog::Print() { PrintWithPreview(*this, html_); }

void SheetDialog::SavePdf() {
  SavePdfAs(*this, html_, QStringLiteral("лист-%1").arg(number_->value()));
}

}  // namespace stereona::window

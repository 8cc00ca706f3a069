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
#include "core/ranges.h"
#include "documents/practice_sheet.h"
#include "documents/sentences.h"
#include "qt_bridge/qt_text.h"
#include "window/alert_label.h"
#include "window/document_files.h"

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
  auto* bodies = new QGroupBox(ToQString(kCaptions.bodies), this);
  auto* bodyList = new QVBoxLayout(bodies);
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    bodies_[v] = new QCheckBox(ToQString(documents::CapitalFirst(kBodies[v].caption)), bodies);
    bodies_[v]->setObjectName(QStringLiteral("SheetBody%1").arg(v));
    bodies_[v]->setChecked(defaults.bodies[v]);
    bodyList->addWidget(bodies_[v]);
    connect(bodies_[v], &QCheckBox::toggled, this, &SheetDialog::ShowSheet);
  }

  anyUnknown_ = new QCheckBox(ToQString(kCaptions.anyUnknown), this);
  anyUnknown_->setChecked(!defaults.volumeOnly);
  problems_ = SpinBox(*this, ToQString(kCaptions.problems), 1, documents::kMaxProblems,
                      defaults.problemCount);
  range_ = new QComboBox(this);

  for (const std::string_view range : kRanges) range_->addItem(ToQString(range));
  range_->setCurrentIndex(static_cast<int>(defaults.range));
  // A new sheet each time the dialog opens; its number makes it again.
  const auto seed = static_cast<int>(ClockSeed() % documents::kMaxSheetNumber) + 1;
  number_ = SpinBox(*this, ToQString(kCaptions.number), 1,
                    static_cast<int>(documents::kMaxSheetNumber), seed);
  variants_ = SpinBox(*this, ToQString(kCaptions.variants), 1, documents::kMaxVariants,
                      defaults.variantCount);
  problems_->setObjectName(QStringLiteral("SheetProblems"));
  number_->setObjectName(QStringLiteral("SheetNumber"));
  variants_->setObjectName(QStringLiteral("SheetVariants"));
  anyUnknown_->setObjectName(QStringLiteral("SheetAnyUnknown"));
  range_->setObjectName(QStringLiteral("SheetRange"));

  auto* numbers = new QFormLayout;
  // Each label is its field's buddy, which names the field for a screen
  // reader (a combo box on Linux takes its name from there).
  numbers->addRow(Label(kCaptions.problems), problems_);
  numbers->addRow(Label(kCaptions.range), range_);
  numbers->addRow(Label(kCaptions.number), number_);
  numbers->addRow(Label(kCaptions.variants), variants_);
  for (QSpinBox* box : {problems_, number_, variants_}) {
    connect(box, &QSpinBox::valueChanged, this, &SheetDialog::ShowSheet);
  }
  connect(range_, &QComboBox::currentIndexChanged, this, &SheetDialog::ShowSheet);
  connect(anyUnknown_, &QCheckBox::toggled, this, &SheetDialog::ShowSheet);

  auto* options = new QVBoxLayout;
  options->addWidget(bodies);
  options->addWidget(anyUnknown_);
  options->addLayout(numbers);
  options->addStretch();

  preview_ = new QTextBrowser(this);
  preview_->setObjectName(QStringLiteral("SheetPreview"));
  preview_->setAccessibleName(QStringLiteral("Преглед на листа"));
  refusal_ = new AlertLabel(this);
  refusal_->setObjectName(QStringLiteral("SheetRefusal"));
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
  print_ = buttons->addButton(QStringLiteral("Печат…"), QDialogButtonBox::ActionRole);
  savePdf_ = buttons->addButton(QStringLiteral("Запиши като PDF…"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(QStringLiteral("Затвори"), QDialogButtonBox::RejectRole);
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
  for (std::size_t v = 0; v < kBodyCount; ++v) options.bodies[v] = bodies_[v]->isChecked();
  options.volumeOnly = !anyUnknown_->isChecked();
  options.problemCount = problems_->value();
  options.range = static_cast<std::size_t>(range_->currentIndex());
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

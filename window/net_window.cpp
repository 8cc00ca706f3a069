#include "window/net_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/fault.h"
#include "documents/net_captions.h"
#include "documents/net_sheet.h"
#include "form/window_surfaces.h"
#include "qt_bridge/qt_text.h"
#include "window/beside_window.h"
#include "window/document_files.h"
#include "window/figure_view.h"
#include "window/stereo_calc.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

constexpr const documents::NetCaptions& kCaptions = documents::kNetCaptions;
constexpr double kNetLabelOverhang = 10;  // millimetres

// The working's lines, and after them the sentence why it stopped.
QString WorkingText(const surfaces::SurfaceWorking& working) {
  QString text = OutputLines(working.lines);
  if (!working.message.empty()) {
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    text += ToQString(working.message);
  }
  return text;
}

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(inside);
  return box;
}

}  // namespace

NetWindow::NetWindow(StereoCalc& calculator, QWidget* parent)
    : QDialog(parent), calculator_(calculator) {
  setObjectName(QStringLiteral("NetWindow"));
  setWindowTitle(ToQString(kCaptions.title));
  setAccessibleName(windowTitle());
  Build();
  Arrange();
  connect(&calculator_, &StereoCalc::acted, this, [this] {
    if (isVisible()) Follow();
  });
  Follow();
}

void NetWindow::Build() {
  // Mnemonics in the order the captions are made: the commands first.
  print_ = new QPushButton(mnemonic_(kCaptions.print), this);
  print_->setObjectName(QStringLiteral("NetPrint"));
  connect(print_, &QPushButton::clicked, this, &NetWindow::Print);
  savePdf_ = new QPushButton(mnemonic_(kCaptions.savePdf), this);
  savePdf_->setObjectName(QStringLiteral("NetSavePdf"));
  connect(savePdf_, &QPushButton::clicked, this, &NetWindow::SaveAsPdf);

  // The units as option buttons, each named by its own caption, in a frame
  // that names them all; см first and chosen.
  unit_ = new QGroupBox(ToQString(kCaptions.unit), this);
  unit_->setObjectName(QStringLiteral("NetUnit"));
  auto* units = new QHBoxLayout(unit_);
  for (const figures::UnitFacts& unit : figures::kUnits) {
    auto* button = new QRadioButton(mnemonic_(unit.name), unit_);
    button->setObjectName(QStringLiteral("NetUnit%1").arg(units_.size()));
    button->setChecked(units_.empty());
    units_.push_back(button);
    units->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool chosen) {
      if (chosen) Follow();
    });
  }

  working_ = new QPlainTextEdit(this);
  working_->setObjectName(QStringLiteral("NetWorking"));
  working_->setAccessibleName(ToQString(kCaptions.working));
  working_->setReadOnly(true);
  working_->setTabChangesFocus(true);
  working_->setFont(WindowFont());
  workingLabel_ = new QLabel(mnemonic_(kCaptions.working) + QLatin1Char(':'), this);
  workingLabel_->setBuddy(working_);

  close_ = new QPushButton(mnemonic_(kCaptions.close), this);
  close_->setObjectName(QStringLiteral("NetClose"));
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  solid_ = new FigureView(ToQString(kCaptions.solid), this);
  solid_->setObjectName(QStringLiteral("NetSolid"));
  // A net's lengths stand outside its pieces, some longer than the margin.
  net_ = new FigureView(ToQString(kCaptions.net), this, kNetLabelOverhang);
  net_->setObjectName(QStringLiteral("NetFigure"));
}

void NetWindow::Arrange() {
  auto* left = new QVBoxLayout;
  left->addWidget(Framed(ToQString(kCaptions.solid), solid_, this), 1);
  left->addWidget(workingLabel_);
  left->addWidget(working_, 1);
  auto* figures = new QHBoxLayout;
  figures->addLayout(left, 1);
  figures->addWidget(Framed(ToQString(kCaptions.net), net_, this), 1);

  auto* commands = new QHBoxLayout;
  commands->addWidget(unit_);
  commands->addWidget(print_);
  commands->addWidget(savePdf_);
  commands->addStretch();
  commands->addWidget(close_);

  auto* whole = new QVBoxLayout(this);
  whole->addLayout(figures, 1);
  whole->addLayout(commands);

  QWidget* order[] = {working_, units_.front(), print_, savePdf_, close_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  resize(1060, 660);
}

void NetWindow::Open(const QWidget& mainWindow) {
  if (!placed_) {
    PlaceBeside(*this, mainWindow);
    placed_ = true;
  }
  Follow();
  show();
  raise();
  activateWindow();
  working_->setFocus();
}

figures::LengthUnit NetWindow::Unit() const {
  const auto chosen = std::find_if(units_.begin(), units_.end(),
                                   [](const QRadioButton* unit) { return unit->isChecked(); });
  return static_cast<figures::LengthUnit>(chosen == units_.end() ? 0 : chosen - units_.begin());
}

// An input too large to read is the window's fault, said where the working stands.
void NetWindow::Follow() {
  try {
    const surfaces::WindowProblem problem = form::WindowProblemOf(calculator_.Form());
    body_ = problem.body;
    view_ = documents::MakeNetView(problem, Unit());
  } catch (const FloatingPointFault& fault) {
    view_ = {};
    view_.working.message = fault.what();
    view_.working.fault = true;
  }
  solid_->Show(view_.solid);
  net_->Show(view_.net);
  working_->setPlainText(WorkingText(view_.working));
}

QString NetWindow::Sheet() const {
  return ToQString(documents::NetSheet(kCaptions.title, body_, view_, Unit()));
}

void NetWindow::Print() { PrintWithPreview(*this, Sheet()); }

void NetWindow::SaveAsPdf() { SavePdfAs(*this, Sheet(), ToQString(kCaptions.fileName)); }

}  // namespace stereona::window

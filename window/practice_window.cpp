#include "window/practice_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "documents/practice_drawing.h"
#include "documents/sentences.h"
#include "form/control_arrays.h"
#include "practice/practice.h"
#include "qt_bridge/qt_text.h"
#include "window/alert_label.h"
#include "window/beside_window.h"
#include "window/figure_view.h"
#include "window/stereo_calc.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

constexpr const practice::PracticeCaptions& kCaptions = practice::kPracticeCaptions;
// The solid drawn to the problem's numbers, beside its sentence.
constexpr QSize kDrawingSize(260, 220);

practice::PracticeSettings WindowChoices(const form::Form& form) {
  std::size_t body = 0;
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    if (form.State(form::kOption1[v]).selected) body = v;
  }
  const int range = form.State(form::kDiapazon).currentRow;
  return practice::DefaultSettings(body, range < 0 ? 0 : static_cast<std::size_t>(range));
}

// "Почти." in bold and what to mend after it.
QString FeedbackText(const practice::Feedback& feedback) {
  const QString verdict = ToQString(feedback.verdict).toHtmlEscaped();
  QString message = ToQString(feedback.message).toHtmlEscaped();
  if (verdict.isEmpty()) return message;
  return QStringLiteral("<b>%1</b> %2").arg(verdict, message);
}

QString FeedbackWords(const practice::Feedback& feedback) {
  return (ToQString(feedback.verdict) + QLatin1Char(' ') + ToQString(feedback.message)).trimmed();
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << ToQString(line);
  return shown.join(QLatin1Char('\n'));
}

}  // namespace

PracticeWindow::PracticeWindow(StereoCalc& calculator, QWidget* parent)
    : QDialog(parent),
      calculator_(calculator),
      practice_(std::make_unique<practice::Practice>(WindowChoices(calculator.Form()))) {
  setObjectName(QStringLiteral("PracticeWindow"));
  setWindowTitle(ToQString(kCaptions.title));
  setAccessibleName(windowTitle());
  QWidget* problem = BuildProblem();
  BuildButtons();
  QWidget* choices = BuildChoices();
  Arrange(choices, problem);
  ShowAll();
}

PracticeWindow::~PracticeWindow() = default;

QWidget* PracticeWindow::BuildProblem() {
  auto* box = new QGroupBox(ToQString(kCaptions.problem), this);
  drawing_ = new FigureView(QString(), box);
  drawing_->setObjectName(QStringLiteral("PracticeDrawing"));
  drawing_->setFixedSize(kDrawingSize);
  sentence_ = new QLabel(box);
  sentence_->setObjectName(QStringLiteral("PracticeProblem"));
  sentence_->setWordWrap(true);
  sentence_->setFont(WindowFont());
  auto* row = new QHBoxLayout(box);
  row->addWidget(drawing_);
  row->addWidget(sentence_, 1);

  answer_ = new QLineEdit(this);
  answer_->setObjectName(QStringLiteral("PracticeAnswer"));
  answer_->setAccessibleName(ToQString(kCaptions.answer));
  answerLabel_ = new QLabel(mnemonic_(kCaptions.answer) + QLatin1Char(':'), this);
  answerLabel_->setBuddy(answer_);
  verdict_ = new AlertLabel(this);
  verdict_->setObjectName(QStringLiteral("PracticeVerdict"));
  verdict_->setWordWrap(true);
  hints_ = new QLabel(this);
  hints_->setObjectName(QStringLiteral("PracticeHints"));
  hints_->setFont(WindowFont());
  hints_->setWordWrap(true);
  solution_ = new QPlainTextEdit(this);
  solution_->setObjectName(QStringLiteral("PracticeSolution"));
  solution_->setAccessibleName(ToQString(kCaptions.solution));
  solution_->setReadOnly(true);
  solution_->setTabChangesFocus(true);  // Tab must not stop in it
  solution_->setFont(WindowFont());
  score_ = new QLabel(this);
  score_->setObjectName(QStringLiteral("PracticeScore"));
  return box;
}

void PracticeWindow::BuildButtons() {
  struct Button {
    QPushButton* PracticeWindow::*button;
    std::string_view caption;
    const char* name;
    void (PracticeWindow::*pressed)();
  };
  // In the order their mnemonics are given, after the answer box's: the
  // pupil's most used first.
  const Button buttons[] = {
      {&PracticeWindow::check_, kCaptions.check, "PracticeCheck", &PracticeWindow::Check},
      {&PracticeWindow::hint_, kCaptions.hint, "PracticeHint", &PracticeWindow::Hint},
      {&PracticeWindow::showSolution_, kCaptions.showSolution, "PracticeShowSolution",
       &PracticeWindow::ShowSolution},
      {&PracticeWindow::newProblem_, kCaptions.newProblem, "PracticeNew",
       &PracticeWindow::NewProblem},
      {&PracticeWindow::toWindow_, kCaptions.toWindow, "PracticeToWindow",
       &PracticeWindow::ToWindow},
      {&PracticeWindow::close_, kCaptions.close, "PracticeClose", &QDialog::reject},
  };
  for (const Button& made : buttons) {
    QPushButton*& button = this->*made.button;
    button = new QPushButton(mnemonic_(made.caption), this);
    button->setObjectName(QLatin1String(made.name));
    connect(button, &QPushButton::clicked, this, made.pressed);
  }
  // Enter in the answer box checks; on a button, it presses that button.
  check_->setDefault(true);
}

QWidget* PracticeWindow::BuildChoices() {
  choices_ = BuildProblemChoices(*this, QStringLiteral("Practice"), std::ref(mnemonic_));
  choices_.OnChange(this, [this] { ChangeSettings(); });
  refusal_ = new AlertLabel(this);
  refusal_->setObjectName(QStringLiteral("PracticeRefusal"));
  refusal_->setWordWrap(true);
  refusal_->hide();  // until a choice is refused
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(choices_.bodyBox);
  layout->addWidget(choices_.anyUnknown);
  auto* range = new QFormLayout;
  range->addRow(choices_.rangeLabel, choices_.range);
  layout->addLayout(range);
  layout->addWidget(refusal_);
  layout->addStretch();
  return column;
}

void PracticeWindow::Arrange(QWidget* choices, QWidget* problem) {
  auto* answerRow = new QHBoxLayout;
  answerRow->addWidget(answerLabel_);
  answerRow->addWidget(answer_, 1);
  answerRow->addWidget(check_);
  auto* helpRow = new QHBoxLayout;
  helpRow->addWidget(hint_);
  helpRow->addWidget(showSolution_);
  helpRow->addStretch();
  auto* lastRow = new QHBoxLayout;
  lastRow->addWidget(newProblem_);
  lastRow->addWidget(toWindow_);
  lastRow->addStretch();
  lastRow->addWidget(close_);

  auto* work = new QVBoxLayout;
  work->addWidget(problem);
  work->addLayout(answerRow);
  work->addWidget(verdict_);
  work->addLayout(helpRow);
  work->addWidget(hints_);
  work->addWidget(solution_, 1);
  work->addWidget(score_);
  work->addLayout(lastRow);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(work, 1);
  whole->addWidget(choices);

  // The answer first, the buttons in the order they are used, the choices last.
  QWidget* order[] = {answer_,     check_,    hint_,  showSolution_,     solution_,
                      newProblem_, toWindow_, close_, choices_.bodies[0]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  resize(760, 560);
}

void PracticeWindow::Open(const QWidget& mainWindow) {
  if (!placed_) {
    PlaceBeside(*this, mainWindow);
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
  answer_->setFocus();
}

void PracticeWindow::ChangeSettings() {
  practice::PracticeSettings settings;
  settings.bodies = choices_.Bodies();
  settings.anyUnknown = choices_.AnyUnknown();
  settings.range = choices_.Range();
  const std::optional<std::string> refused = practice_->ChangeSettings(settings);
  refusal_->Say(refused ? ToQString(*refused) : QString());
  if (!refused) answer_->clear();
  ShowAll();
}

void PracticeWindow::Check() {
  practice_->Check(answer_->text().toStdString());
  ShowScore();
  verdict_->Announce(FeedbackText(practice_->LastFeedback()),
                     FeedbackWords(practice_->LastFeedback()));
  answer_->selectAll();
  answer_->setFocus();
}

void PracticeWindow::Hint() {
  practice_->Hint();
  ShowWorking();
}

void PracticeWindow::ShowSolution() {
  practice_->ShowSolution();
  ShowWorking();
}

void PracticeWindow::NewProblem() {
  practice_->NewProblem();
  answer_->clear();
  ShowAll();
  answer_->setFocus();
}

void PracticeWindow::ToWindow() {
  const practice::WindowInput input = practice_->ToWindow();
  calculator_.ActAsStudent([&input](form::Form& form) {
    form.Click(form::kOption1[input.body]);
    form.Click(form::kOption2[input.unknown]);
    for (std::size_t k = 0; k < kMaxQuantities; ++k) {
      if (input.typed[k]) form.Type(form::kText2[k], input.inputs[k]);
    }
  });
}

void PracticeWindow::ShowAll() {
  const practice::PracticeSettings& settings = practice_->Settings();
  choices_.Show(settings.bodies, settings.anyUnknown, settings.range);
  const std::size_t body = practice_->Body();
  drawing_->Show(documents::PracticeSolid(practice_->Problem()));
  drawing_->setAccessibleName(ToQString(documents::CapitalFirst(kBodies[body].caption)));
  sentence_->setText(ToQString(practice_->Sentence()));
  // Said with the answer box, where the focus is while the pupil works.
  answer_->setAccessibleDescription(sentence_->text());
  verdict_->Display(FeedbackText(practice_->LastFeedback()),
                    FeedbackWords(practice_->LastFeedback()));
  ShowWorking();
}

void PracticeWindow::ShowScore() {
  score_->setText(ToQString(practice_->ScoreLine()) + QLatin1Char('\n') +
                  ToQString(practice_->StreakLine()));
  hint_->setEnabled(practice_->CanHint());
  showSolution_->setEnabled(practice_->CanShowSolution());
}

void PracticeWindow::ShowWorking() {
  const std::vector<std::string>& hints = practice_->Hints();
  hints_->setText(hints.empty()
                      ? QString()
                      : ToQString(kCaptions.hints) + QStringLiteral(":\n") + Lines(hints));
  solution_->setPlainText(OutputLines(practice_->Solution()));
  ShowScore();
}

}  // namespace stereona::window

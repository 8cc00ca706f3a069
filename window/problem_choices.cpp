#include "window/problem_choices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/ranges.h"
#include "documents/sentences.h"
#include "documents/sheet_options.h"
#include "qt_bridge/qt_text.h"

namespace stereona::window {

constexpr const documents::SheetCaptions& kCaptions = documents::kSheetCaptions;

ProblemChoices BuildProblemChoices(QWidget& parent, const QString& prefix,
                                   const CaptionText& caption) {
  ProblemChoices choices;
  // First, for the shortest caption to have a letter of its own left. A
  // combo box on Linux takes its name for a screen reader from its buddy.
  choices.rangeLabel = new QLabel(caption(kCaptions.range) + QLatin1Char(':'), &parent);
  choices.bodyBox = new QGroupBox(ToQString(kCaptions.bodies), &parent);
  auto* bodyList = new QVBoxLayout(choices.bodyBox);
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    QCheckBox*& body = choices.bodies[v];
    body = new QCheckBox(caption(documents::CapitalFirst(kBodies[v].caption)), choices.bodyBox);
    body->setObjectName(QStringLiteral("%1Body%2").arg(prefix).arg(v));
    bodyList->addWidget(body);
  }
  choices.anyUnknown = new QCheckBox(caption(kCaptions.anyUnknown), &parent);
  choices.anyUnknown->setObjectName(prefix + QStringLiteral("AnyUnknown"));
  choices.range = new QComboBox(&parent);
  choices.range->setObjectName(prefix + QStringLiteral("Range"));
  for (const std::string_view range : kRanges) choices.range->addItem(ToQString(range));
  choices.rangeLabel->setBuddy(choices.range);
  return choices;
}

std::array<bool, kBodyCount> ProblemChoices::Bodies() const {
  std::array<bool, kBodyCount> chosen{};
  for (std::size_t v = 0; v < kBodyCount; ++v) chosen[v] = bodies[v]->isChecked();
  return chosen;
}

bool ProblemChoices::AnyUnknown() const { return anyUnknown->isChecked(); }

std::size_t ProblemChoices::Range() const {
  return static_cast<std::size_t>(range->currentIndex());
}

void ProblemChoices::Show(const std::array<bool, kBodyCount>& chosen, bool any,
                          std::size_t rangeIndex) {
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    const QSignalBlocker quiet(bodies[v]);
    bodies[v]->setChecked(chosen[v]);
  }
  const QSignalBlocker quietAny(anyUnknown);
  anyUnknown->setChecked(any);
  const QSignalBlocker quietRange(range);
  range->setCurrentIndex(static_cast<int>(rangeIndex));
}

void ProblemChoices::OnChange(QWidget* context, const std::function<void()>& changed) const {
  for (QCheckBox* body : bodies) QObject::connect(body, &QCheckBox::toggled, context, changed);
  QObject::connect(anyUnknown, &QCheckBox::toggled, context, changed);
  QObject::connect(range, &QComboBox::currentIndexChanged, context, changed);
}

}  // namespace stereona::window

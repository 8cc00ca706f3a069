#include "window/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "window/control_table.h"
#include "window/qt_text.h"
#include "window/range_list.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

QWidget* MakeMultiLineBox(const ControlSpec& spec, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  // Read-only still lets the student select and copy a solution.
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  box->setPlainText(OutputLines(spec.text));
  return box;
}

QWidget* MakeListBox(const ControlSpec& spec, QWidget* parent) {
  auto* list = new RangeList(parent);
  for (const std::string_view item : spec.items) list->addItem(ToQString(item));
  return list;
}

QWidget* MakeCommandButton(const ControlSpec& spec, QWidget* parent) {
  auto* button = new QPushButton(ToQString(spec.text), parent);
  // Desktop styles draw buttons from their theme and at best tint them; the
  // face must be the button's own solid colour, raised, and sunken when down.
  const QString face = ToQColor(spec.back).name();
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                     " QPushButton:pressed { border-style: inset; }"
                     " QPushButton:focus { border-color: %1; outline: 1px dotted black; }")
          .arg(face));
  button->setAccessibleName(button->text());
  return button;
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new QLabel(ToQString(spec.text), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QWidget* MakeTextBox(const ControlSpec& spec, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(spec.text), parent);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::Frame:
      return new QGroupBox(ToQString(spec.text), parent);
    case ControlKind::OptionButton:
      return new QRadioButton(ToQString(spec.text), parent);
    case ControlKind::TextBox:
      return MakeTextBox(spec, parent);
    case ControlKind::MultiLineTextBox:
      return MakeMultiLineBox(spec, parent);
    case ControlKind::CommandButton:
      return MakeCommandButton(spec, parent);
    case ControlKind::Label:
      return MakeLabel(spec, parent);
    case ControlKind::ListBox:
      return MakeListBox(spec, parent);
  }
  return nullptr;
}

QWidget* Container(QWidget& window, const ControlSpec& spec) {
  if (spec.container.empty()) return &window;
  return window.findChild<QWidget*>(ToQString(spec.container));
}

void Build(QWidget& window, const ControlSpec& spec) {
  QWidget* widget = MakeWidget(spec, Container(window, spec));
  widget->setObjectName(ToQString(spec.name));
  widget->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width), Pixels(spec.height));
  if (spec.font != FontKind::Window) widget->setFont(ControlFont(spec.font));
  SetBackColour(*widget, spec.back);
  if (!spec.toolTip.empty()) widget->setToolTip(ToQString(spec.toolTip));
  if (!spec.visible) widget->hide();
}

void SetTabOrder(QWidget& window) {
  std::vector<const ControlSpec*> byTab;
  for (const ControlSpec& spec : kControls) byTab.push_back(&spec);
  std::ranges::sort(byTab, {}, &ControlSpec::tabIndex);

  QWidget* previous = nullptr;
  for (const ControlSpec* spec : byTab) {
    auto* widget = window.findChild<QWidget*>(ToQString(spec->name));
    if (widget->focusPolicy() == Qt::NoFocus) continue;  // frames and labels take no focus
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace

void BuildControls(QWidget& window) {
  // Frames come before their option buttons in the table, so a container
  // always exists by the time its children are made.
  for (const ControlSpec& spec : kControls) Build(window, spec);
  SetTabOrder(window);
}

}  // namespace stereona::window

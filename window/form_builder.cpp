#include "window/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "window/command_button.h"
#include "window/control_table.h"
#include "window/option_bar.h"
#include "window/qt_text.h"
#include "window/range_list.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

QWidget* MakeMultiLineBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  // Read-only still lets the student select and copy a solution.
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  box->setPlainText(OutputLines(row.text));
  return box;
}

QWidget* MakeListBox(const ControlRow& row, QWidget* parent) {
  auto* list = new RangeList(parent);
  for (const std::string_view item : row.items) list->addItem(ToQString(item));
  return list;
}

QWidget* MakeCommandButton(const ControlRow& row, QWidget* parent) {
  auto* button = new CommandButton(ToQString(row.text), parent);
  // Desktop styles draw buttons from their theme and at best tint them; the
  // face must be the button's own solid colour, raised, and sunken when down.
  const QString face = ToQColor(row.back).name();
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                     " QPushButton:pressed { border-style: inset; }"
                     " QPushButton:focus { border-color: %1; outline: 1px dotted black; }")
          .arg(face));
  button->setAccessibleName(button->text());
  return button;
}

QWidget* MakeLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.text), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QWidget* MakeTextBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(row.text), parent);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

QWidget* MakeWidget(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::Frame:
      return new QGroupBox(ToQString(row.text), parent);
    case ControlKind::OptionButton:
      return new OptionBar(ToQString(row.text), parent);
    case ControlKind::TextBox:
      return MakeTextBox(row, parent);
    case ControlKind::MultiLineTextBox:
      return MakeMultiLineBox(row, parent);
    case ControlKind::CommandButton:
      return MakeCommandButton(row, parent);
    case ControlKind::Label:
      return MakeLabel(row, parent);
    case ControlKind::ListBox:
      return MakeListBox(row, parent);
  }
  return nullptr;
}

QWidget* Container(QWidget& window, const ControlRow& row) {
  if (row.container.empty()) return &window;
  return window.findChild<QWidget*>(ToQString(row.container));
}

void Build(QWidget& window, const ControlRow& row) {
  QWidget* widget = MakeWidget(row, Container(window, row));
  widget->setObjectName(ToQString(row.name));
  widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.font != FontKind::Window) widget->setFont(ControlFont(row.font));
  SetBackColour(*widget, row.back);
  if (!row.toolTip.empty()) widget->setToolTip(ToQString(row.toolTip));
  if (!row.visible) widget->hide();
}

void SetTabOrder(QWidget& window) {
  std::vector<const ControlRow*> byTab;
  byTab.reserve(kControls.size());
  for (const ControlRow& row : kControls) byTab.push_back(&row);
  std::ranges::sort(byTab, {}, &ControlRow::tabIndex);

  QWidget* previous = nullptr;
  for (const ControlRow* row : byTab) {
    auto* widget = window.findChild<QWidget*>(ToQString(row->name));
    if (widget->focusPolicy() == Qt::NoFocus) continue;  // frames and labels take no focus
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace

void BuildControls(QWidget& window) {
  // Frames come before their option buttons in the table, so a container
  // always exists by the time its children are made.
  for (const ControlRow& row : kControls) Build(window, row);
  SetTabOrder(window);
}

}  // namespace stereona::window

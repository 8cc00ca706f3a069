#include "window/widget_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "qt_bridge/qt_text.h"
#include "window/command_button.h"
#include "window/option_bar.h"
#include "window/range_list.h"
#include "window/window_font.h"

namespace stereona::window {
namespace {

using form::ControlKind;
using form::FontKind;
using form::kLayout;
using form::LayoutRow;
using form::Pixels;

QWidget* MakeMultiLineBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  // Read-only still lets the student select and copy a solution.
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  return box;
}

QWidget* MakeListBox(const LayoutRow& row, QWidget* parent) {
  auto* list = new RangeList(parent);
  for (const std::string_view item : row.items) list->addItem(ToQString(item));
  return list;
}

QWidget* MakeLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QWidget* MakeTextBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

// Captions, texts, colours and visibility are state, which the form reports
// once the widgets stand; only what never changes is set here.
QWidget* MakeWidget(const LayoutRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::Frame:
      return new QGroupBox(parent);
    case ControlKind::OptionButton:
      return new OptionBar(parent);
    case ControlKind::TextBox:
      return MakeTextBox(parent);
    case ControlKind::MultiLineTextBox:
      return MakeMultiLineBox(parent);
    case ControlKind::CommandButton:
      return new CommandButton(parent);
    case ControlKind::Label:
      return MakeLabel(parent);
    case ControlKind::ListBox:
      return MakeListBox(row, parent);
  }
  throw std::logic_error("a control kind without a widget");
}

QWidget* Container(QWidget& window, const Widgets& made, const LayoutRow& row) {
  if (row.container.empty()) return &window;
  return made.at(form::IndexOf(row.container));
}

QWidget* Build(QWidget& window, const Widgets& made, const LayoutRow& row) {
  QWidget* widget = MakeWidget(row, Container(window, made, row));
  widget->setObjectName(ToQString(row.name));
  widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.font != FontKind::Window) widget->setFont(ControlFont(row.font));
  if (!row.toolTip.empty()) widget->setToolTip(ToQString(row.toolTip));
  if (!row.accessibleName.empty()) widget->setAccessibleName(ToQString(row.accessibleName));
  if (!row.accessibleDescription.empty()) {
    widget->setAccessibleDescription(ToQString(row.accessibleDescription));
  }
  return widget;
}

void SetTabOrder(const Widgets& made) {
  std::vector<const LayoutRow*> byTab;
  byTab.reserve(kLayout.size());
  for (const LayoutRow& row : kLayout) byTab.push_back(&row);
  std::ranges::sort(byTab, {}, &LayoutRow::tabIndex);

  QWidget* previous = nullptr;
  for (const LayoutRow* row : byTab) {
    QWidget* widget = made.at(form::IndexOf(row->name));
    if (widget->focusPolicy() == Qt::NoFocus) continue;  // frames and labels take no focus
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace

Widgets BuildWidgets(QWidget& window) {
  // Frames come before their option buttons in the table, so a container
  // always exists by the time its children are made.
  Widgets made{};
  for (form::ControlIndex i = 0; i < kLayout.size(); ++i) made[i] = Build(window, made, kLayout[i]);
  SetTabOrder(made);
  return made;
}

}  // namespace stereona::window

#include "window/widget_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "qt_bridge/qt_text.h"
#include "window/back_colour.h"
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

QWidget* MakeMultiLineBox(const LayoutRow& row, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  // Read-only still lets the student select and copy a solution.
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  box->setPlainText(OutputLines(row.text));
  return box;
}

QWidget* MakeListBox(const LayoutRow& row, QWidget* parent) {
  auto* list = new RangeList(parent);
  for (const std::string_view item : row.items) list->addItem(ToQString(item));
  return list;
}

QWidget* MakeCommandButton(const LayoutRow& row, QWidget* parent) {
  auto* button = new CommandButton(ToQString(row.text), parent);
  button->setAccessibleName(button->text());
  return button;
}

QWidget* MakeLabel(const LayoutRow& row, QWidget* parent) {
  auto* label = new QLabel(ToQString(row.text), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QWidget* MakeTextBox(const LayoutRow& row, QWidget* parent) {
  auto* box = new QLineEdit(ToQString(row.text), parent);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

QWidget* MakeWidget(const LayoutRow& row, QWidget* parent) {
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

QWidget* Container(QWidget& window, const Widgets& made, const LayoutRow& row) {
  if (row.container.empty()) return &window;
  return made.at(form::IndexOf(row.container));
}

QWidget* Build(QWidget& window, const Widgets& made, const LayoutRow& row) {
  QWidget* widget = MakeWidget(row, Container(window, made, row));
  widget->setObjectName(ToQString(row.name));
  widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.font != FontKind::Window) widget->setFont(ControlFont(row.font));
  SetBackColour(*widget, row.back);
  if (!row.toolTip.empty()) widget->setToolTip(ToQString(row.toolTip));
  if (!row.accessibleName.empty()) widget->setAccessibleName(ToQString(row.accessibleName));
  if (!row.accessibleDescription.empty()) {
    widget->setAccessibleDescription(ToQString(row.accessibleDescription));
  }
  if (!row.visible) widget->hide();
  return widget;
}

// A control named by another's caption, an input by its quantity's selector,
// takes that caption as its name; the view renames it when the caption changes.
void NameByLabels(const Widgets& made) {
  for (form::ControlIndex i = 0; i < kLayout.size(); ++i) {
    if (kLayout[i].labelledBy.empty()) continue;
    made[i]->setAccessibleName(ToQString(kLayout[form::IndexOf(kLayout[i].labelledBy)].text));
  }
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
  NameByLabels(made);
  SetTabOrder(made);
  return made;
}

}  // namespace stereona::window

#include "window/stereo_calc.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "form/control_arrays.h"
#include "qt_bridge/qt_text.h"
#include "window/centre_on_screen.h"
#include "window/drawing_tooltips.h"
#include "window/fault_message.h"
#include "window/option_group.h"
#include "window/qt_colour.h"
#include "window/range_list.h"
#include "window/window_font.h"
#include "window/window_icon.h"

namespace stereona::window {
namespace {

using form::ControlIndex;
using form::kLayout;
using form::Property;

template <typename Widget, std::size_t N>
std::array<Widget*, N> MembersAs(const Widgets& widgets,
                                 const std::array<ControlIndex, N>& members) {
  std::array<Widget*, N> typed{};
  for (std::size_t k = 0; k < N; ++k) typed[k] = qobject_cast<Widget*>(widgets[members[k]]);
  return typed;
}

void ShowCaption(QWidget& widget, const QString& caption) {
  if (auto* frame = qobject_cast<QGroupBox*>(&widget)) frame->setTitle(caption);
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) button->setText(caption);
  if (auto* label = qobject_cast<QLabel*>(&widget)) label->setText(caption);
}

void ShowText(QWidget& widget, std::string_view text) {
  if (auto* input = qobject_cast<QLineEdit*>(&widget)) {
    // Unchanged text is left alone, so that the cursor stays where it is.
    const QString shown = ToQString(text);
    if (input->text() != shown) input->setText(shown);
  }
  if (auto* box = qobject_cast<QPlainTextEdit*>(&widget)) box->setPlainText(OutputLines(text));
}

}  // namespace

StereoCalc::StereoCalc(QWidget* parent) : QWidget(parent) {
  SetUpWindow();
  widgets_ = BuildWidgets(*this);
  new DrawingToolTips(MembersAs<QRadioButton>(widgets_, form::kOption1), this);
  ConnectActions();
  CentreOnScreen(*this);
  form_.SetListener(this);
  Forward([this] {
    form_.ReportAll();
    form_.Form_Load();
  });
  FocusFirstControl();
}

void StereoCalc::FocusFirstControl() { widgets_[form::kCommand1[0]]->setFocus(); }

void StereoCalc::SetUpWindow() {
  setObjectName(ToQString(form::kFormName));
  setWindowTitle(ToQString(form::kFormCaption));
  // A fixed layout: the window can be moved and closed, never maximised or
  // minimised, and its client area never changes size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(form::Pixels(form::kClientWidthTwips), form::Pixels(form::kClientHeightTwips));
  setFont(WindowFont());
  SetBackColour(*this, form::kFormBack);
  setWindowIcon(WindowIcon());
}

// The option buttons of one frame form one exclusive group, as a window
// system groups them; a button's id is its control's row.
OptionGroup& StereoCalc::GroupIn(std::string_view frame) {
  auto [group, made] = groups_.try_emplace(frame, nullptr);
  if (made) {
    group->second = new OptionGroup(this);
    connect(group->second, &OptionGroup::chosen, this, [this](int id) {
      Forward([this, id] { form_.Click(static_cast<ControlIndex>(id)); });
    });
  }
  return *group->second;
}

void StereoCalc::Connect(ControlIndex control) {
  QWidget* widget = widgets_[control];
  switch (kLayout[control].kind) {
    case form::ControlKind::OptionButton:
      GroupIn(kLayout[control].container)
          .addButton(qobject_cast<QAbstractButton*>(widget), static_cast<int>(control));
      break;
    case form::ControlKind::CommandButton:
      connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
              [this, control] { Forward([this, control] { form_.Click(control); }); });
      break;
    case form::ControlKind::TextBox:
      connect(qobject_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this,
              [this, control](const QString& text) {
                Forward([this, control, &text] { form_.Type(control, text.toStdString()); });
              });
      break;
    case form::ControlKind::ListBox: {
      auto* list = qobject_cast<RangeList*>(widget);
      connect(list, &RangeList::chosen, this, [this, control, list] {
        Forward([this, control, list] { form_.ChooseRow(control, list->currentRow()); });
      });
      break;
    }
    case form::ControlKind::Frame:
    case form::ControlKind::Label:
    case form::ControlKind::MultiLineTextBox:
      break;  // nothing the student does to these is an action
  }
}

void StereoCalc::ConnectActions() {
  for (ControlIndex control = 0; control < kLayout.size(); ++control) Connect(control);
}

template <typename Action>
void StereoCalc::Forward(Action action) {
  if (formBusy_) return;
  formBusy_ = true;
  action();
  formBusy_ = false;
  emit acted();
}

void StereoCalc::ActAsStudent(const std::function<void(form::Form&)>& actions) {
  Forward([this, &actions] { actions(form_); });
}

void StereoCalc::ControlChanged(ControlIndex control, Property property) {
  Show(control, property);
}

void StereoCalc::FaultRaised(const form::FaultReport& fault) {
  ShowFaultMessage(*this, fault.message);
}

void StereoCalc::Show(ControlIndex control, Property property) {
  QWidget& widget = *widgets_[control];
  const form::ControlState& state = form_.State(control);
  switch (property) {
    case Property::Caption:
      ShowCaption(widget, ToQString(state.caption));
      RenameLabelled(control);
      break;
    case Property::Text:
      ShowText(widget, state.text);
      break;
    case Property::Visible:
      widget.setVisible(state.visible);
      break;
    case Property::Enabled:
      widget.setEnabled(state.enabled);
      break;
    case Property::Selected:
      if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setChecked(state.selected);
      break;
    case Property::Colour:
      SetBackColour(widget, state.back);
      break;
    case Property::CurrentRow:
      if (auto* list = qobject_cast<RangeList*>(&widget)) list->setCurrentRow(state.currentRow);
      break;
  }
}

void StereoCalc::RenameLabelled(ControlIndex caption) {
  for (ControlIndex i = 0; i < kLayout.size(); ++i) {
    if (kLayout[i].labelledBy == kLayout[caption].name) {
      widgets_[i]->setAccessibleName(ToQString(form_.State(caption).caption));
    }
  }
}

}  // namespace stereona::window

#include "window/stereo_calc.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "core/fault.h"
#include "solvers/body_solvers.h"
#include "window/control_table.h"
#include "window/drawing_tooltips.h"
#include "window/fault_message.h"
#include "window/form_builder.h"
#include "window/option_group.h"
#include "window/output_box_name.h"
#include "window/qt_text.h"
#include "window/range_list.h"
#include "window/reference_text.h"
#include "window/window_font.h"
#include "window/window_icon.h"

namespace stereona::window {
namespace {

constexpr std::string_view kCaption = "stereona.bg -  конус, цилиндър, пирамида и паралелепипед";

// A button's id in its group is its index in the control array.
template <typename Group = QButtonGroup, typename Button, std::size_t N>
Group* GroupOf(QObject& owner, const std::array<Button*, N>& members) {
  auto* group = new Group(&owner);
  for (std::size_t i = 0; i < N; ++i) group->addButton(members[i], static_cast<int>(i));
  return group;
}

}  // namespace

StereoCalc::StereoCalc(QWidget* parent)
    : QWidget(parent), calculator_(inputs_, BodySolvers(), ReferenceText()) {
  SetUpWindow();
  BuildControls(*this);
  controls_ = ControlArrays::Find(*this);
  new DrawingToolTips(controls_.option1, this);
  controls_.diapazon->setAccessibleName(controls_.label1[kRangeLabelIndex]->text());
  controls_.text1->setAccessibleName(ToQString(kOutputBoxName));
  controls_.text1->setAccessibleDescription(ToQString(kOutputBoxDescription));
  inputs_.ShowOutput(calculator_.Output());
  ConnectHandlers();
  CentreOnScreen();
  Form_Load();
  controls_.command1[0]->setFocus();  // first in the tab order
}

void StereoCalc::SetUpWindow() {
  setObjectName(QStringLiteral("Stereo_Calc"));
  setWindowTitle(ToQString(kCaption));
  // A fixed layout: the window can be moved and closed, never maximised or
  // minimised, and its client area never changes size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
  setFont(WindowFont());
  SetBackColour(*this, kStereoCalcBackColour);
  setWindowIcon(WindowIcon());
}

void StereoCalc::ConnectHandlers() {
  connect(GroupOf<OptionGroup>(*this, controls_.option1), &OptionGroup::chosen, this,
          [this](int id) { Option1_Click(static_cast<std::int16_t>(id)); });
  connect(GroupOf<OptionGroup>(*this, controls_.option2), &OptionGroup::chosen, this,
          [this](int id) { Option2_Click(static_cast<std::int16_t>(id)); });
  QButtonGroup* commandGroup = GroupOf(*this, controls_.command1);
  commandGroup->setExclusive(false);
  connect(commandGroup, &QButtonGroup::idClicked, this,
          [this](int id) { Command1_Click(static_cast<std::int16_t>(id)); });
  connect(controls_.diapazon, &RangeList::chosen, this, [this] { Diapazon_Click(0); });
}

void StereoCalc::CentreOnScreen() {
  // Placed here rather than left to a window manager, which may not exist.
  // The client area is centred; a frame, where there is one, grows around it.
  if (const QScreen* display = screen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    display->availableGeometry()));
  }
}

void StereoCalc::Command1_Click(std::int16_t index) {
  try {
    calculator_.Command1_Click(index);
  } catch (const FloatingPointFault& fault) {
    ShowFaultMessage(*this, fault);
  }
}

}  // namespace stereona::window

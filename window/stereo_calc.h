#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string_view>

#include "form/form.h"
#include "form/form_listener.h"
#include "window/widget_factory.h"

namespace stereona::window {

class OptionGroup;

// The main window, Stereo_Calc: the Qt face of the form. It builds a widget
// for every control of the layout table, tells the form what the student
// does, and shows every change the form reports. The behaviour is all the
// form's; a signal that a widget raises while the view is applying one of
// the form's changes is no action of the student's and is not passed on.
class StereoCalc : public QWidget, private form::FormListener {
  Q_OBJECT

 public:
  explicit StereoCalc(QWidget* parent = nullptr);

  form::Form& Form() noexcept { return form_; }

  // Gives the keyboard focus to «Изчисли», the first control in the tab
  // order, where Enter calculates. Qt clears the focus inside a window that
  // is placed into another, so the window that takes this one in calls it.
  void FocusFirstControl();

  // Runs `actions` on the form as the student's own from outside the window
  // (the practice's «Към прозореца»): the window shows every change they
  // make and passes none of its widgets' signals back meanwhile.
  void ActAsStudent(const std::function<void(form::Form&)>& actions);

 signals:
  // After each action of the student's on the form, once every change it
  // made is shown: for the views that follow the window's problem.
  void acted();

 private:
  void SetUpWindow();
  void ConnectActions();
  void Connect(form::ControlIndex control);
  OptionGroup& GroupIn(std::string_view frame);

  // Runs one action of the student's on the form, unless the form is busy:
  // then the widget's signal came from the view showing a change.
  template <typename Action>
  void Forward(Action action);

  void ControlChanged(form::ControlIndex control, form::Property property) override;
  void FaultRaised(const form::FaultReport& fault) override;
  void Show(form::ControlIndex control, form::Property property);
  void RenameLabelled(form::ControlIndex caption);

  form::Form form_;
  Widgets widgets_{};
  std::map<std::string_view, OptionGroup*> groups_;
  bool formBusy_ = false;
};

}  // namespace stereona::window

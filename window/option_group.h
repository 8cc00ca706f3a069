#pragma once

#include <QButtonGroup>

namespace stereona::window {

// An array of option buttons; a member's id is its control's row in the
// layout table.
// chosen(id) fires once whenever a member becomes selected (by click, key or
// code), and also when the student clicks the member that is selected
// already: that is a choice too, which Qt reports only as a click. Selecting
// the selected member from code changes nothing and reports nothing.
class OptionGroup : public QButtonGroup {
  Q_OBJECT

 public:
  explicit OptionGroup(QObject* parent);

 signals:
  void chosen(int id);

 private:
  // Whether the button being pressed was selected before the press; a click
  // on it then selects nothing new and toggled() stays silent.
  bool pressedWhileSelected_ = false;
};

}  // namespace stereona::window

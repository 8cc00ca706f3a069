#pragma once

#include <QPushButton>

class QKeyEvent;

namespace stereona::window {

// A command button that Enter and Return press, as Space does. Qt does that
// only for the buttons of a dialog; here «Изчисли» has the focus at start-up,
// and a student who types Enter first expects a solution.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace stereona::window

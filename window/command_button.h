#pragma once

#include <QPushButton>

class QKeyEvent;
class QPaintEvent;

namespace stereona::window {

// A command button that Enter and Return press, as Space does. Qt does that
// only for the buttons of a dialog; here «Изчисли» has the focus at start-up,
// and a student who types Enter first expects a solution.
//
// Desktop styles draw buttons from their theme and at best tint them; the
// face here is the button's own solid colour (its palette's background
// role), with a two-pixel bevel, raised and sunken while pressed, and a
// dotted focus line inside it. The button draws that itself rather than
// through a style sheet, which would bring Qt's style sheet engine into
// memory at start-up for three rectangles.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace stereona::window

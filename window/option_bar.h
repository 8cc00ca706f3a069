#pragma once

#include <QRadioButton>

namespace stereona::window {

// An option button drawn as a coloured bar. Qt takes a click on a radio
// button's circle and caption only, but the student sees the whole bar as the
// button, so a click anywhere on it selects it, just as a click on the circle.
class OptionBar : public QRadioButton {
  Q_OBJECT

 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override;
};

}  // namespace stereona::window

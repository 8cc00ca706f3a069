#pragma once

#include <QObject>
#include <array>

#include "core/bodies.h"

class QRadioButton;

namespace stereona::window {

// Shows each body selector's labelled drawing as its tooltip. The drawing is
// made when the tooltip is asked for, not at start-up: most runs never
// hover a selector, and the window should open without painting six images.
class DrawingToolTips : public QObject {
 public:
  DrawingToolTips(const std::array<QRadioButton*, kBodyCount>& selectors, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QRadioButton*, kBodyCount> selectors_;
};

}  // namespace stereona::window

#pragma once

#include <QLabel>

namespace stereona::window {

// A line that says why something cannot be done. A screen reader finds it as
// an alert named by what it says, and hears it when it appears; with nothing
// to say it is hidden.
class AlertLabel : public QLabel {
  Q_OBJECT

 public:
  explicit AlertLabel(QWidget* parent = nullptr);

  // Shows the text and announces it, or hides the line for an empty text.
  // The same text again is no new alert.
  void Say(const QString& text);
};

}  // namespace stereona::window

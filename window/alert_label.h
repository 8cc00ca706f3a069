#pragma once

#include <QLabel>

namespace stereona::window {

// A label whose new text is announced at once, as an alert: a screen reader
// says it while the focus stays where the user is typing. It presents itself
// as an alert named by what it says, and each announcement raises Qt's alert
// event (which Windows and macOS pass on) and shows the label anew, which is
// how an alert appears over AT-SPI, where Qt drops the alert event.
class AlertLabel : public QLabel {
  Q_OBJECT

 public:
  explicit AlertLabel(QWidget* parent = nullptr);

  // Shows `shown` (rich text allowed), whose words `said` are, silently.
  void Display(const QString& shown, const QString& said);
  // Shows it and announces it; nothing is announced while the window is
  // not shown.
  void Announce(const QString& shown, const QString& said);
  // A line that says why something cannot be done: shows and announces the
  // text, or hides the line for an empty text. The same text again is no
  // new alert.
  void Say(const QString& text);
};

}  // namespace stereona::window

#include "window/alert_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace stereona::window {
namespace {

// A QLabel is static text to a screen reader; this one is an alert, named by
// what it says (see Display).
QAccessibleInterface* AlertInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(AlertLabel::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
}

}  // namespace

AlertLabel::AlertLabel(QWidget* parent) : QLabel(parent) {
  // Installed with the first alert label, so that start-up does without it.
  static const bool installed = [] {
    QAccessible::installFactory(AlertInterface);
    return true;
  }();
  static_cast<void>(installed);
}

void AlertLabel::Display(const QString& shown, const QString& said) {
  setText(shown);
  setAccessibleName(said);
}

void AlertLabel::Announce(const QString& shown, const QString& said) {
  Display(shown, said);
  if (!window()->isVisible()) return;
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  // Hidden and shown again within one event: nothing is painted between.
  hide();
  show();
}

void AlertLabel::Say(const QString& text) {
  if (text == this->text()) return;
  if (text.isEmpty()) {
    Display({}, {});
    hide();
    return;
  }
  show();
  Announce(text, text);
}

}  // namespace stereona::window

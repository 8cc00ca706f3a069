#include "window/alert_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace stereona::window {
namespace {

// A QLabel is static text to a screen reader; this one is an alert, named by
// its text (its accessible name follows the text, see Say).
QAccessibleInterface* AlertInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(AlertLabel::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
}

}  // namespace

AlertLabel::AlertLabel(QWidget* parent) : QLabel(parent) {
  QAccessible::installFactory(AlertInterface);  // once: Qt ignores the same factory again
  setWordWrap(true);
  hide();
}

void AlertLabel::Say(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  setAccessibleName(text);
  setVisible(!text.isEmpty());
  if (text.isEmpty()) return;
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace stereona::window

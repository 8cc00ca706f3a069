#include "window/command_button.h"

#include <QKeyEvent>

namespace stereona::window {

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
    QPushButton::keyPressEvent(event);
    return;
  }
  // A held key presses once: a repeat would calculate again, or stack fault messages.
  if (!event->isAutoRepeat()) click();
  event->accept();
}

}  // namespace stereona::window

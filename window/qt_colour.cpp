#include "window/qt_colour.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace stereona::window {
namespace {

// Qt's palette has no inactive-border role; the window background is the
// colour of a text field in the user's scheme.
QColor SystemColour(BackColour colour) {
  if (colour == form::kInactiveBorder) return QColor::fromRgb(form::kInactiveBorderRgb);
  return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

bool HasTextArea(const QWidget& widget) {
  return qobject_cast<const QLineEdit*>(&widget) ||
         qobject_cast<const QAbstractScrollArea*>(&widget);
}

// A push button draws its own face; anything else without a text area shows
// its colour only when Qt fills its background.
bool NeedsFilling(const QWidget& widget) {
  return !HasTextArea(widget) && !qobject_cast<const QPushButton*>(&widget);
}

// Desktop styles draw buttons from their theme and at best tint them; the
// face must be the button's own solid colour, raised, and sunken when down.
void PaintFace(QPushButton& button, BackColour colour) {
  const QString face = ToQColor(colour).name();
  button.setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                     " QPushButton:pressed { border-style: inset; }"
                     " QPushButton:focus { border-color: %1; outline: 1px dotted black; }")
          .arg(face));
}

}  // namespace

QColor ToQColor(BackColour colour) {
  if (form::IsSystemColour(colour)) return SystemColour(colour);
  return QColor::fromRgb(static_cast<QRgb>(colour));
}

void SetBackColour(QWidget& widget, BackColour colour) {
  if (auto* button = qobject_cast<QPushButton*>(&widget)) PaintFace(*button, colour);
  const QPalette::ColorRole role = HasTextArea(widget) ? QPalette::Base : widget.backgroundRole();
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
  if (NeedsFilling(widget)) widget.setAutoFillBackground(true);
  widget.setProperty(kBackColourProperty, QVariant::fromValue(colour));
}

BackColour BackColourOf(const QWidget& widget) {
  return widget.property(kBackColourProperty).value<BackColour>();
}

}  // namespace stereona::window

#include "window/back_colour.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace stereona::window {
namespace {

constexpr BackColour kSystemColourFlag = 0x80000000;

// Qt's palette has no inactive-border role; this is the light grey that the
// classic desktop scheme gives it, so the unknown's input reads as "not for
// typing" against the white of the others.
const QColor kInactiveBorderGrey(0xD4, 0xD0, 0xC8);

QColor SystemColour(BackColour colour) {
  if (colour == kInactiveBorder) return kInactiveBorderGrey;
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

}  // namespace

QColor ToQColor(BackColour colour) {
  if ((colour & kSystemColourFlag) != 0) return SystemColour(colour);
  return QColor::fromRgb(static_cast<QRgb>(colour));
}

void SetBackColour(QWidget& widget, BackColour colour) {
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

#include "window/command_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>

namespace stereona::window {
namespace {

constexpr int kBevel = 2;

// The bevel as CSS draws an outset or inset border of the face's colour:
// the lit sides in a lighter shade, the others in the face colour itself,
// each side a trapezoid whose ends meet the next side's at 45 degrees.
void DrawBevel(QPainter& painter, const QRectF& outer, const QColor& face, bool sunken) {
  const QColor lit = face.lighter();
  const qreal left = outer.left();
  const qreal top = outer.top();
  const qreal right = outer.right();
  const qreal bottom = outer.bottom();
  const qreal w = kBevel;
  const QPolygonF bottomSide(
      {{left + w, bottom - w}, {left, bottom}, {right, bottom}, {right - w, bottom - w}});
  const QPolygonF rightSide(
      {{right - w, top + w}, {right - w, bottom - w}, {right, bottom}, {right, top}});
  const QPolygonF leftSide(
      {{left, top}, {left, bottom}, {left + w, bottom - w}, {left + w, top + w}});
  const QPolygonF topSide({{left, top}, {left + w, top + w}, {right - w, top + w}, {right, top}});

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sunken ? lit : face);  // bottom and right first: the lit sides overlap them
  painter.drawConvexPolygon(bottomSide);
  painter.drawConvexPolygon(rightSide);
  painter.setBrush(sunken ? face : lit);
  painter.drawConvexPolygon(leftSide);
  painter.drawConvexPolygon(topSide);
}

// One pixel wide, dotted, its lines on the pixel edges of `inner`.
void DrawFocusLine(QPainter& painter, const QRect& inner) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QBrush(Qt::black), 1, Qt::DotLine, Qt::FlatCap));
  const qreal left = inner.left();
  const qreal top = inner.top();
  const qreal right = inner.left() + inner.width() - 1;
  const qreal bottom = inner.top() + inner.height() - 1;
  painter.drawLine(QLineF(left, bottom, right, bottom));
  painter.drawLine(QLineF(right, top, right, bottom));
  painter.drawLine(QLineF(left, top, left, bottom));
  painter.drawLine(QLineF(left, top, right, top));
}

}  // namespace

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

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QColor face = palette().color(backgroundRole());
  painter.fillRect(rect(), face);
  DrawBevel(painter, QRectF(rect()), face, isDown());

  const QRect inner = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
  int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)) {
    flags |= Qt::TextHideMnemonic;
  }
  style()->drawItemText(&painter, inner, flags, palette(), isEnabled(), text(),
                        QPalette::ButtonText);
  if (hasFocus()) DrawFocusLine(painter, inner);
}

}  // namespace stereona::window

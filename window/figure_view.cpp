#include "window/figure_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "drawings/figure_painter.h"
#include "drawings/figure_style.h"
#include "qt_bridge/qt_text.h"

namespace stereona::window {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Presents a figure view as what it is, a picture: a plain widget would be
// announced as an empty panel.
QAccessibleInterface* GraphicOf(const QString& className, QObject* object) {
  if (className != QLatin1String(FigureView::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

// Millimetres of the view to a unit of the figure: as large as fits with
// the labels' room round it; nothing where no room is left.
double FittingScale(const figures::Box& box, double across, double down, double overhang) {
  const double room = 2 * (figures::kLabelMargin + overhang);
  const double inf = std::numeric_limits<double>::infinity();
  const double scale = std::min(box.Width() > 0 ? (across - room) / box.Width() : inf,
                                box.Height() > 0 ? (down - room) / box.Height() : inf);
  return std::isfinite(scale) && scale > 0 ? scale : 0;
}

}  // namespace

FigureView::FigureView(const QString& name, QWidget* parent, double overhangMillimetres)
    : QWidget(parent), overhang_(overhangMillimetres) {
  static const bool installed = (QAccessible::installFactory(&GraphicOf), true);
  (void)installed;
  setAccessibleName(name);
  setAutoFillBackground(true);
  QPalette paper = palette();
  paper.setColor(QPalette::Window, Qt::white);  // the figures' colours are for paper
  setPalette(paper);
}

void FigureView::Show(figures::Figure figure) {
  figure_ = std::move(figure);
  setAccessibleDescription(ToQString(figures::TextAlternative(figure_)));
  update();
}

QSize FigureView::sizeHint() const { return {320, 320}; }

void FigureView::paintEvent(QPaintEvent*) {
  // Millimetres as the screen has them, so that the labels are as tall as on paper.
  const double perMillimetre = logicalDpiX() / kMillimetresPerInch;
  const double scale =
      FittingScale(figure_.bounds, width() / perMillimetre, height() / perMillimetre, overhang_);
  if (scale == 0) return;
  const figures::Sheet sheet(figure_.bounds, scale);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate((width() - sheet.Width() * perMillimetre) / 2,
                    (height() - sheet.Height() * perMillimetre) / 2);
  drawings::PaintFigure(painter, figure_, sheet, perMillimetre, font().family());
}

}  // namespace stereona::window

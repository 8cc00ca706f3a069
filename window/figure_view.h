#pragma once

#include <QWidget>

#include "drawings/figure.h"

namespace stereona::window {

// A figure of plain geometry (the solid drawn to its numbers, a net) painted
// as large as the widget lets it, its labels at the letter height they have
// on paper. A screen reader finds it as a graphic named by its caption and
// described by the figure's text alternative.
class FigureView : public QWidget {
  Q_OBJECT

 public:
  // Room is left round the figure for labels `overhangMillimetres` longer
  // than the sheet's margin, which the view's edge would cut off.
  explicit FigureView(const QString& name, QWidget* parent = nullptr,
                      double overhangMillimetres = 0);

  void Show(figures::Figure figure);
  const figures::Figure& Shown() const noexcept { return figure_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  figures::Figure figure_;
  double overhang_;
};

}  // namespace stereona::window

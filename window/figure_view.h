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
  FigureView(const QString& name, QWidget* parent = nullptr);

  void Show(figures::Figure figure);
  const figures::Figure& Shown() const noexcept { return figure_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  figures::Figure figure_;
};

}  // namespace stereona::window

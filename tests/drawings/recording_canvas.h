#pragma once

#include <vector>

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QtMath>

#include "drawings/canvas.h"

namespace stereona::drawings::testing {

// Keeps every call a figure makes, so tests can ask what it drew and where.
class RecordingCanvas : public Canvas {
 public:
  struct LineCall {
    QPointF from, to;
    Stroke stroke;
  };
  struct ArcCall {
    QRectF bounds;
    qreal startDegrees, spanDegrees;
    Stroke stroke;
  };
  struct LabelCall {
    QPointF centre;
    QString text;
  };

  std::vector<LineCall> lines;
  std::vector<ArcCall> arcs;
  std::vector<QPointF> dots;
  std::vector<LabelCall> labels;

  void Line(QPointF from, QPointF to, Stroke stroke) override {
    lines.push_back({from, to, stroke});
  }
  void Arc(const QRectF& bounds, qreal startDegrees, qreal spanDegrees, Stroke stroke) override {
    arcs.push_back({bounds, startDegrees, spanDegrees, stroke});
  }
  void Dot(QPointF centre) override { dots.push_back(centre); }
  void Label(QPointF centre, const QString& text) override { labels.push_back({centre, text}); }

  QStringList LabelTexts() const {
    QStringList texts;
    for (const LabelCall& label : labels) texts << label.text;
    return texts;
  }

  // Points along every line and arc of `stroke`, about half a pixel apart,
  // for checks that want to know where ink goes.
  std::vector<QPointF> InkOf(Stroke stroke) const {
    std::vector<QPointF> points;
    for (const LineCall& line : lines) {
      if (line.stroke != stroke) continue;
      const int steps = StepsFor(QLineF(line.from, line.to).length());
      for (int i = 0; i <= steps; ++i) points.push_back(At(line, qreal(i) / steps));
    }
    for (const ArcCall& arc : arcs) {
      if (arc.stroke != stroke) continue;
      const int steps = StepsFor(qDegreesToRadians(qAbs(arc.spanDegrees)) * arc.bounds.width() / 2);
      for (int i = 0; i <= steps; ++i) points.push_back(At(arc, qreal(i) / steps));
    }
    return points;
  }

  // The middle of each line and arc of `stroke`.
  std::vector<QPointF> MiddlesOf(Stroke stroke) const {
    std::vector<QPointF> points;
    for (const LineCall& line : lines)
      if (line.stroke == stroke) points.push_back(At(line, 0.5));
    for (const ArcCall& arc : arcs)
      if (arc.stroke == stroke) points.push_back(At(arc, 0.5));
    return points;
  }

 private:
  static int StepsFor(qreal length) { return qMax(1, qCeil(length * 2)); }

  static QPointF At(const LineCall& line, qreal t) { return line.from + (line.to - line.from) * t; }

  // Counter-clockwise on a screen whose y grows downwards.
  static QPointF At(const ArcCall& arc, qreal t) {
    const qreal angle = qDegreesToRadians(arc.startDegrees + arc.spanDegrees * t);
    return arc.bounds.center() +
           QPointF(arc.bounds.width() / 2 * qCos(angle), -arc.bounds.height() / 2 * qSin(angle));
  }
};

}  // namespace stereona::drawings::testing

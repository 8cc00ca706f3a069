#pragma once

#include <QPainter>
#include <QSizeF>

#include "drawings/figure.h"
#include "drawings/sheet.h"

// Paints a figure of plain geometry (drawings/figure.h) as the SVG writer
// writes it: the same sheet, strokes and labels, through a QPainter, for
// the window and its printing.
namespace stereona::drawings {

// The figure placed by `sheet`, `pixelsPerMillimetre` device pixels to a
// millimetre of the sheet, its top left at the painter's origin. The
// labels are in `family` at the sheet's letter height.
void PaintFigure(QPainter& painter, const figures::Figure& figure, const figures::Sheet& sheet,
                 double pixelsPerMillimetre, const QString& family = QStringLiteral("sans-serif"));

}  // namespace stereona::drawings

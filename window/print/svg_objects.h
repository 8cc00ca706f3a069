#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QTextDocument;

// Inline SVG in a printed HTML document. Qt's text document reads no SVG:
// each <svg>…</svg> is taken out of the HTML and stands in the text as one
// object, laid out like a character of its own size in millimetres and
// painted by Qt SVG as vectors, so that a figure printed to scale keeps
// its lengths exactly.
namespace stereona::window {

struct SvgSplit {
  QString html;            // each <svg> element replaced by an image naming it
  QList<QByteArray> svgs;  // the elements, in order
};
SvgSplit SplitSvg(const QString& html);

// Makes the images that name the SVGs into the objects that paint them,
// with a painter owned by the document. An SVG is as large as its width and
// height in millimetres, or, without them, as its viewBox read as
// millimetres (the figures' fitted drawings are written so).
void PlaceSvgObjects(QTextDocument& document, const QList<QByteArray>& svgs);

}  // namespace stereona::window

#pragma once

#include <QString>

class QPagedPaintDevice;

namespace stereona::window {

// Every printed page is A4 with these margins, on paper and in a PDF.
inline constexpr double kPageMarginMillimetres = 15.0;

// Sets the device to A4 with the margins above.
void UseA4WithMargins(QPagedPaintDevice& device);

// Lays the HTML document out on the device's pages and paints it there.
// The document's own margin is left out: the page has its margins already.
void PaintDocument(const QString& html, QPagedPaintDevice& device);

}  // namespace stereona::window

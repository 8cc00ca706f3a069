#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QTextDocument;

namespace stereona::window {

// Every printed page is A4 with these margins, on paper and in a PDF,
// unless the document's page rule says otherwise.
inline constexpr double kPageMarginMillimetres = 15.0;

// Sets the device to A4 with the margins above, or as the document's own
// @page rule asks, as a browser reads it: "landscape" turns the sheet and
// "margin: 10mm" sets the margins (a document whose figures are printed to
// scale chose its scale for that page).
void UseA4WithMargins(QPagedPaintDevice& device, const QString& html = {});

// Called on the document once its HTML is read, before it is laid out on
// the pages: where the printer puts in what Qt's HTML does not render.
using DocumentPreparation = std::function<void(QTextDocument&)>;

// Lays the HTML document out on the device's pages and paints it there.
// The document's own margin is left out: the page has its margins already.
void PaintDocument(const QString& html, QPagedPaintDevice& device,
                   const DocumentPreparation& prepare = {});

}  // namespace stereona::window

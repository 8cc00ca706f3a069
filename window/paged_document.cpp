#include "window/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTextDocument>

namespace stereona::window {
namespace {

// Read at arm's length on paper; the solutions' longest lines still fit.
constexpr int kFontPoints = 11;

}  // namespace

void UseA4WithMargins(QPagedPaintDevice& device) {
  const QMarginsF margins(kPageMarginMillimetres, kPageMarginMillimetres, kPageMarginMillimetres,
                          kPageMarginMillimetres);
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                                   QPageLayout::Millimeter));
}

void PaintDocument(const QString& html, QPagedPaintDevice& device) {
  QTextDocument document;
  // Laid out in the device's own units, so that print() takes the pages as
  // they are instead of adding margins of its own and scaling.
  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setDefaultFont(QFont(QStringLiteral("serif"), kFontPoints));
  document.setHtml(html);
  const int resolution = device.logicalDpiX();
  document.setPageSize(device.pageLayout().paintRectPixels(resolution).size());
  document.print(&device);
}

}  // namespace stereona::window

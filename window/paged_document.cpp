#include "window/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QRegularExpression>
#include <QTextDocument>

namespace stereona::window {
namespace {

// Read at arm's length on paper; the solutions' longest lines still fit.
constexpr int kFontPoints = 11;

// The body of the document's @page rule, or nothing.
QString PageRule(const QString& html) {
  static const QRegularExpression rule(QStringLiteral("@page\\s*\\{([^}]*)\\}"));
  return rule.match(html).captured(1);
}

double MarginIn(const QString& rule) {
  static const QRegularExpression margin(QStringLiteral("margin\\s*:\\s*([0-9]+(?:\\.[0-9]+)?)mm"));
  const QRegularExpressionMatch match = margin.match(rule);
  return match.hasMatch() ? match.captured(1).toDouble() : kPageMarginMillimetres;
}

}  // namespace

void UseA4WithMargins(QPagedPaintDevice& device, const QString& html) {
  const QString rule = PageRule(html);
  const double margin = MarginIn(rule);
  const QMarginsF margins(margin, margin, margin, margin);
  const auto orientation =
      rule.contains(QLatin1String("landscape")) ? QPageLayout::Landscape : QPageLayout::Portrait;
  device.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), orientation, margins, QPageLayout::Millimeter));
}

void PaintDocument(const QString& html, QPagedPaintDevice& device,
                   const DocumentPreparation& prepare) {
  QTextDocument document;
  // Laid out in the device's own units, so that print() takes the pages as
  // they are instead of adding margins of its own and scaling.
  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setDefaultFont(QFont(QStringLiteral("serif"), kFontPoints));
  document.setHtml(html);
  if (prepare) prepare(document);
  const int resolution = device.logicalDpiX();
  document.setPageSize(device.pageLayout().paintRectPixels(resolution).size());
  document.print(&device);
}

}  // namespace stereona::window

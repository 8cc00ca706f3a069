// The print module: everything that needs Qt's print support or Qt SVG,
// loaded by the window only when a teacher first prints.
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "window/paged_document.h"
#include "window/print/svg_objects.h"
#include "window/print_module.h"

namespace {

using stereona::window::PaintDocument;
using stereona::window::PlaceSvgObjects;
using stereona::window::SplitSvg;

void PaintWithSvg(const QString& html, QPagedPaintDevice& device) {
  const stereona::window::SvgSplit split = SplitSvg(html);
  PaintDocument(split.html, device,
                [&split](QTextDocument& document) { PlaceSvgObjects(document, split.svgs); });
}

// Matches PrintModuleFunction; checked at compile time below.
void PrintWithPreview(QWidget* parent, const char* htmlUtf8) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    QMessageBox::information(parent, QStringLiteral("Печат"),
                             QStringLiteral("Няма инсталиран принтер. Запишете документа като "
                                            "PDF и го отпечатайте от друг компютър."));
    return;
  }
  const QString html = QString::fromUtf8(htmlUtf8);
  QPrinter printer(QPrinter::HighResolution);
  stereona::window::UseA4WithMargins(printer, html);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QStringLiteral("Преглед преди печат"));
  preview.setAccessibleName(QStringLiteral("Преглед преди печат"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&html](QPrinter* device) { PaintWithSvg(html, *device); });
  preview.exec();
}

void PaintOnDevice(QPagedPaintDevice* device, const char* htmlUtf8) {
  PaintWithSvg(QString::fromUtf8(htmlUtf8), *device);
}

constexpr stereona::window::PrintModuleFunction kCheckedPrint = &PrintWithPreview;
constexpr stereona::window::PaintModuleFunction kCheckedPaint = &PaintOnDevice;

}  // namespace

extern "C" Q_DECL_EXPORT void StereonaPrintWithPreview(QWidget* parent, const char* htmlUtf8) {
  kCheckedPrint(parent, htmlUtf8);
}

extern "C" Q_DECL_EXPORT void StereonaPaintDocument(QPagedPaintDevice* device,
                                                    const char* htmlUtf8) {
  kCheckedPaint(device, htmlUtf8);
}

// The print module: everything that needs Qt's print support, loaded by
// the window only when a teacher first prints.
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "window/paged_document.h"
#include "window/print_module.h"

namespace {

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
  stereona::window::UseA4WithMargins(printer);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QStringLiteral("Преглед преди печат"));
  preview.setAccessibleName(QStringLiteral("Преглед преди печат"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&html](QPrinter* device) { stereona::window::PaintDocument(html, *device); });
  preview.exec();
}

constexpr stereona::window::PrintModuleFunction kChecked = &PrintWithPreview;

}  // namespace

extern "C" Q_DECL_EXPORT void StereonaPrintWithPreview(QWidget* parent, const char* htmlUtf8) {
  kChecked(parent, htmlUtf8);
}

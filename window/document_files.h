#pragma once

#include <QString>

class QWidget;

namespace stereona::window {

// "лист" becomes "лист.pdf"; a name that ends in ".pdf" in any case stays.
QString WithPdfSuffix(const QString& fileName);

// Writes the HTML document as an A4 PDF. The file is replaced only when the
// whole PDF is written; otherwise the returned text says in Bulgarian why
// not and any earlier file stays as it was. Empty on success.
QString WritePdf(const QString& html, const QString& fileName);

// Asks for a file name (with ".pdf" added) and writes the PDF there, or says
// why it could not. An existing file is replaced only when the user says so.
// Returns the file written, or an empty name.
QString SavePdfAs(QWidget& parent, const QString& html, const QString& suggestedName);

// Opens the print preview with the printer dialog, or says that there is no
// printer. The print support is loaded here, on first use.
void PrintWithPreview(QWidget& parent, const QString& html);

}  // namespace stereona::window

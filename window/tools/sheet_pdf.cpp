// Writes a practice sheet as PDF the way the sheet dialog does: the pictures
// of a printed sheet and of its key in the README are made from it (see
// tools/make-sheet-pictures.sh). Runs on any Qt platform, offscreen too.
//
//   stereona_sheet_pdf OUTPUT.pdf
#include <QGuiApplication>
#include <cstdio>

#include "documents/practice_sheet.h"
#include "qt_bridge/qt_text.h"
#include "window/document_files.h"

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: stereona_sheet_pdf OUTPUT.pdf\n", stderr);
    return 2;
  }
  stereona::documents::SheetOptions options;
  options.volumeOnly = false;
  options.problemCount = 8;
  options.range = 1;
  options.sheetNumber = 2026;
  const QString error =
      stereona::window::WritePdf(stereona::ToQString(stereona::documents::PracticeSheet(options)),
                                 QString::fromLocal8Bit(argv[1]));
  if (!error.isEmpty()) std::fprintf(stderr, "%s\n", error.toUtf8().constData());
  return error.isEmpty() ? 0 : 1;
}

#include "window/document_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPdfWriter>
#include <QSaveFile>

#include "window/paged_document.h"
#include "window/print_module.h"

namespace stereona::window {
namespace {

const QString kPdfSuffix = QStringLiteral(".pdf");

// The print support lives in a module of its own, so that the window starts
// without loading Qt's print support; it is looked for beside the program
// (the build), where it is installed relative to the program, and on the
// library path.
PrintModuleFunction LoadPrintModule(QString& error) {
  static PrintModuleFunction print = nullptr;
  if (print) return print;
  const QString program = QCoreApplication::applicationDirPath();
  const QString file = QLatin1String(kPrintModuleFile);
  const QStringList candidates = {
      program + QStringLiteral("/") + file,
      program + QStringLiteral("/" STEREONA_PRINT_MODULE_FROM_PROGRAM "/") + file, file};
  for (const QString& candidate : candidates) {
    QLibrary library(candidate);
    // Every place's reason: the one beside the program may exist and fail.
    const auto fail = [&error, &library] {
      if (!error.isEmpty()) error += QLatin1String("; ");
      error += library.errorString();
    };
    if (!library.load()) {
      fail();
      continue;
    }
    print = reinterpret_cast<PrintModuleFunction>(library.resolve(kPrintModuleEntry));
    if (print) return print;
    fail();
  }
  return nullptr;
}

bool MayReplace(QWidget& parent, const QString& title, const QString& fileName) {
  const QString question = QStringLiteral("Файлът „%1“ вече съществува.\nДа бъде ли заменен?")
                               .arg(QDir::toNativeSeparators(fileName));
  return QMessageBox::warning(&parent, title, question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

QString WithPdfSuffix(const QString& fileName) {
  if (fileName.endsWith(kPdfSuffix, Qt::CaseInsensitive)) return fileName;
  return fileName + kPdfSuffix;
}

QString WritePdf(const QString& html, const QString& fileName) {
  // Made in memory first: a PDF writer says nothing when its file cannot be
  // opened, and a half-written file must not replace a good one.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setCreator(QStringLiteral("Стереона"));
    UseA4WithMargins(writer);
    PaintDocument(html, writer);
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.size() || !file.commit()) {
    return QStringLiteral("Файлът „%1“ не може да бъде записан: %2.")
        .arg(QDir::toNativeSeparators(fileName), file.errorString());
  }
  return {};
}

QString SavePdfAs(QWidget& parent, const QString& html, const QString& suggestedName) {
  const QString title = QStringLiteral("Запис като PDF");
  QString fileName = QDir::home().filePath(suggestedName + kPdfSuffix);
  // The file dialog would ask about the name as typed, before ".pdf" is
  // added; the question is asked here about the file that will be written.
  // «Не» leads back to the dialog, as the dialog's own question does.
  do {
    const QString chosen = QFileDialog::getSaveFileName(&parent, title, fileName,
                                                        QStringLiteral("Документ PDF (*.pdf)"),
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return {};
    fileName = WithPdfSuffix(chosen);
  } while (QFileInfo::exists(fileName) && !MayReplace(parent, title, fileName));
  const QString error = WritePdf(html, fileName);
  if (!error.isEmpty()) {
    QMessageBox::warning(&parent, title, error);
    return {};
  }
  return fileName;
}

void PrintWithPreview(QWidget& parent, const QString& html) {
  QString error;
  if (const PrintModuleFunction print = LoadPrintModule(error)) {
    const QByteArray utf8 = html.toUtf8();
    print(&parent, utf8.constData());
    return;
  }
  QMessageBox::warning(&parent, QStringLiteral("Печат"),
                       QStringLiteral("Печатът не е на разположение (%1). Запишете документа "
                                      "като PDF.")
                           .arg(error));
}

}  // namespace stereona::window

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

// The print support and Qt SVG live in a module of its own, so that the
// window starts without loading them; it is looked for beside the program
// (the build), where it is installed relative to the program, and on the
// library path. Returns the entry named, or nothing with the reasons.
QFunctionPointer LoadPrintModule(const char* entry, QString& error) {
  static QString loaded;  // the file found, kept loaded for the whole run
  const QString program = QCoreApplication::applicationDirPath();
  const QString file = QLatin1String(kPrintModuleFile);
  const QStringList candidates =
      loaded.isEmpty()
          ? QStringList{program + QStringLiteral("/") + file,
                        program + QStringLiteral("/" STEREONA_PRINT_MODULE_FROM_PROGRAM "/") + file,
                        file}
          : QStringList{loaded};
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
    if (const QFunctionPointer function = library.resolve(entry)) {
      loaded = candidate;
      return function;
    }
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
  QString error;
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setCreator(QStringLiteral("Стереона"));
    UseA4WithMargins(writer, html);
    if (!html.contains(QLatin1String("<svg"))) {
      PaintDocument(html, writer);
    } else if (const auto paint = reinterpret_cast<PaintModuleFunction>(
                   LoadPrintModule(kPaintModuleEntry, error))) {
      const QByteArray utf8 = html.toUtf8();
      paint(&writer, utf8.constData());
    } else {
      return QStringLiteral(
                 "Файлът „%1“ не може да бъде записан: чертежите не могат да бъдат "
                 "изобразени (%2).")
          .arg(QDir::toNativeSeparators(fileName), error);
    }
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
  if (const auto print =
          reinterpret_cast<PrintModuleFunction>(LoadPrintModule(kPrintModuleEntry, error))) {
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

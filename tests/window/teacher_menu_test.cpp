// The menu above the window and what it prints: the window's client area
// is untouched, a practice sheet goes to PDF through the real menu action
// and file dialog and reads back with pdftotext, and a PDF that cannot be
// written is said in Bulgarian.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "form/layout_table.h"
#include "window/document_files.h"
#include "window/main_window.h"
#include "window/sheet_dialog.h"

namespace stereona::window {
namespace {

// Runs `answer` on the next modal dialog of type Dialog as soon as it shows.
template <typename Dialog, typename Answer>
void AnswerNextDialog(Answer answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      answer(*dialog);
    }
  });
  poll->start(10);
}

// The text of the given pages of a PDF, through poppler's pdftotext.
QString PdfText(const QString& pdf, int first, int last) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
                   QString::number(last), pdf, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (Debian poppler-utils)";
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(TeacherMenuTest, MenuSitsAboveAnUnchangedClientArea) {
  MainWindow window;
  window.show();
  const StereoCalc& calc = window.Calculator();
  EXPECT_EQ(calc.size(),
            QSize(form::Pixels(form::kClientWidthTwips), form::Pixels(form::kClientHeightTwips)));
  EXPECT_EQ(calc.geometry().top(), window.MenuBar().geometry().bottom() + 1);
  EXPECT_EQ(window.size(), QSize(calc.width(), calc.geometry().bottom() + 1));

  const std::vector<std::pair<const char*, QKeySequence>> shortcuts = {
      {"PrintSolution", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"SolutionAsPdf", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"PracticeSheets", QKeySequence()},
      {"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {"About", QKeySequence()},
  };
  for (const auto& [name, keys] : shortcuts) {
    const auto* action = window.findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->shortcut(), keys) << name;
  }
}

TEST(TeacherMenuTest, SheetSavedAsPdfThroughTheMenuReadsBack) {
  QTemporaryDir folder;
  MainWindow window;
  window.show();
  window.findChild<QAction*>(QStringLiteral("PracticeSheets"))->trigger();
  auto* dialog = window.findChild<SheetDialog*>();
  ASSERT_NE(dialog, nullptr);
  dialog->findChild<QSpinBox*>(QStringLiteral("SheetNumber"))->setValue(2024);
  dialog->findChild<QSpinBox*>(QStringLiteral("SheetProblems"))->setValue(12);
  // A name without ".pdf" gets it.
  const QString chosen = folder.filePath(QStringLiteral("лист"));
  AnswerNextDialog<QFileDialog>([&chosen](QFileDialog& files) {
    // Typed into the name box, as a user does: selectFile() may be undone
    // when the dialog's folder finishes loading.
    files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen);
    static_cast<QDialog&>(files).accept();  // as its «Запис» button does
  });
  dialog->findChild<QPushButton*>(QStringLiteral("SheetSavePdf"))->click();
  dialog->close();

  const QString pdf = chosen + QStringLiteral(".pdf");
  ASSERT_TRUE(QFile::exists(pdf));
  const QString firstPage = PdfText(pdf, 1, 1);
  EXPECT_TRUE(firstPage.contains(QStringLiteral("Лист за упражнения № 2024, вариант 1")))
      << firstPage.toStdString();
  EXPECT_TRUE(firstPage.contains(QStringLiteral("Намерете обема V."))) << firstPage.toStdString();
  EXPECT_FALSE(firstPage.contains(QStringLiteral("Отговори")));
  const QString laterPages = PdfText(pdf, 2, 99);
  EXPECT_TRUE(laterPages.contains(QStringLiteral("Отговори: лист № 2024, вариант 1")))
      << laterPages.toStdString();
}

TEST(TeacherMenuTest, PrintingWithoutAPrinterSaysSoFromTheLoadedModule) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  MainWindow window;
  window.show();
  QString said;
  AnswerNextDialog<QMessageBox>([&said](QMessageBox& box) {
    said = box.text();
    box.close();
  });
  // Before any calculation, too: the document is the heading alone.
  window.findChild<QAction*>(QStringLiteral("PrintSolution"))->trigger();
  EXPECT_TRUE(said.startsWith(QStringLiteral("Няма инсталиран принтер."))) << said.toStdString();
}

TEST(TeacherMenuTest, PdfThatCannotBeWrittenIsSaidAndLeavesNothing) {
  QTemporaryDir folder;
  const QString missingFolder = folder.filePath(QStringLiteral("няма/решение.pdf"));
  const QString error = WritePdf(QStringLiteral("<h1>Конус</h1>"), missingFolder);
  EXPECT_TRUE(error.startsWith(QStringLiteral("Файлът „"))) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("не може да бъде записан"))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(missingFolder));
  EXPECT_EQ(WithPdfSuffix(QStringLiteral("лист.PDF")), QStringLiteral("лист.PDF"));
}

}  // namespace
}  // namespace stereona::window

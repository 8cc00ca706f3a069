// The menu above the window and what it prints: the window's client area
// is untouched, a practice sheet goes to PDF through the real menu action
// and file dialog and reads back with pdftotext, an earlier file is replaced
// only when the teacher says so and survives a save that fails; and the
// practice sheet dialog, its refusal and its spin boxes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "form/layout_table.h"
#include "tests/window/window_fixture.h"
#include "window/document_files.h"
#include "window/sheet_dialog.h"

namespace stereona::window::testing {
namespace {

using TeacherMenuTest = WindowTest;

void WriteFile(const QString& name, const QByteArray& contents) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
  file.write(contents);
}

QByteArray ReadFile(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

TEST_F(TeacherMenuTest, MenuSitsAboveAnUnchangedClientArea) {
  const MainWindow& window = *frame_;
  const StereoCalc& calc = window_;
  EXPECT_EQ(calc.size(),
            QSize(form::Pixels(form::kClientWidthTwips), form::Pixels(form::kClientHeightTwips)));
  EXPECT_EQ(calc.geometry().top(), frame_->MenuBar().geometry().bottom() + 1);
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

// The menu bar's extension button (shown when the menus do not fit) reads
// its arrow only when first drawn: the arrow must still be the style's own.
TEST_F(TeacherMenuTest, MenuBarExtensionShowsTheStylesArrow) {
  const auto* extension =
      frame_->MenuBar().findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
  ASSERT_NE(extension, nullptr);
  const auto* style = dynamic_cast<const QProxyStyle*>(QApplication::style());
  ASSERT_NE(style, nullptr);
  const QImage arrow = style->baseStyle()
                           ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                           .pixmap(16)
                           .toImage();
  ASSERT_FALSE(arrow.isNull());
  EXPECT_EQ(extension->icon().pixmap(16).toImage(), arrow);
}

TEST_F(TeacherMenuTest, SheetSavedAsPdfThroughTheMenuReadsBack) {
  QTemporaryDir folder;
  MainWindow& window = *frame_;
  window.findChild<QAction*>(QStringLiteral("PracticeSheets"))->trigger();
  auto* dialog = window.findChild<SheetDialog*>();
  ASSERT_NE(dialog, nullptr);
  dialog->findChild<QSpinBox*>(QStringLiteral("SheetNumber"))->setValue(2024);
  dialog->findChild<QSpinBox*>(QStringLiteral("SheetProblems"))->setValue(12);
  // A name without ".pdf" gets it.
  const QString chosen = folder.filePath(QStringLiteral("лист"));
  AnswerNextDialog<QFileDialog>([&chosen](QFileDialog& files) { TypeFileName(files, chosen); });
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

TEST_F(TeacherMenuTest, PrintingWithoutAPrinterSaysSoFromTheLoadedModule) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  MainWindow& window = *frame_;
  QString said;
  AnswerNextDialog<QMessageBox>([&said](QMessageBox& box) {
    said = box.text();
    box.close();
  });
  // Before any calculation, too: the document is the heading alone.
  window.findChild<QAction*>(QStringLiteral("PrintSolution"))->trigger();
  EXPECT_TRUE(said.startsWith(QStringLiteral("Няма инсталиран принтер."))) << said.toStdString();
}

// A PDF written over an earlier file: the teacher is asked first, also when
// ".pdf" is added to the name typed, and «Не» leads back to the file dialog.
TEST_F(TeacherMenuTest, AnExistingPdfIsReplacedOnlyWhenTheTeacherSaysSo) {
  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    QTemporaryDir folder;
    const QString earlier = folder.filePath(QStringLiteral("лист.pdf"));
    WriteFile(earlier, "earlier sheet");
    AnswerNextDialog<QFileDialog>([&folder](QFileDialog& files) {
      TypeFileName(files, folder.filePath(QStringLiteral("лист")));
    });
    QString asked;
    AnswerNextDialog<QMessageBox>([&asked, answer](QMessageBox& box) {
      asked = box.text();
      box.button(answer)->click();
      // Back in the file dialog, the teacher gives up.
      if (answer == QMessageBox::No)
        AnswerNextDialog<QFileDialog>([](QFileDialog& files) { files.reject(); });
    });
    const QString saved = SavePdfAs(*frame_, QStringLiteral("<h1>Конус</h1>"), "лист");

    EXPECT_TRUE(asked.contains(QDir::toNativeSeparators(earlier))) << asked.toStdString();
    EXPECT_EQ(saved, answer == QMessageBox::Yes ? earlier : QString());
    EXPECT_EQ(ReadFile(earlier).startsWith("%PDF"), answer == QMessageBox::Yes) << answer;
  }
}

// A save that fails after the PDF is made leaves the earlier file as it was.
// The name is at the file system's limit of 255 bytes: the file is there,
// but no temporary file can be named beside it, whoever runs the test.
TEST_F(TeacherMenuTest, APdfThatCannotBeWrittenIsSaidAndLeavesTheEarlierFile) {
  QTemporaryDir folder;
  const QString earlier = folder.filePath(QString(251, QLatin1Char('a')) + QStringLiteral(".pdf"));
  WriteFile(earlier, "earlier sheet");
  const QString error = WritePdf(QStringLiteral("<h1>Конус</h1>"), earlier);
  EXPECT_TRUE(error.startsWith(QStringLiteral("Файлът „"))) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("не може да бъде записан"))) << error.toStdString();
  EXPECT_EQ(ReadFile(earlier), "earlier sheet");
  EXPECT_EQ(WithPdfSuffix(QStringLiteral("лист.PDF")), QStringLiteral("лист.PDF"));
}

class SheetDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    dialog_.show();
  }
  template <typename Widget>
  Widget* Part(const char* name) {
    auto* part = dialog_.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
  }

  SheetDialog dialog_{frame_.get()};
};

// A refused choice is said under the preview as an alert, named by what it
// says (that a screen reader hears it appear, the AT-SPI test checks: the
// offscreen platform has no screen reader to tell); the greyed commands say why.
TEST_F(SheetDialogTest, ARefusedChoiceIsAnAlertAndTheGreyedCommandsSayWhy) {
  const QString why = QStringLiteral("Изберете поне едно тяло.");
  auto* refusal = Part<QLabel>("SheetRefusal");
  const std::vector<QPushButton*> commands = {Part<QPushButton>("SheetPrint"),
                                              Part<QPushButton>("SheetSavePdf")};
  for (QCheckBox* body : dialog_.findChildren<QCheckBox*>(QRegularExpression("^SheetBody")))
    body->setChecked(false);

  const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(refusal);
  EXPECT_TRUE(refusal->isVisible());
  EXPECT_EQ(face->role(), QAccessible::AlertMessage);
  EXPECT_EQ(face->text(QAccessible::Name).toStdString(), why.toStdString());
  for (const QPushButton* command : commands) {
    EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_EQ(command->accessibleDescription().toStdString(), why.toStdString())
        << command->objectName().toStdString();
  }

  Part<QCheckBox>("SheetBody0")->setChecked(true);
  EXPECT_FALSE(refusal->isVisible());
  for (const QPushButton* command : commands) {
    EXPECT_TRUE(command->isEnabled() && command->accessibleDescription().isEmpty())
        << command->objectName().toStdString();
  }
}

// A number typed into a spin box makes the sheet once, when it is finished,
// and its Enter presses no button of the dialog.
TEST_F(SheetDialogTest, ATypedNumberMakesTheSheetOnceWhenFinished) {
  auto* number = Part<QSpinBox>("SheetNumber");
  auto* preview = Part<QTextBrowser>("SheetPreview");
  QSignalSpy made(preview, &QTextEdit::textChanged);
  number->setValue(number->value() == 1 ? 2 : 1);  // a value other than the one drawn
  const auto once = made.count();
  ASSERT_GT(once, 0);
  made.clear();

  bool opened = false;
  const QPointer<QTimer> anyDialog = AnswerNextDialog<QDialog>([&opened](QDialog& dialog) {
    opened = true;
    dialog.reject();
  });
  number->setFocus();
  QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(number, QStringLiteral("2025"));
  EXPECT_EQ(made.count(), 0);
  QTest::keyClick(number, Qt::Key_Return);
  EXPECT_EQ(made.count(), once);
  EXPECT_TRUE(preview->toPlainText().contains(QStringLiteral("№ 2025")));
  QTest::qWait(50);
  EXPECT_FALSE(opened);
  delete anyDialog.data();
}

}  // namespace
}  // namespace stereona::window::testing

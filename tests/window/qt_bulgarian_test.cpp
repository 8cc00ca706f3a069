#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "tests/window/window_fixture.h"
#include "window/document_files.h"
#include "window/fault_message.h"
#include "window/qt_translation.h"

// Qt's own texts in the window (context menus, the fault message's button)
// are in Bulgarian like the rest of it.
namespace stereona::window::testing {
namespace {

// An action's text without the shortcut Qt appends after a tab.
QStringList MenuTexts(QWidget& box) {
  std::unique_ptr<QMenu> menu;
  if (auto* line = qobject_cast<QLineEdit*>(&box)) menu.reset(line->createStandardContextMenu());
  if (auto* text = qobject_cast<QPlainTextEdit*>(&box))
    menu.reset(text->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().section('\t', 0, 0).remove('&');
  }
  return texts;
}

// The window started as the program starts it, which installs Qt's texts;
// the file must be there for the program to find (Debian qt6-translations-l10n).
class QtBulgarian : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(QtBulgarianOnDemand(QtTranslationsDirectory()).isEmpty())
        << "qtbase_bg.qm missing from " << QtTranslationsDirectory().toStdString();
    WindowTest::SetUp();
  }
};

TEST_F(QtBulgarian, ContextMenusOfTheInputsAndTheOutputBoxAreBulgarian) {
  const QRegularExpression bulgarian(QStringLiteral("^[А-Яа-я ]+$"));
  for (const QString name : {"Text2(1)", "Text1(0)"}) {
    const QStringList texts = MenuTexts(*Find(name));
    EXPECT_GE(texts.size(), name.startsWith("Text2") ? 7 : 2) << name.toStdString();
    for (const QString& text : texts) {
      EXPECT_TRUE(bulgarian.match(text).hasMatch())
          << name.toStdString() << ": " << text.toStdString();
    }
  }
}

TEST_F(QtBulgarian, TheFaultMessageButtonIsBulgarian) {
  Pose(0, 0, {"", "1E+200", "1E+200", ""});
  Click(Command(0));
  QPointer<QMessageBox> box = window_.findChild<QMessageBox*>(kFaultMessageName);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "Добре");
  box->close();
}

// The file dialog and the question before a file is replaced, as a teacher
// saving a PDF sees them: every caption and button in Bulgarian.
TEST_F(QtBulgarian, TheSaveDialogsAreBulgarian) {
  QTemporaryDir folder;
  const QString earlier = folder.filePath(QStringLiteral("решение.pdf"));
  QFile(earlier).open(QIODevice::WriteOnly);
  QStringList seen;
  const auto texts = [&seen](QWidget& dialog) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      if (label->isVisible() && !label->text().isEmpty()) seen << label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->isVisible()) seen << button->text();
    }
  };
  AnswerNextDialog<QFileDialog>([&](QFileDialog& files) {
    texts(files);
    TypeFileName(files, earlier);
  });
  AnswerNextDialog<QMessageBox>([&](QMessageBox& question) {
    texts(question);
    question.button(QMessageBox::No)->click();
    AnswerNextDialog<QFileDialog>([](QFileDialog& files) { files.reject(); });
  });
  SavePdfAs(*frame_, QStringLiteral("<h1>Конус</h1>"), QStringLiteral("решение"));

  const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
  EXPECT_GE(seen.size(), 6) << seen.join(" | ").toStdString();
  for (const QString& text : seen) {
    EXPECT_FALSE(QString(text).remove(earlier).contains(latin)) << text.toStdString();
  }
}

}  // namespace
}  // namespace stereona::window::testing

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

#include "tests/window/window_fixture.h"
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

class QtBulgarian : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(translator_.isEmpty())
        << "qtbase_bg.qm missing from " << QtTranslationsDirectory().toStdString();
    QCoreApplication::installTranslator(&translator_);
    WindowTest::SetUp();
  }
  void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

  QtBulgarianOnDemand translator_{QtTranslationsDirectory()};
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

TEST_F(WindowTest, WithoutTheTranslationQtKeepsItsEnglishTexts) {
  const QTemporaryDir empty;
  QTranslator translator;
  EXPECT_FALSE(LoadQtBulgarian(translator, empty.path()));
  // What the program installs: a translator that is empty and gives nothing.
  const QtBulgarianOnDemand onDemand(empty.path());
  EXPECT_TRUE(onDemand.isEmpty());
  EXPECT_TRUE(onDemand.translate("QLineEdit", "&Undo", nullptr, -1).isEmpty());
}

}  // namespace
}  // namespace stereona::window::testing

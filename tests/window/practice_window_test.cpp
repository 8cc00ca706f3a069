// «Упражнение» opened from the real main window through its shortcut and
// worked as a pupil works it: the keyboard, the buttons, the window's own
// calculation to compare with.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "documents/practice_problem.h"
#include "form/control_arrays.h"
#include "practice/practice.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/main_window.h"
#include "window/practice_window.h"

namespace stereona::window {
namespace {

template <typename Widget>
Widget* Find(const QWidget& parent, const QString& name) {
  auto* widget = parent.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

QString Number(double value) { return QString::number(value, 'g', 15); }

class PracticeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_.show();
    // The main window's choices, which the practice starts on: the cylinder
    // and the range "100".
    Main<QRadioButton>("Option1(4)")->click();
    auto* ranges = Main<QListWidget>("Diapazon(0)");
    QTest::mouseClick(ranges->viewport(), Qt::LeftButton, {},
                      ranges->visualItemRect(ranges->item(1)).center());
    ASSERT_EQ(main_.findChild<PracticeWindow*>(), nullptr) << "made before it is asked for";
    main_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main_));
    QTest::keyClick(&main_, Qt::Key_U, Qt::ControlModifier);
    practice_ = main_.findChild<PracticeWindow*>();
    ASSERT_NE(practice_, nullptr);
    ASSERT_TRUE(practice_->isVisible());
  }

  template <typename Widget>
  Widget* Main(const char* name) const {
    return Find<Widget>(main_, QLatin1String(name));
  }
  template <typename Widget>
  Widget* Get(const char* name) const {
    return Find<Widget>(*practice_, QLatin1String(name));
  }

  // Typed into the answer box, as a pupil types, and Enter.
  void Answer(const QString& text) const {
    auto* box = Get<QLineEdit>("PracticeAnswer");
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  QString Verdict() const { return Get<QLabel>("PracticeVerdict")->accessibleName(); }
  QString Score() const { return Get<QLabel>("PracticeScore")->text(); }
  const practice::Practice& Session() const { return practice_->Session(); }
  const std::string& Working() const { return Session().Problem().solution; }

  MainWindow main_;
  PracticeWindow* practice_ = nullptr;
};

QString AccessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST_F(PracticeWindowTest, OpensOnTheWindowsChoicesWithEveryControlNamed) {
  EXPECT_FALSE(practice_->isModal());
  EXPECT_EQ(Session().Body(), 4U);
  for (int v = 0; v < 6; ++v) {
    EXPECT_EQ(Get<QCheckBox>(qPrintable(QStringLiteral("PracticeBody%1").arg(v)))->isChecked(),
              v == 4)
        << v;
  }
  EXPECT_TRUE(Get<QCheckBox>("PracticeAnyUnknown")->isChecked());
  EXPECT_EQ(Get<QComboBox>("PracticeRange")->currentIndex(), 1);
  EXPECT_EQ(practice_->focusWidget(), Get<QLineEdit>("PracticeAnswer"));

  const std::pair<const char*, QString> names[] = {
      {"PracticeAnswer", QStringLiteral("Отговор")},
      {"PracticeCheck", QStringLiteral("Провери")},
      {"PracticeHint", QStringLiteral("Подсказка")},
      {"PracticeShowSolution", QStringLiteral("Покажи решението")},
      {"PracticeNew", QStringLiteral("Нова задача")},
      {"PracticeToWindow", QStringLiteral("Към прозореца")},
      {"PracticeProblem", ToQString(Session().Sentence())},
  };
  for (const auto& [name, said] : names) EXPECT_EQ(AccessibleName(Get<QWidget>(name)), said);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Get<QWidget>("PracticeVerdict"))->role(),
            QAccessible::AlertMessage);

  // The solid drawn to the problem's numbers: the values given and «?».
  const documents::PracticeProblem& problem = Session().Problem();
  const QString drawn = Get<QWidget>("PracticeDrawing")->accessibleDescription();
  for (std::size_t k = 0; k < kBodies[problem.body].quantityCount; ++k) {
    const std::string value = problem.given[k].empty() ? "?" : problem.given[k];
    const std::string text = std::string(kBodies[problem.body].quantityCaptions[k]) + " = " + value;
    EXPECT_TRUE(drawn.contains(ToQString(text))) << text << " in " << drawn.toStdString();
  }

  // Tab from the answer box goes through the buttons in the order they are
  // used («Подсказка» is off until a wrong answer), then to the choices.
  QStringList tabbed;
  for (QWidget* at = Get<QWidget>("PracticeAnswer"); tabbed.size() < 8;) {
    QTest::keyClick(at, Qt::Key_Tab);
    at = practice_->focusWidget();
    tabbed << at->objectName();
  }
  EXPECT_EQ(tabbed.join(QLatin1Char(' ')),
            QStringLiteral("PracticeCheck PracticeShowSolution PracticeSolution PracticeNew "
                           "PracticeToWindow PracticeClose PracticeBody0 PracticeBody1"));

  testing::ExpectOwnAltLetters(*practice_);
}

TEST_F(PracticeWindowTest, RightAlmostWrongHintSolutionAndIntoTheWindow) {
  Answer(ToQString(documents::ResultText(Working())));
  EXPECT_TRUE(Verdict().startsWith(QStringLiteral("Вярно!"))) << Verdict().toStdString();
  const QString solvedOnce = Score();
  EXPECT_TRUE(solvedOnce.contains(QStringLiteral("1 от 1"))) << solvedOnce.toStdString();

  QTest::mouseClick(Get<QPushButton>("PracticeNew"), Qt::LeftButton);
  EXPECT_TRUE(Get<QLineEdit>("PracticeAnswer")->text().isEmpty());
  ASSERT_FALSE(Session().Key().otherPi.empty()) << "a cylinder's volume has pi in it";
  Answer(Number(Session().Key().otherPi.front().value.ToDouble()));
  EXPECT_TRUE(Verdict().startsWith(QStringLiteral("Почти."))) << Verdict().toStdString();
  EXPECT_EQ(Score(), solvedOnce) << "«Почти.» is no try";
  EXPECT_FALSE(Get<QPushButton>("PracticeHint")->isEnabled());

  // Twice the volume: no rounding of it, nor a known mistake's value.
  Answer(Number(Session().Key().value.ToDouble() * 2));
  EXPECT_TRUE(Verdict().startsWith(QStringLiteral("Грешно."))) << Verdict().toStdString();
  QTest::mouseClick(Get<QPushButton>("PracticeHint"), Qt::LeftButton);
  const std::string formulaLine = Working().substr(0, Working().find("\r\n"));
  EXPECT_TRUE(Get<QLabel>("PracticeHints")->text().contains(ToQString(formulaLine)));

  QTest::mouseClick(Get<QPushButton>("PracticeShowSolution"), Qt::LeftButton);
  EXPECT_FALSE(Get<QPushButton>("PracticeShowSolution")->isEnabled());
  const QString shown = Get<QPlainTextEdit>("PracticeSolution")->toPlainText();

  // Into the window as typed, and nothing calculated until «Изчисли».
  const QString before = Main<QPlainTextEdit>("Text1(0)")->toPlainText();
  QTest::mouseClick(Get<QPushButton>("PracticeToWindow"), Qt::LeftButton);
  const practice::WindowInput input = Session().ToWindow();
  const auto member = [](const char* array, std::size_t k) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k);
  };
  EXPECT_TRUE(Find<QRadioButton>(main_, member("Option1", input.body))->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(main_, member("Option2", input.unknown))->isChecked());
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    if (input.typed[k]) {
      EXPECT_EQ(Find<QLineEdit>(main_, member("Text2", k))->text(), ToQString(input.inputs[k]));
    }
  }
  EXPECT_EQ(Main<QPlainTextEdit>("Text1(0)")->toPlainText(), before);
  QTest::mouseClick(Main<QPushButton>("Command1(0)"), Qt::LeftButton);
  EXPECT_EQ(Main<QPlainTextEdit>("Text1(0)")->toPlainText(), shown);
  EXPECT_EQ(shown, OutputLines(Working()));
}

TEST_F(PracticeWindowTest, ChoicesRefusedStayAsTheyWere) {
  QTest::keyClick(Get<QCheckBox>("PracticeAnyUnknown"), Qt::Key_Space);
  EXPECT_FALSE(Session().Settings().anyUnknown);
  EXPECT_EQ(Session().Unknown(), 0U) << "the volume only";
  const QString sentence = Get<QLabel>("PracticeProblem")->text();
  QTest::keyClick(Get<QCheckBox>("PracticeBody4"), Qt::Key_Space);  // no body left
  EXPECT_TRUE(Get<QCheckBox>("PracticeBody4")->isChecked());
  EXPECT_FALSE(Get<QLabel>("PracticeRefusal")->text().isEmpty());
  EXPECT_EQ(Get<QLabel>("PracticeProblem")->text(), sentence);
}

}  // namespace
}  // namespace stereona::window

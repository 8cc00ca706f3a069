#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <functional>

#include "core/calculator.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "form/reference_text.h"
#include "qt_bridge/qt_text.h"
#include "solvers/frustum.h"
#include "tests/window/window_fixture.h"
#include "window/fault_message.h"

// What a student does from start to solution, through clicks and keys only.
namespace stereona::window::testing {
namespace {

// The output box after posing a problem and pressing «Изчисли»: the whole
// text, or for the longer solutions the closing result line.
struct Journey {
  int body;
  int unknown;
  Texts known;
  QString expected;
  bool whole;
};

TEST_F(WindowTest, SolvesWhatTheStudentPoses) {
  const QString byVolume = "a = V / (b * c)\na = 30 / (3 * 5) = 30 / 15 = 2\n\n";
  const std::vector<Journey> journeys = {
      {5, 0, {"", "2", "3", "5"}, "V = a * b * c\nV = 2 * 3 * 5 = 30\n\n", true},
      {5, 1, {"30", "", "3", "5"}, byVolume, true},
      {5, 1, {"30", "", "-3", "5"}, byVolume, true},  // read as its absolute value
      {0, 0, {"", "7", "6", ""}, " = 264\n\n", false},
      {1, 2, {"462", "7", "", "3"}, " = 6\n\n", false},
      {4, 2, {"100", "0", "", ""}, ToQString(kZeroKnownMessage), true},
  };
  for (const Journey& j : journeys) {
    Pose(j.body, j.unknown, j.known);
    Click(Command(0));
    EXPECT_TRUE(j.whole ? Output() == j.expected : Output().endsWith(j.expected))
        << "body " << j.body << ", unknown " << j.unknown << ":\n"
        << Output().toStdString();
  }
}

TEST_F(WindowTest, CalculatesRightAfterStartUpFromTheRandomValues) {
  Click(Command(0));
  const QStringList lines = Output().split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines[1].startsWith(
      QStringLiteral("V = 22 * %1 * %2 * %2 / 21 = ").arg(Input(1)->text(), Input(2)->text())))
      << lines[1].toStdString();
}

TEST_F(WindowTest, ClearEmptiesEveryInputAndTouchesNothingElse) {
  Click(Body(3));
  Click(Unknown(2));
  Click(Command(1));
  EXPECT_EQ(InputTexts(), Texts{});
  EXPECT_EQ(Output(), ToQString(form::ReferenceText()).replace("\r\n", "\n"));
  EXPECT_TRUE(Body(3)->isChecked() && Unknown(2)->isChecked() && !Input(2)->isEnabled());
  Click(Command(0));
  EXPECT_EQ(Output(), ToQString(kZeroKnownMessage));
}

TEST_F(WindowTest, OnlyCalculatingReplacesTheReferenceText) {
  const QString reference = Output();
  const std::vector<std::function<void()>> actions = {
      [this] { Click(Body(1)); }, [this] { Click(Unknown(3)); }, [this] { ClickRange(4); },
      [this] { Click(Command(1)); }, [this] { Type(1, "12"); }};
  for (const auto& act : actions) act();
  EXPECT_EQ(Output(), reference);
}

TEST_F(WindowTest, AFaultIsReportedAndTheWindowGoesOn) {
  const QString before = Output();
  Pose(0, 0, {"", "1E+200", "1E+200", ""});
  Click(Command(0));

  QPointer<QMessageBox> box = window_.findChild<QMessageBox*>(kFaultMessageName);
  ASSERT_TRUE(box);
  EXPECT_TRUE(box->isVisible());
  EXPECT_TRUE(box->text().contains(QString::number(static_cast<int>(FaultKind::Overflow))));
  EXPECT_TRUE(box->text().contains(ToQString(FaultDescription(FaultKind::Overflow))));
  EXPECT_EQ(Output(), before);  // the product overflowed before any line was written

  QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(box.isNull());

  Type(1, "7");
  Type(2, "6");
  Click(Command(0));
  EXPECT_TRUE(Output().endsWith(" = 264\n\n")) << Output().toStdString();
}

// Whatever lands in an input, calculating ends in a solution, a message, a
// refusal or the fault message, and the window goes on working.
TEST_F(WindowTest, AnyPastedTextCalculatesToAnOutcomeAndTheWindowGoesOn) {
  const QString megabyte(1 << 20, '7');
  const std::vector<std::pair<const char*, QString>> pastes = {
      {"a megabyte of digits", megabyte},
      {"a megabyte of letters", QString(1 << 20, QChar(0x0436))},
      {"a megabyte behind a number", "6" + QString(1 << 20, ' ')},
      {"an exponent a megabyte long", "1E" + megabyte},
      {"control characters", QStringLiteral("\x01\x02\x1b\t6\x7f\r\n7\0")},
      {"emoji", QStringLiteral("6\U0001F600\U0001F4D0")},
  };
  const QStringList outcomes = {ToQString(kZeroKnownMessage), ToQString(kRefusalMessage)};
  for (const auto& [what, text] : pastes) {
    for (int unknown : {0, 2}) {
      Pose(1, unknown, {"", "7", "", "3"});
      Type(unknown == 0 ? 2 : 0, "");
      QApplication::clipboard()->setText(text);
      QTest::keyClick(Input(unknown == 0 ? 2 : 0), Qt::Key_V, Qt::ControlModifier);
      Click(Command(0));

      QPointer<QMessageBox> box = window_.findChild<QMessageBox*>(kFaultMessageName);
      const bool solved = Output().startsWith(unknown == 0 ? "V = " : "За да се изчисли");
      EXPECT_TRUE(box || solved || outcomes.contains(Output().trimmed()))
          << what << ", unknown " << unknown << ":\n"
          << Output().left(300).toStdString();
      if (box) {
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      }
      Pose(0, 0, {"", "7", "6", ""});
      Click(Command(0));
      EXPECT_TRUE(Output().endsWith(" = 264\n\n")) << what << ": " << Output().toStdString();
    }
  }
}

}  // namespace
}  // namespace stereona::window::testing

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <functional>

#include "core/calculator.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "form/reference_text.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/decimal_separator.h"
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

TEST_F(WindowTest, NumbersFollowTheRegionalSeparatorWhileInputIsReadWithAPoint) {
  UseDecimalSeparatorOf(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  Pose(0, 0, {"", "1.5", "2", ""});
  Click(Command(0));
  UseDecimalSeparatorOf(QLocale::c());
  EXPECT_TRUE(Output().contains("V = 22 * 1,5 * 2 * 2 / 21 = 132 / 21 = 6,28571428571429"))
      << Output().toStdString();
}

}  // namespace
}  // namespace stereona::window::testing

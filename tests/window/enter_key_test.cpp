#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "form/reference_text.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"

// Enter and Return press the focused command button, as Space does; in an
// input they do nothing special.
namespace stereona::window::testing {
namespace {

struct Key {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

const std::vector<Key> kPressingKeys = {{"Return", Qt::Key_Return, Qt::NoModifier},
                                        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
                                        {"Space", Qt::Key_Space, Qt::NoModifier}};

TEST_F(WindowTest, AStudentWhoTypesEnterFirstGetsASolution) {
  QApplication::setActiveWindow(&window_);
  ASSERT_EQ(QApplication::focusWidget(), Command(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(Output().startsWith("V = pi*H*R*R/3")) << Output().toStdString();
}

TEST_F(WindowTest, EachPressingKeyPressesTheFocusedCommandButtonOnce) {
  QApplication::setActiveWindow(&window_);
  for (const Key& key : kPressingKeys) {
    for (int i = 0; i < 2; ++i) {
      Command(i)->setFocus();
      QSignalSpy calculate(Command(0), &QAbstractButton::clicked);
      QSignalSpy clear(Command(1), &QAbstractButton::clicked);
      QTest::keyClick(Command(i), key.key, key.modifiers);
      EXPECT_EQ(calculate.count(), i == 0 ? 1 : 0) << key.name << " on Command1(" << i << ")";
      EXPECT_EQ(clear.count(), i == 1 ? 1 : 0) << key.name << " on Command1(" << i << ")";
    }
  }
  EXPECT_EQ(InputTexts(), Texts{});  // the last press cleared them
}

TEST_F(WindowTest, AHeldEnterPressesOnce) {
  QApplication::setActiveWindow(&window_);
  QSignalSpy calculate(Command(0), &QAbstractButton::clicked);
  for (const bool repeat : {false, true, true}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
    QApplication::sendEvent(Command(0), &press);
  }
  EXPECT_EQ(calculate.count(), 1);
}

TEST_F(WindowTest, EnterInAnInputDoesNothingSpecial) {
  QApplication::setActiveWindow(&window_);
  Type(1, "7");
  const Texts texts = InputTexts();
  QSignalSpy calculate(Command(0), &QAbstractButton::clicked);
  QSignalSpy clear(Command(1), &QAbstractButton::clicked);
  QTest::keyClick(Input(1), Qt::Key_Return);
  QTest::keyClick(Input(1), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(calculate.count() + clear.count(), 0);
  EXPECT_EQ(InputTexts(), texts);
  EXPECT_EQ(Output(), ToQString(form::ReferenceText()).replace("\r\n", "\n"));
  EXPECT_EQ(QApplication::focusWidget(), Input(1));
}

}  // namespace
}  // namespace stereona::window::testing

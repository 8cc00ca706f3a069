#include "window_fixture.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace stereona::window::testing {

void WindowTest::SetUp() {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
}

QRadioButton* WindowTest::Body(int v) const {
  return Find<QRadioButton>(QStringLiteral("Option1(%1)").arg(v));
}
QRadioButton* WindowTest::Unknown(int k) const {
  return Find<QRadioButton>(QStringLiteral("Option2(%1)").arg(k));
}
QLineEdit* WindowTest::Input(int k) const {
  return Find<QLineEdit>(QStringLiteral("Text2(%1)").arg(k));
}
QPushButton* WindowTest::Command(int index) const {
  return Find<QPushButton>(QStringLiteral("Command1(%1)").arg(index));
}
QListWidget* WindowTest::Ranges() const { return Find<QListWidget>(QStringLiteral("Diapazon(0)")); }
QString WindowTest::Output() const {
  return Find<QPlainTextEdit>(QStringLiteral("Text1(0)"))->toPlainText();
}

std::array<QString, 4> WindowTest::InputTexts() const {
  return {Input(0)->text(), Input(1)->text(), Input(2)->text(), Input(3)->text()};
}

void WindowTest::Click(QRadioButton* button) {
  // An option button takes clicks on its indicator and caption only.
  QStyleOptionButton option;
  option.initFrom(button);
  const QRect indicator =
      button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
  QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

void WindowTest::Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void WindowTest::ClickRange(int row) {
  QListWidget* list = Ranges();
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

void WindowTest::Type(int k, const QString& text) {
  QLineEdit* input = Input(k);
  QTest::mouseClick(input, Qt::LeftButton);
  QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) QTest::keyClick(input, Qt::Key_Delete);
  QTest::keyClicks(input, text);
}

void WindowTest::Pose(int body, int unknown, const std::array<QString, 4>& known) {
  Click(Body(body));
  Click(Unknown(unknown));
  for (int k = 0; k < 4; ++k) {
    if (!known[static_cast<std::size_t>(k)].isEmpty()) Type(k, known[static_cast<std::size_t>(k)]);
  }
}

}  // namespace stereona::window::testing

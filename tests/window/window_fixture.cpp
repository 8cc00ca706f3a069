#include "tests/window/window_fixture.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace stereona::window::testing {

void WindowTest::SetUp() {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
}

Texts WindowTest::InputTexts() const {
  return {Input(0)->text(), Input(1)->text(), Input(2)->text(), Input(3)->text()};
}

void WindowTest::Click(QRadioButton* button) {
  // An option button takes clicks on its indicator and caption only.
  QStyleOptionButton option;
  option.initFrom(button);
  const QStyle* style = button->style();
  const QRect indicator = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
  QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

void WindowTest::Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void WindowTest::ClickRange(int row) {
  QListWidget* list = Ranges();
  list->scrollToItem(list->item(row));
  const QPoint centre = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void WindowTest::Type(int k, const QString& text) {
  QTest::mouseClick(Input(k), Qt::LeftButton);
  QTest::keyClick(Input(k), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Input(k), Qt::Key_Delete);
  QTest::keyClicks(Input(k), text);
}

void WindowTest::Pose(int body, int unknown, const Texts& known) {
  Click(Body(body));
  Click(Unknown(unknown));
  for (int k = 0; k < 4; ++k) {
    const QString& text = known[static_cast<std::size_t>(k)];
    if (!text.isEmpty()) Type(k, text);
  }
}

}  // namespace stereona::window::testing

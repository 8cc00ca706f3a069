#include "tests/window/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace stereona::window::testing {

void ExpectOwnAltLetters(const QWidget& window) {
  QStringList captions;
  for (const auto* button : window.findChildren<QAbstractButton*>()) captions << button->text();
  for (const auto* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) captions << label->text();
  }
  QSet<QKeySequence> letters;
  for (const QString& caption : captions) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    EXPECT_FALSE(letter.isEmpty()) << caption.toStdString();
    EXPECT_FALSE(letters.contains(letter)) << caption.toStdString();
    letters.insert(letter);
  }
}

void TypeFileName(QFileDialog& files, const QString& name) {
  files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
  static_cast<QDialog&>(files).accept();  // as its «Запис» button does
}

WindowTest::WindowTest() : frame_(StartMainWindow(*qApp)), window_(frame_->Calculator()) {}

void WindowTest::SetUp() { ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get())); }

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

QPoint WindowTest::PointOf(const QRadioButton& button, BarSpot spot) {
  const int right = button.width() - 1;
  const int middle = button.height() / 2;
  if (spot == BarSpot::FarRight) return {right, middle};
  QStyleOptionButton option;
  option.initFrom(&button);
  const QRect contents =
      button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
  const int captionEnd =
      contents.left() + QFontMetrics(button.font()).horizontalAdvance(button.text());
  return {(captionEnd + right) / 2, middle};
}

void WindowTest::Click(QRadioButton* button, BarSpot spot) {
  QTest::mouseClick(button, Qt::LeftButton, {}, PointOf(*button, spot));
}

void WindowTest::Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void WindowTest::ClickRange(int row, Qt::MouseButton mouseButton, Qt::KeyboardModifiers modifiers) {
  QListWidget* list = Ranges();
  list->scrollToItem(list->item(row));
  const QPoint centre = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), mouseButton, modifiers, centre);
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

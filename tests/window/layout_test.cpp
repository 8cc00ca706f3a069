#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <cstdlib>

#include "core/bodies.h"
#include "form/layout_table.h"
#include "form/reference_text.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/window_icon.h"

// The window as the student first sees it.
namespace stereona::window::testing {
namespace {

QString CaptionOf(const QWidget* widget) {
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return qobject_cast<const QLabel*>(widget)->text();
}

TEST_F(WindowTest, WindowIsFixedCentredCaptionedAndHasItsIcon) {
  EXPECT_EQ(window_.objectName(), "Stereo_Calc");
  EXPECT_EQ(window_.size(), QSize(535, 394));
  const QWidget& frame = *frame_;
  EXPECT_TRUE(frame.windowTitle().endsWith(" -  конус, цилиндър, пирамида и паралелепипед"));
  EXPECT_FALSE(frame.windowTitle().startsWith(" -"));  // a site address comes first
  EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
  EXPECT_FALSE(frame.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(frame.windowFlags() & Qt::WindowCloseButtonHint);
  // Centred to the pixel: the gaps on either side differ by an odd size's one.
  const QRect on = frame.geometry();
  const QRect screen = frame.screen()->availableGeometry();
  EXPECT_LE(std::abs((on.left() - screen.left()) - (screen.right() - on.right())), 1);
  EXPECT_LE(std::abs((on.top() - screen.top()) - (screen.bottom() - on.bottom())), 1);

  const QImage icon = frame.windowIcon().pixmap(QSize(32, 32)).toImage();
  EXPECT_EQ(icon.size(), QSize(32, 32));
  QSet<QRgb> colours;
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x) colours.insert(icon.pixel(x, y));
  EXPECT_TRUE(colours.size() > 2 && colours.size() <= 256) << colours.size();
  // The title bar takes the pixels the build drew: they must be the drawing's.
  EXPECT_EQ(icon.convertToFormat(QImage::Format_RGB32),
            IconImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(WindowTest, CaptionsAndListItemsAfterStartUp) {
  const auto& cone = kBodies[0].quantityCaptions;
  std::vector<std::pair<QString, QString>> expected = {
      {"Frame1", "Вид тяло"},     {"Frame2", "Дължини на страни/радиус"},
      {"Command1(0)", "Изчисли"}, {"Command1(1)", "Изчисти"},
      {"Label1(0)", "Стереона"},  {"Label1(1)", ToQString(kPiLabel)},
      {"Label1(2)", "Диапазон"},  {"Option2(3)", ""}};
  for (std::size_t k = 0; k < 3; ++k)
    expected.emplace_back(Unknown(static_cast<int>(k))->objectName(), ToQString(cone[k]));
  for (std::size_t v = 0; v < kBodies.size(); ++v)
    expected.emplace_back(Body(static_cast<int>(v))->objectName(), ToQString(kBodies[v].caption));
  for (const auto& [name, caption] : expected)
    EXPECT_EQ(CaptionOf(Find(name)), caption) << name.toStdString();

  QStringList items;
  for (int row = 0; row < Ranges()->count(); ++row) items << Ranges()->item(row)->text();
  EXPECT_EQ(items, QStringList({"10", "100", "1000", "10000", "100000"}));
  // What a screen reader hears as the button's name.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Command(1))->text(QAccessible::Name), "Изчисти");
}

TEST_F(WindowTest, OnlyTheFourthQuantityAndTheSpareBoxAreHiddenAndOnlyTheVolumeDisabled) {
  const QSet<QString> hidden = {"Option2(3)", "Text2(3)", "Text1(1)"};
  for (const form::LayoutRow& row : form::kLayout) {
    const QWidget* widget = Find(ToQString(row.name));
    EXPECT_EQ(widget->isVisibleTo(&window_), !hidden.contains(ToQString(row.name))) << row.name;
    EXPECT_EQ(widget->isEnabled(), row.name != "Text2(0)") << row.name;
  }
}

TEST_F(WindowTest, TabOrderFollowsTheLayoutAndStartsAtCalculate) {
  const QStringList order = {"Command1(0)", "Text1(0)",   "Command1(1)", "Diapazon(0)",
                             "Text2(0)",    "Text2(1)",   "Text2(2)",    "Text2(3)",
                             "Text1(1)",    "Option2(0)", "Option2(1)",  "Option2(2)",
                             "Option2(3)",  "Option1(0)", "Option1(1)",  "Option1(2)",
                             "Option1(3)",  "Option1(4)", "Option1(5)"};
  QStringList chain;
  for (QWidget* w = Command(0)->nextInFocusChain(); w != Command(0); w = w->nextInFocusChain()) {
    if (order.contains(w->objectName())) chain << w->objectName();
  }
  chain.prepend("Command1(0)");
  EXPECT_EQ(chain, order);

  QApplication::setActiveWindow(&window_);
  EXPECT_EQ(window_.focusWidget(), Command(0));
  QTest::keyClick(Command(0), Qt::Key_Tab);
  EXPECT_EQ(window_.focusWidget(), Find("Text1(0)"));
}

TEST_F(WindowTest, FontsTooltipsAndPlacement) {
  const QString family = QFontInfo(Input(1)->font()).family();
  EXPECT_TRUE(family == "Liberation Serif" || family == "Times New Roman") << family.toStdString();
  EXPECT_DOUBLE_EQ(Input(1)->font().pointSizeF(), 12.0);
  EXPECT_DOUBLE_EQ(Ranges()->font().pointSizeF(), 9.75);
  EXPECT_TRUE(Find("Label1(1)")->font().bold());

  EXPECT_EQ(Command(0)->toolTip(), "Представя уравнението в каноничен вид");
  EXPECT_EQ(Command(1)->toolTip(), "Инициализира - изтрива всички въведени данни");
  EXPECT_EQ(Find("Text1(1)")->toolTip(), "Извежда входните данни и крайните резултати");

  // Frame children are placed within their frame, 15 twips to the pixel.
  EXPECT_EQ(Body(5)->geometry(), QRect(16, 120, 169, 20));
  EXPECT_EQ(Unknown(3)->geometry(), QRect(232, 24, 49, 27));
  EXPECT_EQ(Find("Frame2")->geometry(), QRect(224, 32, 289, 57));
  EXPECT_EQ(Find("Text1(1)")->geometry(), QRect(64, 360, 585, 81));
}

TEST_F(WindowTest, OutputBoxStartsWithTheReferenceLines) {
  const QString text = ToQString(form::ReferenceText());
  const QStringList lines = text.split("\r\n");
  ASSERT_EQ(lines.size(), 29);  // 28 lines, each ended by CRLF
  EXPECT_FALSE(QString(text).remove("\r\n").contains('\n'));
  for (int empty : {6, 9, 12, 15, 19, 22, 25, 29}) EXPECT_TRUE(lines[empty - 1].isEmpty()) << empty;
  EXPECT_EQ(lines[12], "Обем  на правилна четиристенна пирамида V = (a * a * H) / 3");
  EXPECT_EQ(lines[23], "Пример: a = 2; b = 3; c = 5;  Изход: V = 30");
  EXPECT_EQ(Output(), QString(text).replace("\r\n", "\n"));

  auto* box = Member<QPlainTextEdit>("Text1", 0);
  EXPECT_TRUE(box->isReadOnly() && (box->textInteractionFlags() & Qt::TextSelectableByMouse));
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(
      Member<QPlainTextEdit>("Text1", 1)->toPlainText().endsWith("колко трудно е било. \n"));
}

TEST_F(WindowTest, BackColoursShowOnScreen) {
  // Sampled near the bottom-right corner, where no text or frame line stands.
  const std::vector<std::tuple<QWidget*, QPoint, QColor>> samples = {
      {&window_, {2, 2}, 0xC0C0FF},    {Find("Frame1"), {3, 140}, 0xC0C0FF},
      {Body(0), {3, 10}, 0x8080FF},    {Find("Label1(0)"), {3, 3}, 0xFFC080},
      {Command(0), {6, 10}, 0x80FF80}, {Command(1), {6, 10}, 0xFF0000},
      {Input(0), {5, 13}, 0xD4D0C8},   {Input(1), {5, 13}, Qt::white},
      {Ranges(), {25, 3}, 0xE0E0E0}};
  for (const auto& [widget, fromCorner, expected] : samples) {
    const QImage image = widget->grab().toImage();
    const QColor seen = image.pixelColor(QPoint(image.width(), image.height()) - fromCorner);
    EXPECT_EQ(seen.rgb(), expected.rgb())
        << widget->objectName().toStdString() << " shows " << seen.name().toStdString();
  }
}

}  // namespace
}  // namespace stereona::window::testing

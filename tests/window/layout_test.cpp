#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "core/bodies.h"
#include "window/back_colour.h"
#include "window/control_table.h"
#include "window/qt_text.h"
#include "window/reference_text.h"
#include "window_fixture.h"

// The window as the student first sees it.
namespace stereona::window::testing {
namespace {

QString CaptionOf(const QWidget* widget) {
  if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  return {};
}

TEST_F(WindowTest, WindowIsFixedCentredAndCaptioned) {
  EXPECT_EQ(window_.objectName(), "Stereo_Calc");
  EXPECT_TRUE(window_.windowTitle().endsWith(" -  конус, цилиндър, пирамида и паралелепипед"));
  EXPECT_FALSE(window_.windowTitle().startsWith(" -"));  // a site address comes first
  EXPECT_EQ(window_.size(), QSize(535, 394));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  const Qt::WindowFlags flags = window_.windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  const QPoint offCentre =
      window_.geometry().center() - window_.screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST_F(WindowTest, IconIs32PixelsSquareInAtMost256Colours) {
  ASSERT_TRUE(window_.windowIcon().availableSizes().contains(QSize(32, 32)));
  const QImage image = window_.windowIcon().pixmap(QSize(32, 32)).toImage();
  EXPECT_EQ(image.size(), QSize(32, 32));
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  EXPECT_LE(colours.size(), 256);
  EXPECT_GT(colours.size(), 2);  // a picture, not a blank
}

TEST_F(WindowTest, CaptionsAfterStartUp) {
  const auto& cone = kBodies[0].quantityCaptions;
  std::vector<std::pair<QString, QString>> expected = {{"Frame1", "Вид тяло"},
                                                       {"Frame2", "Дължини на страни/радиус"},
                                                       {"Command1(0)", "Изчисли"},
                                                       {"Command1(1)", "Изчисти"},
                                                       {"Label1(0)", "Стереона"},
                                                       {"Label1(1)", ToQString(kPiLabel)},
                                                       {"Label1(2)", "Диапазон"},
                                                       {"Option2(0)", ToQString(cone[0])},
                                                       {"Option2(1)", ToQString(cone[1])},
                                                       {"Option2(2)", ToQString(cone[2])},
                                                       {"Option2(3)", ""}};
  for (int v = 0; v < 6; ++v)
    expected.emplace_back(QStringLiteral("Option1(%1)").arg(v), ToQString(kBodies[v].caption));
  for (const auto& [name, caption] : expected)
    EXPECT_EQ(CaptionOf(Find(name)), caption) << name.toStdString();

  QStringList items;
  for (int row = 0; row < Ranges()->count(); ++row) items << Ranges()->item(row)->text();
  EXPECT_EQ(items, QStringList({"10", "100", "1000", "10000", "100000"}));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Input(k)->accessibleName(), Unknown(k)->text());
  EXPECT_EQ(Command(0)->accessibleName(), "Изчисли");
}

TEST_F(WindowTest, OnlyTheFourthQuantityAndTheSpareBoxAreHiddenAndOnlyTheVolumeDisabled) {
  const QSet<QString> hidden = {"Option2(3)", "Text2(3)", "Text1(1)"};
  for (const ControlSpec& spec : kControls) {
    const QWidget* widget = Find(ToQString(spec.name));
    EXPECT_EQ(widget->isVisibleTo(&window_), !hidden.contains(ToQString(spec.name))) << spec.name;
    EXPECT_EQ(widget->isEnabled(), spec.name != "Text2(0)") << spec.name;
  }
}

TEST_F(WindowTest, TabOrderFollowsTheLayoutAndStartsAtCalculate) {
  const QStringList order = {"Command1(0)", "Text1(0)",   "Command1(1)", "Diapazon(0)",
                             "Text2(0)",    "Text2(1)",   "Text2(2)",    "Text2(3)",
                             "Text1(1)",    "Option2(0)", "Option2(1)",  "Option2(2)",
                             "Option2(3)",  "Option1(0)", "Option1(1)",  "Option1(2)",
                             "Option1(3)",  "Option1(4)", "Option1(5)"};
  QStringList chain;
  QWidget* widget = Command(0);
  do {
    if (order.contains(widget->objectName())) chain << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != Command(0));
  EXPECT_EQ(chain, order);

  QApplication::setActiveWindow(&window_);
  EXPECT_EQ(window_.focusWidget(), Command(0));
  QTest::keyClick(Command(0), Qt::Key_Tab);
  EXPECT_EQ(window_.focusWidget(), Find("Text1(0)"));
}

TEST_F(WindowTest, FontsTooltipsAndPlacement) {
  const QFontInfo font(Input(1)->font());
  EXPECT_TRUE(font.family() == "Liberation Serif" || font.family() == "Times New Roman")
      << font.family().toStdString();
  EXPECT_DOUBLE_EQ(Input(1)->font().pointSizeF(), 12.0);
  EXPECT_DOUBLE_EQ(Ranges()->font().pointSizeF(), 9.75);
  EXPECT_TRUE(Find("Label1(1)")->font().bold());
  EXPECT_FALSE(Find("Label1(0)")->font().bold());

  EXPECT_EQ(Command(0)->toolTip(), "Представя уравнението в каноничен вид");
  EXPECT_EQ(Command(1)->toolTip(), "Инициализира - изтрива всички въведени данни");
  EXPECT_EQ(Find("Text1(1)")->toolTip(), "Извежда входните данни и крайните резултати");

  // Frame children are placed within their frame, 15 twips to the pixel.
  EXPECT_EQ(Find("Option1(5)")->geometry(), QRect(16, 120, 169, 20));
  EXPECT_EQ(Find("Option1(5)")->parentWidget(), Find("Frame1"));
  EXPECT_EQ(Unknown(3)->geometry(), QRect(232, 24, 49, 27));
  EXPECT_EQ(Find("Frame2")->geometry(), QRect(224, 32, 289, 57));
  EXPECT_EQ(Find("Text1(0)")->geometry(), QRect(8, 200, 505, 185));
  EXPECT_EQ(Find("Text1(1)")->geometry(), QRect(64, 360, 585, 81));
}

TEST_F(WindowTest, OutputBoxStartsWithTheReferenceLines) {
  const std::string& text = ReferenceText();
  const QStringList lines = QString::fromStdString(text).split("\r\n");
  ASSERT_EQ(lines.size(), 29);  // 28 lines, each ended by CRLF
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_FALSE(QString::fromStdString(text).remove("\r\n").contains('\n'));
  for (int empty : {6, 9, 12, 15, 19, 22, 25}) EXPECT_TRUE(lines[empty - 1].isEmpty()) << empty;
  EXPECT_EQ(lines[12], "Обем  на правилна четиристенна пирамида V = (a * a * H) / 3");
  EXPECT_EQ(lines[23], "Пример: a = 2; b = 3; c = 5;  Изход: V = 30");
  EXPECT_EQ(Output(), QString::fromStdString(text).replace("\r\n", "\n"));

  auto* box = Find<QPlainTextEdit>("Text1(0)");
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(Find<QPlainTextEdit>("Text1(1)")->toPlainText(),
            "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
            "оценява колко трудно е било. \n");
}

// Colours as drawn, sampled where no text or frame line stands.
struct Sample {
  const char* name;
  QPoint fromBottomRight;
  QColor expected;
};

TEST_F(WindowTest, BackColoursShowOnScreen) {
  const std::vector<Sample> samples = {
      {"Stereo_Calc", {2, 2}, QColor(0xC0C0FF)},  {"Frame1", {3, 3}, QColor(0xC0C0FF)},
      {"Option1(0)", {3, 10}, QColor(0x8080FF)},  {"Label1(0)", {3, 3}, QColor(0xFFC080)},
      {"Command1(0)", {6, 10}, QColor(0x80FF80)}, {"Command1(1)", {6, 10}, QColor(0xFF0000)},
      {"Text2(0)", {5, 13}, QColor(0xD4D0C8)},    {"Text2(1)", {5, 13}, QColor(Qt::white)}};
  for (const Sample& sample : samples) {
    QWidget* widget = sample.name == QString("Stereo_Calc") ? &window_ : Find(sample.name);
    const QImage image = widget->grab().toImage();
    const QPoint at = QPoint(image.width(), image.height()) - sample.fromBottomRight;
    const QColor seen = image.pixelColor(at);
    const int distance = std::abs(seen.red() - sample.expected.red()) +
                         std::abs(seen.green() - sample.expected.green()) +
                         std::abs(seen.blue() - sample.expected.blue());
    EXPECT_LE(distance, 60) << sample.name << " shows " << seen.name().toStdString();
  }
  EXPECT_EQ(BackColourOf(*Input(0)), kInactiveBorder);
}

}  // namespace
}  // namespace stereona::window::testing

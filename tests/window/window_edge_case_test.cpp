#include <QFile>
#include <QRegularExpression>
#include <chrono>
#include <clocale>
#include <thread>
#include <vector>

#include "core/bodies.h"
#include "core/number_text.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"

// Cases at the seams of the handlers: values that outlive a change of body,
// a body chosen again, an unknown chosen without calculating, and the seed.
namespace stereona::window::testing {
namespace {

// The output a golden case expects, as the output box shows it.
QString GoldenOutput(const char* name) {
  QFile file(QStringLiteral(STEREONA_GOLDEN_DIR "/%1.golden").arg(QLatin1String(name)));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  const QString text = QString::fromUtf8(file.readAll());
  return text.section(QStringLiteral("---\n"), 1).replace("\r\n", "\n");
}

// The golden text with its numbers in the desktop's decimal mark, as the C
// library has it from the locale the tests run under (Qt asks it for none).
QString InDesktopMark(QString golden) {
  const QString mark = QString::fromLocal8Bit(std::localeconv()->decimal_point);
  return golden.replace(QRegularExpression(QStringLiteral("(?<=\\d)\\.(?=\\d)")), mark);
}

// The pupil's "2,5" is 2.5, and the solution writes it in the desktop's mark:
// "," under a Bulgarian locale, "." under C.
TEST_F(WindowTest, ADecimalTypedWithACommaGivesItsGoldenTextInTheDesktopsMark) {
  Pose(1, 0, {"", "7", "2,5", "3"});
  Click(Command(0));
  EXPECT_EQ(Output().toStdString(),
            InDesktopMark(GoldenOutput("truncated_cone_volume_decimal_comma")).toStdString())
      << "the C library runs under " << std::setlocale(LC_NUMERIC, nullptr)
      << " (scripts/install-deps.sh tests makes bg_BG.UTF-8)";
}

TEST_F(WindowTest, ValuesTypedForTheConeAreReadAsTheSlotsOfTheNextBody) {
  Pose(0, 0, {"", "7", "6", ""});
  Click(Command(0));
  EXPECT_EQ(Output(), GoldenOutput("cone_volume"));

  Click(Body(4));
  Click(Command(0));
  EXPECT_EQ(Output(), GoldenOutput("cylinder_volume"));  // H = 7, R = 6 again

  Click(Body(5));  // now a = 7, b = 6, and c the fourth input's random value
  const QString c = Input(3)->text();
  Click(Command(0));
  EXPECT_EQ(Output(), QStringLiteral("V = a * b * c\nV = 7 * 6 * %1 = %2\n\n")
                          .arg(c, ToQString(NumberText(42 * c.toDouble()))));
}

TEST_F(WindowTest, ChoosingTheSelectedBodyAgainEndsAsTheTableSays) {
  for (std::size_t b = 0; b < kBodies.size(); ++b) {
    const stereona::Body& body = kBodies[b];
    for (const BarSpot spot : {BarSpot::FarRight, BarSpot::EmptyMiddle}) {
      Click(Body(static_cast<int>(b)));
      Click(Body(static_cast<int>(b)), spot);
      for (std::size_t k = 0; k < body.quantityCount; ++k) {
        EXPECT_EQ(Unknown(static_cast<int>(k))->text(), ToQString(body.quantityCaptions[k]))
            << "body " << b << ", selector " << k;
      }
      const bool four = body.quantityCount == 4;
      EXPECT_EQ(Unknown(3)->isVisibleTo(&window_), four) << "body " << b;
      EXPECT_EQ(Input(3)->isVisibleTo(&window_), four) << "body " << b;
      EXPECT_EQ(Find("Label1(1)")->isVisibleTo(&window_), body.usesPi) << "body " << b;
    }
  }
}

TEST_F(WindowTest, ChoosingAnUnknownChangesNoProblemStateUntilTheNextCalculation) {
  Pose(5, 1, {"30", "", "3", "5"});
  Click(Command(0));
  const ProblemState after = window_.Form().Problem();
  ASSERT_EQ(after.UnknownIndex, 1);

  for (int unknown : {3, 0, 2}) {
    Click(Unknown(unknown));
    EXPECT_EQ(window_.Form().Problem().Quantity, after.Quantity) << unknown;
    EXPECT_EQ(window_.Form().Problem().UnknownIndex, 1) << unknown;
  }
  Click(Command(0));
  EXPECT_EQ(window_.Form().Problem().UnknownIndex, 2);
}

// Two windows opened at different moments: their start-up values and the
// draws after them come from sequences seeded from the clock. Equal seeds
// would give equal sequences; different seeds give 12 equal draws with odds
// far below one in a million.
TEST(StartUp, TwoRunsStartWithDifferentRandomValues) {
  const auto draws = [](StereoCalc& window) {
    std::vector<QString> values;
    values.reserve(12);
    for (int k = 0; k < 4; ++k) {
      values.push_back(window.findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(k))->text());
    }
    for (int i = 0; i < 8; ++i) values.push_back(QString::number(window.Form().Random().Next()));
    return values;
  };
  StereoCalc first;
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  StereoCalc second;
  EXPECT_NE(draws(first), draws(second));
}

}  // namespace
}  // namespace stereona::window::testing

// The «Развивка» view of the window's solid: the areas written on the net's
// pieces add up to the total surface S the working gives, each body's net
// has its pieces, and the solid says «?» for an unknown not yet solved.
#include <gtest/gtest.h>

#include <string>

#include "core/number_text.h"
#include "core/parse_number.h"
#include "documents/html.h"
#include "documents/net_sheet.h"

namespace stereona::documents {
namespace {

surfaces::WindowProblem Problem(std::size_t body, std::array<double, kMaxQuantities> values,
                                std::size_t unknown, std::optional<double> solved) {
  surfaces::WindowProblem problem;
  problem.body = body;
  problem.unknown = unknown;
  for (std::size_t k = 0; k < kMaxQuantities; ++k) {
    if (values[k] > 0) problem.values[k] = values[k];
  }
  if (solved) problem.solved = surfaces::SolvedUnknown{*solved, 1.0};
  return problem;
}

// The number after a text's "= ": "S1/4 = 47,14 см²" is 47.14.
double NumberIn(const std::string& text) { return ParseNumber(text.substr(text.find("= ") + 2)); }

TEST(NetViewTest, PiecesAreasAddUpToTheTotalSurface) {
  SetDecimalSeparator(",");
  const struct {
    std::size_t body;
    std::array<double, kMaxQuantities> values;
    std::size_t pieces;
  } rows[] = {
      {0, {0, 8, 6, 0}, 2}, {1, {0, 4, 6, 3}, 3}, {2, {0, 4, 6, 0}, 5},
      {3, {0, 4, 6, 2}, 6}, {4, {0, 5, 3, 0}, 3}, {5, {0, 2, 3, 4}, 6},
  };
  for (const auto& row : rows) {
    const NetView view =
        MakeNetView(Problem(row.body, row.values, 0, 1.0), figures::LengthUnit::Centimetre);
    ASSERT_TRUE(view.working.Worked()) << row.body << view.working.message;
    ASSERT_EQ(view.net.pieces.size(), row.pieces) << row.body;
    double sum = 0;
    for (const figures::Piece& piece : view.net.pieces) {
      EXPECT_NE(piece.area.find(" см²"), std::string::npos) << piece.area;
      sum += NumberIn(piece.area);
    }
    const double total = *view.working.measures[surfaces::SurfaceMeasure::S];
    EXPECT_NEAR(sum, total, 0.005 * static_cast<double>(row.pieces)) << row.body;
  }
  SetDecimalSeparator(".");
}

TEST(NetViewTest, UnknownAsAQuestionUntilSolved) {
  const auto texts = [](const NetView& view) {
    std::string all;
    for (const figures::Label& label : view.solid.labels) all += label.text + ";";
    return all;
  };
  const NetView before =
      MakeNetView(Problem(0, {264, 7, 0, 0}, 2, std::nullopt), figures::LengthUnit::Decimetre);
  EXPECT_NE(texts(before).find("R = ?"), std::string::npos) << texts(before);
  EXPECT_NE(texts(before).find("H = 7 дм"), std::string::npos) << texts(before);
  EXPECT_FALSE(before.working.Worked());
  EXPECT_TRUE(before.net.pieces.empty());
  EXPECT_NE(NetSheet("Стереона", 0, before, figures::LengthUnit::Decimetre)
                .find(Escaped(before.working.message)),
            std::string::npos);

  const NetView after =
      MakeNetView(Problem(0, {264, 7, 0, 0}, 2, 6.0), figures::LengthUnit::Decimetre);
  EXPECT_NE(texts(after).find("R = 6 дм"), std::string::npos) << texts(after);
  const std::string sheet = NetSheet("Стереона", 0, after, figures::LengthUnit::Decimetre);
  EXPECT_NE(sheet.find("<svg"), std::string::npos);
  EXPECT_NE(sheet.find("Мащаб 1:"), std::string::npos);
}

}  // namespace
}  // namespace stereona::documents

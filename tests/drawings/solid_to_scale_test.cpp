// The solid is drawn to its numbers up to 6:1, says so past it, and writes
// the texts it is given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawings/figure_words.h"
#include "drawings/sheet.h"
#include "drawings/solid_to_scale.h"

namespace stereona::figures {
namespace {

double Length(const Segment& s) { return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y); }

// The measured height (upright) and radius or side (level) as drawn.
std::vector<double> Measures(const Figure& figure, bool upright) {
  std::vector<double> lengths;
  for (const Segment& s : figure.segments)
    if (s.stroke == Stroke::Measure && (std::abs(s.to.x - s.from.x) < 1e-12) == upright)
      lengths.push_back(Length(s));
  return lengths;
}

bool Says(const Figure& figure, std::string_view text) {
  return std::any_of(figure.labels.begin(), figure.labels.end(),
                     [&](const Label& label) { return label.text == text; });
}

TEST(SolidToScale, RoundSolidsKeepTheirProportionsUpToSixToOne) {
  struct Case {
    BodyIndex body;
    double H, R;
    double drawnRatio;  // height over radius
    bool notToScale;
  };
  const Case cases[] = {
      {BodyIndex::Cone, 2, 10, 0.2, false},        {BodyIndex::Cone, 10, 2, 5, false},
      {BodyIndex::Cone, 70, 2, 6, true},           {BodyIndex::Cone, 1, 100, 1.0 / 6, true},
      {BodyIndex::Cylinder, 8, 3, 8.0 / 3, false}, {BodyIndex::Cylinder, 600, 1, 6, true},
      {BodyIndex::Cone, 0, 4, 1, false},  // the height unknown: drawn as long as the radius
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.H) + " by " + std::to_string(c.R));
    const Figure figure = SolidToScale({c.body, {0, c.H, c.R, 0}, {"", "H = ?", "R", ""}});
    const auto heights = Measures(figure, true);
    const auto radii = Measures(figure, false);
    ASSERT_EQ(heights.size(), 1u);
    ASSERT_EQ(radii.size(), 1u);
    EXPECT_NEAR(heights[0] / radii[0], c.drawnRatio, 1e-9);
    EXPECT_EQ(Says(figure, words::kNotToScale), c.notToScale);
  }
}

TEST(SolidToScale, BoxEdgesKeepTheirProportions) {
  // Front edge a across, upright edges c.
  const auto across = [](const Figure& figure) {
    double longest = 0;
    for (const Segment& s : figure.segments)
      if (std::abs(s.to.y - s.from.y) < 1e-12) longest = std::max(longest, Length(s));
    return longest;
  };
  const auto upright = [](const Figure& figure) {
    double longest = 0;
    for (const Segment& s : figure.segments)
      if (std::abs(s.to.x - s.from.x) < 1e-12) longest = std::max(longest, Length(s));
    return longest;
  };
  const Figure box = SolidToScale({BodyIndex::Parallelepiped, {0, 4, 3, 10}, {}});
  EXPECT_NEAR(upright(box) / across(box), 2.5, 1e-9);
  EXPECT_FALSE(Says(box, words::kNotToScale));
  const Figure plate = SolidToScale({BodyIndex::Parallelepiped, {0, 70, 3, 1}, {}});
  EXPECT_NEAR(across(plate) / upright(plate), 6, 1e-9);
  EXPECT_TRUE(Says(plate, words::kNotToScale));
}

TEST(SolidToScale, WritesEveryTextGivenAndHidesTheBackEdges) {
  struct Case {
    BodyIndex body;
    std::array<double, kMaxQuantities> values;
    std::array<std::string, kMaxQuantities> texts;
  };
  const Case cases[] = {
      {BodyIndex::Cone, {0, 8, 6, 0}, {"V = ?", "H = 8", "R = 6", ""}},
      {BodyIndex::TruncatedCone, {0, 7, 6, 0}, {"", "H = 7", "R1 = 6", "R2 = ?"}},
      {BodyIndex::Pyramid, {0, 0, 6, 0}, {"V = 96", "H = ?", "a = 6", ""}},
      {BodyIndex::TruncatedPyramid, {0, 3, 8, 4}, {"", "H = 3", "a = 8", "b = 4"}},
      {BodyIndex::Cylinder, {0, 8, 3, 0}, {"", "H = 8", "R = 3", ""}},
      {BodyIndex::Parallelepiped, {0, 4, 3, 5}, {"", "a = 4", "b = 3", "c = 5"}},
  };
  for (const Case& c : cases) {
    const Figure figure = SolidToScale({c.body, c.values, c.texts});
    SCOPED_TRACE(figure.title);
    for (const std::string& text : c.texts) {
      if (!text.empty()) {
        EXPECT_TRUE(Says(figure, text)) << text;
      }
    }
    const bool hidden =
        std::any_of(figure.segments.begin(), figure.segments.end(),
                    [](const Segment& s) { return s.stroke == Stroke::HiddenEdge; }) ||
        std::any_of(figure.arcs.begin(), figure.arcs.end(),
                    [](const Arc& a) { return a.stroke == Stroke::HiddenEdge; });
    EXPECT_TRUE(hidden);
  }
}

TEST(SolidToScale, TheVolumeStandsALineAboveEveryOtherLabel) {
  // Flat solids: the truncated ones label their top right under the volume's.
  const BodyIndex bodies[] = {BodyIndex::Cone, BodyIndex::TruncatedCone,
                              BodyIndex::TruncatedPyramid};
  for (const BodyIndex body : bodies) {
    const Figure figure =
        SolidToScale({body, {0, 1, 9, 2}, {"V = ?", "H = 1", "R1 = 9", "R2 = 2"}});
    SCOPED_TRACE(figure.title);
    const Sheet at = Sheet::Fitted(figure.bounds, 45);  // as the page shows it
    const auto baseline = [&](const Label& label) {
      return at.Y(label.anchor.y) + LayOut(label.placement).dy * kFontSize;
    };
    const auto volume = std::find_if(figure.labels.begin(), figure.labels.end(),
                                     [](const Label& label) { return label.text == "V = ?"; });
    ASSERT_NE(volume, figure.labels.end());
    for (const Label& other : figure.labels) {
      if (&other != &*volume)
        EXPECT_LE(baseline(*volume), baseline(other) - kFontSize) << other.text;
    }
  }
}

}  // namespace
}  // namespace stereona::figures

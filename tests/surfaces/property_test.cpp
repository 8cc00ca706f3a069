// The areas and lengths of many random solids of every body and range
// against the formulas computed here, in long double from the dimensions
// drawn, with no carried decimals: each result line's fraction and decimal,
// as the line writes them, and the measures the drawings read.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/parse_number.h"
#include "core/ranges.h"
#include "surfaces/surfaces.h"

namespace stereona::surfaces {
namespace {

using M = SurfaceMeasure;
using Real = long double;

struct Expected {
  M measure;
  Real value;
  Real numerator = 0;  // of a fraction
  Real denominator = 1;
  Real radicand = 0;  // of a root
};

Expected Root(M measure, Real radicand) { return {measure, std::sqrt(radicand), 0, 1, radicand}; }
Expected Ratio(M measure, Real numerator, Real denominator = 1) {
  return {measure, numerator / denominator, numerator, denominator};
}

std::vector<Expected> Independently(std::size_t body, const std::array<Real, 4>& v) {
  switch (body) {
    case 0: {
      const Real h = v[1], r = v[2], l = std::sqrt(h * h + r * r);
      return {Root(M::l, h * h + r * r), Ratio(M::B, 22 * r * r, 7), Ratio(M::S1, 22 * r * l, 7),
              Ratio(M::S, 22 * r * r + 22 * r * l, 7), Ratio(M::alpha, 360 * r, l)};
    }
    case 1: {
      const Real h = v[1], r1 = v[2], r2 = v[3], gap = std::fabs(r1 - r2);
      const Real l = std::sqrt(h * h + gap * gap);
      std::vector<Expected> all = {Root(M::l, h * h + gap * gap), Ratio(M::B1, 22 * r1 * r1, 7),
                                   Ratio(M::B2, 22 * r2 * r2, 7),
                                   Ratio(M::S1, 22 * (r1 + r2) * l, 7),
                                   Ratio(M::S, 22 * (r1 * r1 + r2 * r2 + (r1 + r2) * l), 7)};
      if (gap == 0) return all;
      all.insert(all.end(), {Ratio(M::alpha, 360 * gap, l), Ratio(M::L1, l * r1, gap),
                             Ratio(M::L2, l * r2, gap)});
      return all;
    }
    case 2:
    case 3: {
      const Real h = v[1], a = v[2], b = body == 2 ? 0 : v[3], half = (a - b) / 2;
      const Real k = std::sqrt(h * h + half * half);
      std::vector<Expected> all = {Root(M::k, h * h + half * half),
                                   Root(M::e, h * h + 2 * half * half)};
      if (body == 2) {
        all.insert(all.end(),
                   {Ratio(M::B, a * a), Ratio(M::S1, 2 * a * k), Ratio(M::S, a * a + 2 * a * k)});
      } else {
        all.insert(all.end(),
                   {Ratio(M::B1, a * a), Ratio(M::B2, b * b), Ratio(M::S1, 2 * (a + b) * k),
                    Ratio(M::S, a * a + b * b + 2 * (a + b) * k)});
      }
      return all;
    }
    case 4: {
      const Real h = v[1], r = v[2];
      return {Ratio(M::B, 22 * r * r, 7), Ratio(M::S1, 44 * r * h, 7),
              Ratio(M::S, 44 * r * r + 44 * r * h, 7)};
    }
    default: {
      const Real a = v[1], b = v[2], c = v[3];
      return {Ratio(M::B, a * b), Ratio(M::S1, 2 * (a + b) * c),
              Ratio(M::S, 2 * (a * b + b * c + a * c)), Root(M::d, a * a + b * b + c * c)};
    }
  }
}

bool Near(Real written, Real expected, Real relative) {
  return std::fabs(written - expected) <= relative * std::fabs(expected);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

std::vector<std::string> Pieces(const std::string& line) {
  std::vector<std::string> pieces;
  std::size_t at = 0;
  for (std::size_t end; (end = line.find(" = ", at)) != std::string::npos; at = end + 3) {
    pieces.push_back(line.substr(at, end - at));
  }
  pieces.push_back(line.substr(at));
  return pieces;
}

// The line's piece before its decimal, against the expected fraction or root.
void CheckWorking(const std::string& before, Real decimal, const Expected& expected) {
  constexpr Real kCarried = 1e-12L;  // roots carried at 15 digits, and their products
  if (expected.radicand > 0) {
    ASSERT_TRUE(before.starts_with("sqrt(") && before.ends_with(")")) << before;
    EXPECT_TRUE(Near(ParseNumber(before.substr(5)), expected.radicand, kCarried)) << before;
  } else if (!Near(expected.denominator, 1, kCarried)) {
    const std::size_t over = before.find(" / ");
    ASSERT_NE(over, std::string::npos) << before;
    const Real numerator = ParseNumber(before.substr(0, over));
    const Real denominator = ParseNumber(before.substr(over + 3));
    EXPECT_TRUE(Near(numerator, expected.numerator, kCarried)) << before;
    EXPECT_TRUE(Near(denominator, expected.denominator, kCarried)) << before;
    EXPECT_TRUE(Near(decimal, numerator / denominator, 1e-14L)) << "the decimal of " << before;
  }
}

void CheckSolid(std::size_t body, const std::array<Real, 4>& v) {
  std::ostringstream trace;
  trace << "body " << body << ": " << double(v[1]) << " " << double(v[2]) << " " << double(v[3]);
  SCOPED_TRACE(trace.str());
  Dimensions dimensions;
  for (std::size_t slot = 1; slot < kBodies[body].quantityCount; ++slot) {
    dimensions[slot] = static_cast<double>(v[slot]);
  }
  const SurfaceWorking working = WorkSurfaces(body, dimensions);
  ASSERT_TRUE(working.Worked()) << working.message;
  const std::vector<std::string> lines = Lines(working.lines);
  const std::vector<Expected> expected = Independently(body, v);
  std::size_t resultLines = 0;
  for (const Expected& e : expected) {
    const std::string start = std::string(WordsOf(e.measure).symbol) + " = ";
    std::size_t n = 1;
    while (n < lines.size() && !lines[n].starts_with(start)) ++n;
    ASSERT_LT(n, lines.size()) << "no line " << start;
    EXPECT_EQ(lines[n - 1], WordsOf(e.measure).name) << "the heading above " << start;
    const std::vector<std::string> pieces = Pieces(lines[n]);
    ASSERT_GE(pieces.size(), 3U) << lines[n];
    const Real decimal = ParseNumber(pieces.back());
    EXPECT_TRUE(Near(decimal, e.value, 1e-12L)) << lines[n] << " against " << double(e.value);
    CheckWorking(pieces[pieces.size() - 2], decimal, e);
    ASSERT_TRUE(working.measures[e.measure]);
    EXPECT_TRUE(Near(*working.measures[e.measure], decimal, 1e-14L)) << start;
    ++resultLines;
  }
  std::size_t measuresGiven = 0;
  for (const auto& value : working.measures.values) measuresGiven += value.has_value();
  EXPECT_EQ(measuresGiven, resultLines) << "measures the body has not";
}

class RandomSolids : public ::testing::TestWithParam<std::size_t> {
 protected:
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST_P(RandomSolids, MatchTheFormulas) {
  const std::size_t body = GetParam();
  std::mt19937 generator(2600 + static_cast<unsigned>(body));
  for (const std::string_view separator : {".", ","}) {
    SetDecimalSeparator(separator);
    for (const std::string_view range : kRanges) {
      std::uniform_int_distribution<int> whole(1, static_cast<int>(ParseNumber(range)));
      std::bernoulli_distribution tenths(0.5);
      std::bernoulli_distribution equalBases(0.1);
      for (int solid = 0; solid < 100; ++solid) {
        std::array<Real, 4> v{};
        for (std::size_t slot = 1; slot < 4; ++slot) {
          v[slot] = static_cast<Real>(static_cast<double>(whole(generator)) /
                                      (tenths(generator) ? 10.0 : 1.0));
        }
        if (equalBases(generator)) v[3] = v[2];
        CheckSolid(body, v);
        if (HasFatalFailure()) return;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Bodies, RandomSolids, ::testing::Range<std::size_t>(0, kBodyCount),
                         [](const auto& row) { return std::string(kBodies[row.param].latinName); });

}  // namespace
}  // namespace stereona::surfaces

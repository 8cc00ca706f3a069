// What each figure says, read through the canvas rather than from pixels:
// its labels are its body's captions, placed where a student can read them
// next to the segment they name, and its hidden parts are inside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>

#include "core/bodies.h"
#include "drawings/drawing_style.h"
#include "drawings/solid_figures.h"
#include "tests/drawings/body_test_name.h"
#include "tests/drawings/recording_canvas.h"
#include "window/window_font.h"

namespace stereona::drawings {
namespace {

using testing::RecordingCanvas;

RecordingCanvas Draw(std::size_t body, const Body& description) {
  RecordingCanvas canvas;
  DrawSolid(canvas, static_cast<BodyIndex>(body), description);
  return canvas;
}

RecordingCanvas Draw(std::size_t body) { return Draw(body, kBodies[body]); }

QString Caption(const Body& body, std::size_t slot) {
  return QString::fromStdString(std::string(body.quantityCaptions[slot]));
}

// Where the label's letters are, as the painter canvas centres them.
QRectF InkBox(const RecordingCanvas::LabelCall& label) {
  QRectF box = QFontMetricsF(window::WindowFont()).tightBoundingRect(label.text);
  box.moveCenter(label.centre);
  return box;
}

qreal DistanceToSegment(QPointF point, const QLineF& segment) {
  const QPointF along = segment.p2() - segment.p1();
  const qreal t = std::clamp(
      QPointF::dotProduct(point - segment.p1(), along) / QPointF::dotProduct(along, along), 0.0,
      1.0);
  return QLineF(point, segment.p1() + along * t).length();
}

// The outline of the figure: the convex hull of all that is drawn solid.
QPolygonF Hull(std::vector<QPointF> points) {
  std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
    return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
  });
  const auto cross = [](QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
  };
  std::vector<QPointF> hull(2 * points.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

qreal DistanceToOutline(QPointF point, const QPolygonF& hull) {
  qreal nearest = 1e9;
  for (qsizetype i = 0; i < hull.size(); ++i)
    nearest = qMin(nearest, DistanceToSegment(point, QLineF(hull[i], hull[(i + 1) % hull.size()])));
  return nearest;
}

class SolidFigureTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(SolidFigureTest, LabelsAreTheCaptionsOfItsQuantitiesButTheVolume) {
  const Body& body = kBodies[GetParam()];
  QStringList expected;
  for (std::size_t slot = 1; slot < body.quantityCount; ++slot) expected << Caption(body, slot);
  QStringList drawn = Draw(GetParam()).LabelTexts();
  expected.sort();
  drawn.sort();
  EXPECT_EQ(drawn, expected);
}

TEST_P(SolidFigureTest, ChangingACaptionInTheTableChangesThatLabelOnly) {
  const QStringList original = Draw(GetParam()).LabelTexts();
  for (std::size_t slot = 0; slot < kMaxQuantities; ++slot) {
    Body renamed = kBodies[GetParam()];
    renamed.quantityCaptions[slot] = "Zq";
    QStringList expected = original;
    if (slot >= 1 && slot < renamed.quantityCount)
      expected.replace(expected.indexOf(Caption(kBodies[GetParam()], slot)), "Zq");
    EXPECT_EQ(Draw(GetParam(), renamed).LabelTexts(), expected) << "slot " << slot;
  }
}

TEST_P(SolidFigureTest, LabelsLieWhollyInsideTheDrawing) {
  const QRectF drawing = QRectF(QPointF(), kDrawingSize).adjusted(2, 2, -2, -2);
  for (const auto& label : Draw(GetParam()).labels)
    EXPECT_TRUE(drawing.contains(InkBox(label))) << label.text.toStdString();
}

TEST_P(SolidFigureTest, NoStrokeRunsThroughALabel) {
  const RecordingCanvas canvas = Draw(GetParam());
  const std::pair<Stroke, const char*> strokes[] = {{Stroke::Edge, "an edge"},
                                                    {Stroke::HiddenEdge, "a hidden edge"},
                                                    {Stroke::Height, "the height"},
                                                    {Stroke::Measure, "a marked segment"},
                                                    {Stroke::Mark, "the right-angle mark"}};
  for (const auto& [stroke, name] : strokes) {
    const std::vector<QPointF> ink = canvas.InkOf(stroke);
    for (const auto& label : canvas.labels) {
      const QRectF clearance = InkBox(label).adjusted(-1, -1, 1, 1);
      const bool crossed =
          std::any_of(ink.begin(), ink.end(), [&](QPointF p) { return clearance.contains(p); });
      EXPECT_FALSE(crossed) << label.text.toStdString() << " crossed by " << name;
    }
  }
}

TEST_P(SolidFigureTest, LabelsKeepApart) {
  const auto labels = Draw(GetParam()).labels;
  for (std::size_t i = 0; i < labels.size(); ++i)
    for (std::size_t j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(InkBox(labels[i]).adjusted(-3, -3, 3, 3).intersects(InkBox(labels[j])))
          << labels[i].text.toStdString() << " and " << labels[j].text.toStdString();
}

// A label names the segment it sits by: each has a marked segment (height,
// radius or side) of its own close to it, not one another label is closer to.
TEST_P(SolidFigureTest, EachLabelSitsByASegmentOfItsOwn) {
  const RecordingCanvas canvas = Draw(GetParam());
  std::vector<QLineF> marked;
  for (const auto& line : canvas.lines)
    if (line.stroke == Stroke::Height || line.stroke == Stroke::Measure)
      marked.emplace_back(line.from, line.to);
  ASSERT_EQ(marked.size(), canvas.labels.size());
  std::vector<std::size_t> nearest;
  for (const auto& label : canvas.labels) {
    const auto by = [&](const QLineF& a, const QLineF& b) {
      return DistanceToSegment(label.centre, a) < DistanceToSegment(label.centre, b);
    };
    const auto closest = std::min_element(marked.begin(), marked.end(), by);
    EXPECT_LT(DistanceToSegment(label.centre, *closest), 22) << label.text.toStdString();
    nearest.push_back(static_cast<std::size_t>(closest - marked.begin()));
  }
  std::sort(nearest.begin(), nearest.end());
  EXPECT_EQ(std::adjacent_find(nearest.begin(), nearest.end()), nearest.end());
}

// The outline of a solid is always seen; a dashed stroke on it would be a
// visible edge drawn as hidden. Hidden edges end on the outline, so it is
// their middles that must lie within it.
TEST_P(SolidFigureTest, HiddenEdgesLieInsideTheOutline) {
  const RecordingCanvas canvas = Draw(GetParam());
  const QPolygonF outline = Hull(canvas.InkOf(Stroke::Edge));
  const std::vector<QPointF> middles = canvas.MiddlesOf(Stroke::HiddenEdge);
  ASSERT_FALSE(middles.empty());
  for (const QPointF middle : middles) {
    EXPECT_TRUE(outline.containsPoint(middle, Qt::OddEvenFill));
    EXPECT_GT(DistanceToOutline(middle, outline), 2) << middle.x() << ", " << middle.y();
  }
}

INSTANTIATE_TEST_SUITE_P(AllBodies, SolidFigureTest, ::testing::Range<std::size_t>(0, kBodyCount),
                         testing::BodyTestName);

// The height stands upright on the base, the right-angle mark in the corner
// at its foot; the box has edges for all its quantities and no height.
struct HeightCase {
  BodyIndex body;
  bool hasHeight;
};

void PrintTo(const HeightCase& heightCase, std::ostream* out) {
  *out << kBodies[static_cast<std::size_t>(heightCase.body)].latinName;
}

std::string HeightCaseName(const ::testing::TestParamInfo<HeightCase>& param) {
  return std::string(kBodies[static_cast<std::size_t>(param.param.body)].latinName);
}

class SolidHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(SolidHeightTest, HeightIsUprightWithTheRightAngleAtItsFoot) {
  const RecordingCanvas canvas = Draw(static_cast<std::size_t>(GetParam().body));
  std::vector<QLineF> heights, marks;
  for (const auto& line : canvas.lines) {
    if (line.stroke == Stroke::Height) heights.emplace_back(line.from, line.to);
    if (line.stroke == Stroke::Mark) marks.emplace_back(line.from, line.to);
  }
  if (!GetParam().hasHeight) {
    EXPECT_TRUE(heights.empty());
    EXPECT_TRUE(marks.empty());
    return;
  }
  ASSERT_EQ(heights.size(), 1u);
  const QLineF height = heights.front();
  const QPointF foot = height.p1().y() > height.p2().y() ? height.p1() : height.p2();
  EXPECT_DOUBLE_EQ(height.p1().x(), height.p2().x());
  ASSERT_EQ(marks.size(), 2u);
  std::vector<QPointF> ends;
  for (const QLineF& mark : marks) ends.insert(ends.end(), {mark.p1(), mark.p2()});
  // One arm leaves the height a little above the foot, the other ends on
  // the base line away from it.
  const auto onHeightAboveFoot = [&](QPointF p) {
    return DistanceToSegment(p, height) < 0.01 && QLineF(p, foot).length() > 3;
  };
  const auto offHeight = [&](QPointF p) { return DistanceToSegment(p, height) > 4; };
  EXPECT_TRUE(std::any_of(ends.begin(), ends.end(), onHeightAboveFoot));
  EXPECT_TRUE(std::any_of(ends.begin(), ends.end(), offHeight));
  for (const QPointF end : ends) EXPECT_LT(QLineF(end, foot).length(), 12);
}

INSTANTIATE_TEST_SUITE_P(AllBodies, SolidHeightTest,
                         ::testing::Values(HeightCase{BodyIndex::Cone, true},
                                           HeightCase{BodyIndex::TruncatedCone, true},
                                           HeightCase{BodyIndex::Pyramid, true},
                                           HeightCase{BodyIndex::TruncatedPyramid, true},
                                           HeightCase{BodyIndex::Cylinder, true},
                                           HeightCase{BodyIndex::Parallelepiped, false}),
                         HeightCaseName);

}  // namespace
}  // namespace stereona::drawings

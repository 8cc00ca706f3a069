// The nets of the solids with flat faces: the box, the pyramid and the
// truncated pyramid.
#include <algorithm>
#include <array>
#include <utility>

#include "core/bodies.h"
#include "drawings/figure_words.h"
#include "drawings/net_parts.h"
#include "drawings/nets.h"

namespace stereona::figures {
namespace {

std::string_view Caption(BodyIndex body) { return kBodies[static_cast<std::size_t>(body)].caption; }

// The corners of an axis-parallel rectangle, clockwise on the screen from
// the top left.
std::array<Point, 4> Corners(double left, double top, double width, double height) {
  return {{{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}}};
}

void AddRectangle(Figure& figure, const std::array<Point, 4>& corners, std::string_view kind,
                  std::vector<std::string> sizes, const std::string& area) {
  AddPiece(figure, PolygonShape{{corners.begin(), corners.end()}}, (corners[0] + corners[2]) * 0.5,
           kind, std::move(sizes), area);
}

Point Middle(Point a, Point b) { return (a + b) * 0.5; }

// The square of side `side` centred on the origin, and round it, on each of
// its sides in turn (clockwise from the top), a face whose outer edge is
// `outer` long and `height` away: triangles when `outer` is 0.
struct Ring {
  std::array<Point, 4> square;
  // Per side: its corners p, q (clockwise) and the face's outer corners
  // beyond q and p.
  std::array<std::array<Point, 4>, 4> faces;
};

Ring FacesRound(double side, double outer, double height) {
  Ring ring;
  ring.square = Corners(-side / 2, -side / 2, side, side);
  for (std::size_t i = 0; i < 4; ++i) {
    const Point p = ring.square[i];
    const Point q = ring.square[(i + 1) % 4];
    const Point along = (q - p) * (1 / side);
    const Point outward{along.y, -along.x};
    const Point middle = Middle(p, q) + outward * height;
    ring.faces[i] = {p, q, middle + along * (outer / 2), middle - along * (outer / 2)};
  }
  return ring;
}

Point Centroid(const std::array<Point, 4>& corners) {
  return (corners[0] + corners[1] + corners[2] + corners[3]) * 0.25;
}

// Folds the square's sides, cuts each face's leg at p and glues its leg at
// q to the next face's leg at p.
void JoinFaces(Figure& figure, const Ring& ring, double tab) {
  for (const auto& face : ring.faces) {
    const Point inside = Centroid(face);
    FoldEdge(figure, face[0], face[1]);
    CutEdge(figure, face[3], face[0]);
    TabbedEdge(figure, face[1], face[2], inside, tab);
  }
}

// The apothem, dashed, on the top face, labelled near its foot, below the
// face's area written at its centroid.
void MarkApothem(Figure& figure, const Ring& ring, const std::string& text) {
  const auto& top = ring.faces[0];
  const Point foot = Middle(top[0], top[1]);
  const Point end = Middle(top[2], top[3]);
  figure.segments.push_back({foot, end, Stroke::Measure});
  AddLabel(figure, foot + (end - foot) * 0.2, text, Placement::Right);
}

}  // namespace

Figure Net(const BoxNet& box, const BoxNetTexts& texts) {
  if (!AllPositive({box.a, box.b, box.c})) return {};
  const double a = box.a, b = box.b, c = box.c;
  const double tab = kTabShare * std::max({a, b, c});
  Figure figure;
  // The column top, back, bottom, front, with the sides left and right of
  // the bottom.
  const auto top = Corners(c, 0, a, b);
  const auto back = Corners(c, b, a, c);
  const auto bottom = Corners(c, b + c, a, b);
  const auto front = Corners(c, 2 * b + c, a, c);
  const auto left = Corners(0, b + c, c, b);
  const auto right = Corners(c + a, b + c, c, b);
  const std::string_view kind = words::kRectangle;
  AddRectangle(figure, top, kind, {texts.aText, texts.bText}, texts.abArea);
  AddRectangle(figure, back, kind, {texts.aText, texts.cText}, texts.acArea);
  AddRectangle(figure, bottom, kind, {texts.aText, texts.bText}, texts.abArea);
  AddRectangle(figure, front, kind, {texts.aText, texts.cText}, texts.acArea);
  AddRectangle(figure, left, kind, {texts.cText, texts.bText}, texts.bcArea);
  AddRectangle(figure, right, kind, {texts.cText, texts.bText}, texts.bcArea);
  // Corners run clockwise from the top left: [0]-[1] is the top edge.
  FoldEdge(figure, top[3], top[2]);
  FoldEdge(figure, back[3], back[2]);
  FoldEdge(figure, bottom[3], bottom[2]);
  FoldEdge(figure, left[1], left[2]);
  FoldEdge(figure, right[0], right[3]);
  // Seven pairs meet when it is folded: one tab each.
  CutEdge(figure, top[0], top[1]);
  TabbedEdge(figure, front[3], front[2], Centroid(front), tab);
  TabbedEdge(figure, top[0], top[3], Centroid(top), tab);
  CutEdge(figure, left[0], left[3]);
  TabbedEdge(figure, top[1], top[2], Centroid(top), tab);
  CutEdge(figure, right[1], right[2]);
  for (const auto* side : {&left, &right}) {
    TabbedEdge(figure, (*side)[0], (*side)[1], Centroid(*side), tab);
    TabbedEdge(figure, (*side)[3], (*side)[2], Centroid(*side), tab);
  }
  for (const auto* face : {&back, &front}) {
    CutEdge(figure, (*face)[0], (*face)[3]);
    CutEdge(figure, (*face)[1], (*face)[2]);
  }
  AddLabel(figure, Middle(top[0], top[1]), texts.aText, Placement::Above);
  AddLabel(figure, Middle(left[0], left[3]), texts.bText, Placement::Left);
  AddLabel(figure, Middle(back[0], back[3]), texts.cText, Placement::Left);
  return Finished(std::move(figure), Caption(BodyIndex::Parallelepiped));
}

Figure Net(const PyramidNet& pyramid, const PyramidNetTexts& texts) {
  if (!AllPositive({pyramid.a, pyramid.k})) return {};
  const Ring ring = FacesRound(pyramid.a, 0, pyramid.k);
  Figure figure;
  AddRectangle(figure, ring.square, words::kSquare, {texts.aText}, texts.baseArea);
  for (const auto& face : ring.faces) {
    const Point apex = face[2];
    AddPiece(figure, PolygonShape{{face[0], face[1], apex}}, (face[0] + face[1] + apex) * (1.0 / 3),
             words::kTriangle, {texts.aText, texts.kText}, texts.faceArea);
  }
  JoinFaces(figure, ring, kTabShare * std::max(pyramid.a, pyramid.k));
  AddLabel(figure, Middle(ring.square[2], ring.square[3]), texts.aText, Placement::Above);
  MarkApothem(figure, ring, texts.kText);
  return Finished(std::move(figure), Caption(BodyIndex::Pyramid));
}

Figure Net(const TruncatedPyramidNet& pyramid, const TruncatedPyramidNetTexts& texts) {
  if (!AllPositive({pyramid.a, pyramid.b, pyramid.k})) return {};
  // The larger base in the middle, whichever the pupil calls a: the faces
  // then narrow outwards and leave room between them for the tabs.
  const bool aLarger = pyramid.a >= pyramid.b;
  const double large = aLarger ? pyramid.a : pyramid.b;
  const double small = aLarger ? pyramid.b : pyramid.a;
  const std::string& largeText = aLarger ? texts.aText : texts.bText;
  const std::string& smallText = aLarger ? texts.bText : texts.aText;
  const Ring ring = FacesRound(large, small, pyramid.k);
  // The smaller base hangs on the outer edge of the bottom face.
  const auto& carrier = ring.faces[2];
  const auto lid = Corners(carrier[2].x, carrier[2].y, small, small);
  Figure figure;
  AddRectangle(figure, ring.square, words::kSquare, {largeText},
               aLarger ? texts.base1Area : texts.base2Area);
  AddRectangle(figure, lid, words::kSquare, {smallText},
               aLarger ? texts.base2Area : texts.base1Area);
  for (const auto& face : ring.faces)
    AddPiece(figure, PolygonShape{{face.begin(), face.end()}}, Centroid(face), words::kTrapezoid,
             {texts.aText, texts.bText, texts.kText}, texts.faceArea);
  const double tab = kTabShare * std::max({large, pyramid.k});
  JoinFaces(figure, ring, tab);
  for (const auto& face : ring.faces) {
    if (&face == &carrier)
      FoldEdge(figure, face[2], face[3]);
    else
      TabbedEdge(figure, face[2], face[3], Centroid(face), tab);
  }
  CutEdge(figure, lid[1], lid[2]);
  CutEdge(figure, lid[2], lid[3]);
  CutEdge(figure, lid[3], lid[0]);
  AddLabel(figure, Middle(ring.square[2], ring.square[3]), largeText, Placement::Above);
  AddLabel(figure, Middle(lid[2], lid[3]), smallText, Placement::Above);
  MarkApothem(figure, ring, texts.kText);
  return Finished(std::move(figure), Caption(BodyIndex::TruncatedPyramid));
}

}  // namespace stereona::figures

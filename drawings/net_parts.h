#pragma once

#include <initializer_list>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "drawings/figure.h"

// The parts every net is made of: pieces with their area written inside,
// the lines between them (folded) and around them (cut), and glue tabs.
// A printed net closes only when every pair of edges that meet when it is
// folded is glued, so each such pair gets one tab, on one of its edges.
namespace stereona::figures {

// The geometry uses the true pi, not the 22/7 of the working: a circle
// drawn with radius R has the true circumference 2·pi·R whatever the texts
// say, so the cylinder's rectangle must be that long and the cone's arc
// that long for the printed net to close. (A sector's angle 360°·R/l has
// no pi in it.) 22/7 would make the rectangle 0,04 % too long: 0,3 mm on a
// 60 cm strip, within printing; the labels keep the working's numbers.
inline constexpr double kPi = std::numbers::pi;

// How deep a tab is, as a share of the solid's largest length; each edge or
// circle makes it shallower where it is short.
inline constexpr double kTabShare = 0.07;

Point operator+(Point a, Point b);
Point operator-(Point a, Point b);
Point operator*(Point a, double factor);
double Distance(Point a, Point b);
// The point `radius` from `centre` in the direction `angle` (radians, y down).
Point Polar(Point centre, double radius, double angle);

// Whether every length is a finite number above zero.
bool AllPositive(std::initializer_list<double> lengths);

// A piece whose area text is written at `inside`.
void AddPiece(Figure& figure, Shape shape, Point inside, std::string_view kind,
              std::vector<std::string> sizes, const std::string& area,
              Placement placement = Placement::Centre);

// Where a label stands from a point to be on the side `direction` points to.
Placement PlacementToward(Point direction);

// The figure's title and bounds set, or an empty figure where the lengths
// were too large for the geometry.
Figure Finished(Figure figure, std::string_view bodyCaption);

void AddLabel(Figure& figure, Point anchor, const std::string& text, Placement placement);

void FoldEdge(Figure& figure, Point from, Point to);
void CutEdge(Figure& figure, Point from, Point to);

// An edge glued to another one: folded, with a tab `depth` deep on the
// side away from `inside`, narrowed at both ends so that tabs meeting at a
// corner do not overlap.
void TabbedEdge(Figure& figure, Point from, Point to, Point inside, double depth);

// A circle glued along its rim: teeth all round it, each folded where it
// meets the circle and the rim cut between them, but none where a tooth
// would reach into a piece already in the figure (where the circle touches
// the piece it belongs to).
void ToothedCircle(Figure& figure, Point centre, double radius, double depth);

}  // namespace stereona::figures

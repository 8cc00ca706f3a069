// Writes the nets and the solids drawn to their numbers of one example
// problem per body as SVG, at the scale they print at, into the folder
// given: for looking at them. The texts are made up here; the program's
// come from the surface working.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "core/number_text.h"
#include "drawings/nets.h"
#include "drawings/paper_scale.h"
#include "drawings/solid_to_scale.h"
#include "drawings/svg_writer.h"

namespace {

using namespace stereona;
using namespace stereona::figures;

std::string Is(const char* name, double value) {
  return std::string(name) + " = " + NumberText(value);
}

void Write(const std::string& folder, const std::string& name, const Figure& figure) {
  const auto scale = ChoosePaperScale(figure.bounds, LengthUnit::Centimetre);
  std::ofstream(folder + "/" + name + ".svg")
      << SvgOnPaper(figure, scale ? scale->millimetresPerUnit : 1);
  std::printf("%s: %s%s\n", name.c_str(), scale ? scale->text.c_str() : "-",
              scale && scale->landscape ? " (landscape)" : "");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  Write(folder, "net_cone",
        Net(ConeNet{6, 10}, {Is("R", 6), Is("l", 10), "α = 216°", "B = 113,14", "S1 = 188,57"}));
  Write(folder, "net_tall_cone",
        Net(ConeNet{2, std::hypot(10, 2)},
            {Is("R", 2), "l = 10,2", "α = 70,6°", "B = 12,57", "S1 = 64,1"}));
  Write(folder, "net_flat_cone",
        Net(ConeNet{10, std::hypot(2, 10)},
            {Is("R", 10), "l = 10,2", "α = 353°", "B = 314", "S1 = 320"}));
  const double l = std::hypot(4, 3);
  Write(folder, "net_truncated_cone",
        Net(TruncatedConeNet{6, 3, l},
            {Is("R1", 6), Is("R2", 3), Is("l", l), Is("L1", 10), Is("L2", 5), "α = 216°",
             "B1 = 113,14", "B2 = 28,29", "S1 = 141,43"}));
  Write(folder, "net_pyramid", Net(PyramidNet{6, 5}, {Is("a", 6), Is("k", 5), "B = 36", "30"}));
  Write(folder, "net_truncated_pyramid",
        Net(TruncatedPyramidNet{8, 4, std::hypot(3, 2)},
            {Is("a", 8), Is("b", 4), "k = 3,61", "B1 = 64", "B2 = 16", "21,63"}));
  Write(folder, "net_cylinder",
        Net(CylinderNet{3, 8},
            {Is("R", 3), Is("H", 8), "2·pi·R = 18,86", "B = 28,29", "S1 = 150,86"}));
  Write(folder, "net_box",
        Net(BoxNet{4, 3, 5}, {Is("a", 4), Is("b", 3), Is("c", 5), "12", "15", "20"}));
  const auto solid = [&](BodyIndex body, std::array<double, 4> values,
                         std::array<std::string, 4> texts, const char* name) {
    Write(folder, name, SolidToScale({body, values, std::move(texts)}));
  };
  solid(BodyIndex::Cone, {0, 2, 10, 0}, {"V = ?", "H = 2", "R = 10", ""}, "solid_flat_cone");
  solid(BodyIndex::Cone, {0, 10, 2, 0}, {"", "H = 10", "R = 2", ""}, "solid_tall_cone");
  solid(BodyIndex::Cone, {0, 70, 2, 0}, {"", "H = 70", "R = 2", ""}, "solid_needle_cone");
  solid(BodyIndex::TruncatedCone, {0, 7, 6, 3}, {"", "H = 7", "R1 = 6", "R2 = ?"},
        "solid_truncated_cone");
  solid(BodyIndex::Pyramid, {0, 8, 6, 0}, {"V = 96", "H = ?", "a = 6", ""}, "solid_pyramid");
  solid(BodyIndex::TruncatedPyramid, {0, 3, 8, 4}, {"", "H = 3", "a = 8", "b = 4"},
        "solid_truncated_pyramid");
  solid(BodyIndex::Cylinder, {0, 8, 3, 0}, {"", "H = 8", "R = 3", ""}, "solid_cylinder");
  solid(BodyIndex::Parallelepiped, {0, 4, 3, 5}, {"", "a = 4", "b = 3", "c = 5"}, "solid_box");
  return 0;
}

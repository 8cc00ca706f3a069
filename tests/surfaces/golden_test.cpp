// The whole working of one solid of each body against its exact text, CRLF
// included. Each file in tests/surfaces/golden holds the body ("body 0", its
// index in kBodies), its dimensions by slot ("dimensions x|8|6", x for the
// volume's slot and any not given), a line "---", and then the bytes of the
// working.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/parse_number.h"
#include "surfaces/surfaces.h"
#include "tests/support/golden_files.h"

namespace stereona::surfaces {
namespace {

namespace fs = std::filesystem;

struct GoldenWorking {
  std::string name;
  std::size_t body = kBodyCount;
  Dimensions dimensions;
  std::string expected;

  friend void PrintTo(const GoldenWorking& golden, std::ostream* os) { *os << golden.name; }
};

GoldenWorking ReadGolden(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  const std::string text = content.str();
  const std::string separator = "\n---\n";
  const auto split = text.find(separator);
  if (split == std::string::npos) throw std::runtime_error("no --- in " + path.string());

  GoldenWorking golden{path.stem().string(), kBodyCount, {}, text.substr(split + separator.size())};
  std::istringstream header(text.substr(0, split));
  for (std::string line; std::getline(header, line);) {
    if (line.starts_with("body ")) golden.body = std::stoul(line.substr(5));
    if (!line.starts_with("dimensions ")) continue;
    std::istringstream values(line.substr(11));
    std::size_t slot = 0;
    for (std::string value; std::getline(values, value, '|') && slot < kMaxQuantities; ++slot) {
      if (value != "x") golden.dimensions[slot] = ParseNumber(value);
    }
  }
  return golden;
}

std::vector<GoldenWorking> AllGoldens() {
  std::vector<GoldenWorking> goldens;
  for (const auto& path : testing::GoldenFiles(STEREONA_SURFACES_GOLDEN_DIR))
    goldens.push_back(ReadGolden(path));
  return goldens;
}

class GoldenTest : public ::testing::TestWithParam<GoldenWorking> {};

TEST_P(GoldenTest, WorkingMatchesByteForByte) {
  const GoldenWorking& golden = GetParam();
  const SurfaceWorking working = WorkSurfaces(golden.body, golden.dimensions);
  EXPECT_EQ(working.message, "");
  EXPECT_EQ(working.lines, golden.expected);
}

INSTANTIATE_TEST_SUITE_P(Workings, GoldenTest, ::testing::ValuesIn(AllGoldens()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace stereona::surfaces

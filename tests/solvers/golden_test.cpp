// Every solver path against its exact output, CRLF included. Each file in
// tests/golden holds a short script of what a student does, a line "---",
// and then the bytes the output box must hold afterwards:
//
//   body 1                 select a body (or "body none")
//   unknown 2              select an unknown (or "unknown none")
//   inputs 462|7|6|3       the texts of Text2(0..3), separated by "|"
//   calculate / clear      press Command1(0) / Command1(1)
//   fault 6                the last command must raise this fault number
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/fault.h"
#include "solvers/body_solvers.h"
#include "support/fake_controls.h"

namespace stereona {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  std::string name;
  std::vector<std::string> script;
  std::string expected;

  friend void PrintTo(const GoldenCase& golden, std::ostream* os) { *os << golden.name; }
};

GoldenCase ReadGolden(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  const std::string text = content.str();
  const std::string separator = "\n---\n";
  const auto split = text.find(separator);
  if (split == std::string::npos) throw std::runtime_error("no --- in " + path.string());

  GoldenCase golden{path.stem().string(), {}, text.substr(split + separator.size())};
  std::istringstream script(text.substr(0, split));
  for (std::string line; std::getline(script, line);) {
    if (!line.empty() && line[0] != '#') golden.script.push_back(line);
  }
  return golden;
}

std::vector<GoldenCase> AllGoldens() {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(STEREONA_GOLDEN_DIR)) {
    if (entry.path().extension() == ".golden") paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<GoldenCase> goldens;
  for (const auto& path : paths) goldens.push_back(ReadGolden(path));
  return goldens;
}

std::vector<std::string> SplitInputs(const std::string& list) {
  std::vector<std::string> inputs;
  std::size_t start = 0;
  for (std::size_t bar; (bar = list.find('|', start)) != std::string::npos; start = bar + 1) {
    inputs.push_back(list.substr(start, bar - start));
  }
  inputs.push_back(list.substr(start));
  return inputs;
}

int IndexOrNone(const std::string& word) { return word == "none" ? -1 : std::stoi(word); }

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, OutputMatchesByteForByte) {
  const GoldenCase& golden = GetParam();
  testing::FakeControls controls;
  const std::string reference = "reference text\r\n";
  controls.shownOutputs.push_back(reference);
  Calculator calculator(controls, BodySolvers(), reference);
  std::optional<int> raisedFault;
  std::optional<int> expectedFault;

  for (const std::string& line : golden.script) {
    const auto space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (verb == "body") {
      controls.selectedBody = IndexOrNone(rest);
    } else if (verb == "unknown") {
      controls.selectedUnknown = IndexOrNone(rest);
    } else if (verb == "inputs") {
      const auto inputs = SplitInputs(rest);
      ASSERT_EQ(inputs.size(), 4U) << line;
      std::copy(inputs.begin(), inputs.end(), controls.inputs.begin());
    } else if (verb == "calculate" || verb == "clear") {
      raisedFault.reset();
      try {
        calculator.Command1_Click(verb == "calculate" ? 0 : 1);
      } catch (const FloatingPointFault& fault) {
        raisedFault = fault.Number();
      }
    } else if (verb == "fault") {
      expectedFault = std::stoi(rest);
    } else {
      FAIL() << "unknown script line: " << line;
    }
  }

  EXPECT_EQ(raisedFault, expectedFault);
  EXPECT_EQ(calculator.Output(), golden.expected);
  EXPECT_EQ(controls.Shown(), golden.expected) << "the box shows what the calculation wrote";
}

INSTANTIATE_TEST_SUITE_P(Solutions, GoldenTest, ::testing::ValuesIn(AllGoldens()),
                         [](const auto& row) {
                           std::string name = row.param.name;
                           std::replace_if(name.begin(), name.end(),
                                           [](char c) { return !std::isalnum(c); }, '_');
                           return name;
                         });

}  // namespace
}  // namespace stereona

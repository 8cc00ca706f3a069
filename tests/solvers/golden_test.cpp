// Every solver path against its exact output, CRLF included. Each file in
// tests/golden holds a short script of what a student does (the language of
// support/student_script.h), a line "---", and then the bytes the output box
// must hold afterwards. A script line "fault 6" says that the last command
// must raise that fault number.
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
#include "tests/support/fake_controls.h"
#include "tests/support/golden_files.h"
#include "tests/support/student_script.h"

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
  std::vector<GoldenCase> goldens;
  for (const auto& path : testing::GoldenFiles(STEREONA_GOLDEN_DIR))
    goldens.push_back(ReadGolden(path));
  return goldens;
}

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, OutputMatchesByteForByte) {
  const GoldenCase& golden = GetParam();
  testing::FakeControls controls;
  const std::string reference = "reference text\r\n";
  controls.shownOutputs.push_back(reference);
  Calculator calculator(controls, BodySolvers(), reference);
  testing::StudentScript student(controls, calculator);
  std::optional<int> raisedFault;
  std::optional<int> expectedFault;

  for (const std::string& line : golden.script) {
    if (line.starts_with("fault ")) {
      expectedFault = std::stoi(line.substr(6));
      continue;
    }
    const testing::StepResult step = student.Apply(line);
    ASSERT_TRUE(step.known) << "unknown script line: " << line;
    if (step.button) raisedFault = step.fault;
  }

  EXPECT_EQ(raisedFault, expectedFault);
  EXPECT_EQ(calculator.Output(), golden.expected);
  EXPECT_EQ(controls.Shown(), golden.expected) << "the box shows what the calculation wrote";
}

INSTANTIATE_TEST_SUITE_P(Solutions, GoldenTest, ::testing::ValuesIn(AllGoldens()),
                         [](const auto& row) {
                           std::string name = row.param.name;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

}  // namespace
}  // namespace stereona

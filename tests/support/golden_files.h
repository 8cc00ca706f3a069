#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

namespace stereona::testing {

// The golden files of a folder (*.golden), in the order of their names, so
// that the test cases come in the same order everywhere.
inline std::vector<std::filesystem::path> GoldenFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".golden") paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace stereona::testing

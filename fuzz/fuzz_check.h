#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace stereona::fuzz {

// A broken invariant is a finding: say which one and stop, so that libFuzzer
// keeps the input that caused it.
inline void Require(bool holds, const char* invariant, std::string_view context = {}) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n%.*s\n", invariant, static_cast<int>(context.size()),
               context.data());
  std::abort();
}

inline bool HasNoNonNumbers(std::string_view text) {
  for (const std::string_view bad : {"inf", "nan", "INF", "NAN", "Inf", "NaN"}) {
    if (text.find(bad) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace stereona::fuzz

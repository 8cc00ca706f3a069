#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "documents/sheet_options.h"
#include "documents/whole_volume.h"

// Which problems a sheet may set, and how many different ones its options
// allow. A problem asking for the volume gives whole dimensions, any from the
// range; one asking for a dimension gives the volume instead, which must be
// a whole number the window writes in full (GivenVolume).
namespace stereona::documents {

// A problem before its texts: the body, the slot asked for and every
// dimension, the one asked for included. Two problems are alike when these
// are.
struct ProblemChoice {
  std::size_t body = 0;
  std::size_t unknown = 0;  // 0 is the volume
  Dimensions dimensions{};
  friend bool operator==(const ProblemChoice&, const ProblemChoice&) = default;
};

// Whether a sheet may set the problem: every value it gives is whole.
bool IsAdmissible(const ProblemChoice& choice);

// Counts stop here: more than any sheet or practice asks for.
inline constexpr std::size_t kDistinctCountCeiling = 1'000'000;

// How many different problems the options allow: their bodies, the volume or
// any unknown, and whole dimensions from 1 to the range's limit; at most
// kDistinctCountCeiling. Counted by divisibility, without solving. The
// options must be valid but for their problem count.
std::size_t DistinctProblemCount(const SheetOptions& options);

// Throws SheetOptionsError, saying how many there are, when the options
// allow fewer than `wanted` different problems.
void RequireDistinctProblems(const SheetOptions& options, std::size_t wanted);

// The first admissible problem of the options that `accept` takes, in a
// fixed order (body, unknown, then dimensions from 1 up); nothing if none.
std::optional<ProblemChoice> FirstAdmissible(
    const SheetOptions& options, const std::function<bool(const ProblemChoice&)>& accept);

}  // namespace stereona::documents

#include "documents/distinct_problems.h"

#include <algorithm>
#include <string>

#include "documents/saturating.h"

namespace stereona::documents {
namespace {

std::size_t DimensionCount(std::size_t body) { return kBodies.at(body).quantityCount - 1; }

std::size_t UnknownCount(const SheetOptions& options, std::size_t body) {
  return options.volumeOnly ? 1 : kBodies.at(body).quantityCount;
}

std::uint64_t Limit(const SheetOptions& options) {
  return static_cast<std::uint64_t>(RangeLimit(options.range));
}

// Calls visit with every tuple of values from low to high in slots 1 to
// count, the last slot the fastest, while visit returns true. False when
// visit stopped it.
template <class Visit>
bool ForEachTuple(std::size_t count, std::uint64_t low, std::uint64_t high, Visit&& visit) {
  if (high < low) return true;
  Dimensions tuple{};
  std::fill_n(tuple.begin() + 1, count, low);
  while (visit(tuple)) {
    std::size_t k = count;
    while (k >= 1 && tuple[k] == high) tuple[k--] = low;
    if (k == 0) return true;
    ++tuple[k];
  }
  return false;
}

// How many numbers from 1 to limit leave the remainder r when divided by d.
std::uint64_t WithRemainder(std::uint64_t r, std::uint64_t d, std::uint64_t limit) {
  if (r == 0) return limit / d;
  return r > limit ? 0 : (limit - r) / d + 1;
}

// How many dimensions from 1 to limit give a whole volume, of any size.
// Whether the volume is whole depends only on the remainders of the
// dimensions by the denominator: each admissible tuple of remainders stands
// for as many dimensions as leave those remainders.
std::uint64_t WholeVolumeCount(std::size_t body, std::uint64_t limit) {
  const std::uint64_t d = kVolumeFormulas.at(body).denominator;
  const std::size_t n = DimensionCount(body);
  std::uint64_t count = 0;
  ForEachTuple(n, 0, d - 1, [&](const Dimensions& remainders) {
    if (VolumeNumerator(body, remainders) % d == 0) {
      std::uint64_t tuples = 1;
      for (std::size_t k = 1; k <= n; ++k) {
        tuples = SaturatingProduct(tuples, WithRemainder(remainders[k], d, limit));
      }
      count = SaturatingSum(count, tuples);
    }
    return true;
  });
  return count;
}

// The largest m up to limit such that no dimensions up to m give too large
// a volume. The volume grows with every dimension, so all equal to m is the
// largest.
std::uint64_t LargestFittingSide(std::size_t body, std::uint64_t limit) {
  const std::uint64_t most =
      LargestGivenVolume(body) * kVolumeFormulas.at(body).denominator;  // at most 2^53
  const auto fits = [&](std::uint64_t m) {
    Dimensions all{};
    all.fill(m);
    return VolumeNumerator(body, all) <= most;
  };
  std::uint64_t low = 0;  // fits
  std::uint64_t high = limit;
  if (fits(high)) return high;
  while (high - low > 1) {  // low fits, high does not
    const std::uint64_t middle = low + (high - low) / 2;
    (fits(middle) ? low : high) = middle;
  }
  return low;
}

// How many dimensions from 1 to limit give a volume a problem may give.
std::uint64_t AdmissibleDimensionsCount(std::size_t body, std::uint64_t limit) {
  const std::uint64_t side = LargestFittingSide(body, limit);
  const std::uint64_t within = WholeVolumeCount(body, side);
  if (side == limit || within >= kDistinctCountCeiling) return within;
  // Beyond the side some volumes are too large: one by one, up to the
  // ceiling. The window's ranges never come here: where their volumes
  // outgrow 15 digits, the side alone already holds more than the ceiling.
  std::uint64_t count = 0;
  ForEachTuple(DimensionCount(body), 1, limit, [&](const Dimensions& dimensions) {
    if (GivenVolume(body, dimensions)) ++count;
    return count < kDistinctCountCeiling;
  });
  return count;
}

std::uint64_t Power(std::uint64_t base, std::size_t exponent) {
  std::uint64_t power = 1;
  for (std::size_t k = 0; k < exponent; ++k) power = SaturatingProduct(power, base);
  return power;
}

}  // namespace

bool IsAdmissible(const ProblemChoice& choice) {
  return choice.unknown == 0 || GivenVolume(choice.body, choice.dimensions).has_value();
}

std::size_t DistinctProblemCount(const SheetOptions& options) {
  const std::uint64_t limit = Limit(options);
  std::uint64_t count = 0;
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    if (!options.bodies[body]) continue;
    const std::size_t n = DimensionCount(body);
    count = SaturatingSum(count, Power(limit, n));  // the volume asked for
    if (!options.volumeOnly) {
      count = SaturatingSum(count, SaturatingProduct(n, AdmissibleDimensionsCount(body, limit)));
    }
  }
  return static_cast<std::size_t>(std::min<std::uint64_t>(count, kDistinctCountCeiling));
}

void RequireDistinctProblems(const SheetOptions& options, std::size_t wanted) {
  const std::size_t available = DistinctProblemCount(options);
  if (available < wanted) {
    throw SheetOptionsError("С тези тела и този диапазон могат да се направят само " +
                            std::to_string(available) + " различни задачи.");
  }
}

std::optional<ProblemChoice> FirstAdmissible(
    const SheetOptions& options, const std::function<bool(const ProblemChoice&)>& accept) {
  const std::uint64_t limit = Limit(options);
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    if (!options.bodies[body]) continue;
    for (std::size_t unknown = 0; unknown < UnknownCount(options, body); ++unknown) {
      ProblemChoice choice{body, unknown, {}};
      const bool none = ForEachTuple(DimensionCount(body), 1, limit, [&](const Dimensions& d) {
        choice.dimensions = d;
        return !(IsAdmissible(choice) && accept(choice));
      });
      if (!none) return choice;
    }
  }
  return std::nullopt;
}

}  // namespace stereona::documents

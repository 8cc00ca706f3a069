#include "documents/whole_volume.h"

#include <algorithm>

#include "documents/saturating.h"

namespace stereona::documents {
namespace {

static_assert([] {
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    if ((kVolumeFormulas[v].factor == 22) != kBodies[v].usesPi) return false;
  }
  return true;
}());

constexpr auto Times = SaturatingProduct;
constexpr auto Plus = SaturatingSum;

std::uint64_t BaseProduct(Base base, const Dimensions& d) {
  switch (base) {
    case Base::Square:
      return Times(d[1], Times(d[2], d[2]));
    case Base::Frustum:
      return Times(d[1], Plus(Plus(Times(d[2], d[2]), Times(d[3], d[3])), Times(d[2], d[3])));
    case Base::Box:
      return Times(d[1], Times(d[2], d[3]));
  }
  return kSaturated;
}

}  // namespace

std::uint64_t VolumeNumerator(std::size_t body, const Dimensions& dimensions) {
  const VolumeFormula& formula = kVolumeFormulas.at(body);
  return Times(formula.factor, BaseProduct(formula.base, dimensions));
}

std::uint64_t LargestGivenVolume(std::size_t body) {
  constexpr std::uint64_t kLargestFifteenDigits = 999'999'999'999'999;
  constexpr std::uint64_t kExactInDouble = std::uint64_t{1} << 53;
  return std::min(kLargestFifteenDigits, kExactInDouble / kVolumeFormulas.at(body).denominator);
}

std::optional<std::uint64_t> GivenVolume(std::size_t body, const Dimensions& dimensions) {
  const std::uint64_t numerator = VolumeNumerator(body, dimensions);
  const std::uint64_t denominator = kVolumeFormulas.at(body).denominator;
  if (numerator % denominator != 0 || numerator / denominator > LargestGivenVolume(body)) {
    return std::nullopt;
  }
  return numerator / denominator;
}

}  // namespace stereona::documents

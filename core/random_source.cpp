#include "core/random_source.h"

#include <chrono>
#include <cmath>

namespace stereona {

float UnitFromBits(std::uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1.0p-24F; }

double WholeNumberFrom(float r, double range) {
  return std::floor(static_cast<double>(r) * range) + 1.0;
}

std::uint32_t ClockSeed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

RandomSource::RandomSource(std::uint32_t seed) : engine_(seed) {}

void RandomSource::Seed(std::uint32_t seed) { engine_.seed(seed); }

// Not std::generate_canonical<float>, which may round up to 1.0.
float RandomSource::Next() { return UnitFromBits(static_cast<std::uint32_t>(engine_())); }

double RandomSource::WholeNumber(double range) { return WholeNumberFrom(Next(), range); }

}  // namespace stereona

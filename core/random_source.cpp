#include "core/random_source.h"

#include <chrono>
#include <cmath>

namespace stereona {

RandomSource::RandomSource() { SeedFromClock(); }

RandomSource::RandomSource(std::uint32_t seed) : engine_(seed) {}

void RandomSource::Seed(std::uint32_t seed) { engine_.seed(seed); }

void RandomSource::SeedFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float RandomSource::Next() {
  // 24 random bits fill a float's mantissa exactly, so the largest value is
  // 1 - 2^-24; std::generate_canonical<float> may round up to 1.0.
  const auto bits = static_cast<std::uint32_t>(engine_() >> 8);
  return static_cast<float>(bits) * 0x1.0p-24F;
}

double RandomSource::WholeNumber(double range) {
  return std::floor(static_cast<double>(Next()) * range) + 1.0;
}

}  // namespace stereona

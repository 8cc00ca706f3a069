#pragma once

#include <cstdint>
#include <random>

namespace stereona {

// The pseudo-random sequence behind the random fill of the inputs.
class RandomSource {
 public:
  RandomSource();  // seeded from the system clock, so every run differs
  explicit RandomSource(std::uint32_t seed);

  void Seed(std::uint32_t seed);
  void SeedFromClock();

  // Single precision, 0 <= r < 1 strictly.
  float Next();

  // A whole number from 1 to range, both included: Int(r * range) + 1.
  double WholeNumber(double range);

 private:
  std::mt19937 engine_;
};

}  // namespace stereona

#pragma once

#include <cstdint>
#include <random>

namespace stereona {

// The top 24 of 32 random bits as a float in [0, 1): 24 bits fill a float's
// mantissa exactly, so the largest value is 1 - 2^-24 and never rounds to 1.
float UnitFromBits(std::uint32_t bits);

// Int(r * range) + 1, from 1 to range for 0 <= r < 1.
double WholeNumberFrom(float r, double range);

// A seed from the system clock, so that every run draws other values.
std::uint32_t ClockSeed();

// The pseudo-random sequence behind the random fill of the inputs. It is
// seeded once, at start-up; until then it is the engine's default sequence.
class RandomSource {
 public:
  RandomSource() = default;
  explicit RandomSource(std::uint32_t seed);

  void Seed(std::uint32_t seed);

  // Single precision, 0 <= r < 1 strictly.
  float Next();

  // A whole number from 1 to range, both included: Int(r * range) + 1.
  double WholeNumber(double range);

 private:
  std::mt19937 engine_;
};

}  // namespace stereona

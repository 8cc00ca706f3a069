// What one press of a button costs in the calculation: a full calculate
// command for every body and unknown, the number services, a random fill.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "bench/calculation_inputs.h"
#include "core/bodies.h"
#include "core/calculator.h"
#include "core/number_text.h"
#include "core/parse_number.h"
#include "core/random_source.h"
#include "solvers/body_solvers.h"
#include "tests/support/fake_controls.h"

namespace stereona {
namespace {

using bench::kInputs;

void CalculateCommand(benchmark::State& state) {
  const auto body = static_cast<std::size_t>(state.range(0));
  const auto unknown = static_cast<std::size_t>(state.range(1));
  testing::FakeControls controls;
  controls.selectedBody = static_cast<int>(body);
  controls.selectedUnknown = static_cast<int>(unknown);
  for (std::size_t k = 0; k < kInputs.size(); ++k) controls.inputs[k] = kInputs[k];
  Calculator calculator(controls, BodySolvers(), "");
  for (auto _ : state) {
    controls.shownOutputs.clear();
    calculator.Command1_Click(0);
    benchmark::DoNotOptimize(calculator.Output().data());
  }
  state.SetLabel(std::string(kBodies[body].caption) + " / " +
                 std::string(kBodies[body].quantityCaptions[unknown]));
}

void AllBodiesAndUnknowns(benchmark::internal::Benchmark* benchmark) {
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    for (std::size_t unknown = 0; unknown < kBodies[body].quantityCount; ++unknown) {
      benchmark->Args({static_cast<long>(body), static_cast<long>(unknown)});
    }
  }
}
BENCHMARK(CalculateCommand)->Apply(AllBodiesAndUnknowns);

void NumberTextOf(benchmark::State& state) {
  double value = 22.0 / 7.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NumberText(value));
    value += 1.0;
  }
}
BENCHMARK(NumberTextOf);

void ParseNumberOf(benchmark::State& state) {
  const std::string text = " 12345.678E-2 ";
  for (auto _ : state) benchmark::DoNotOptimize(ParseNumber(text));
}
BENCHMARK(ParseNumberOf);

// The calculation's side of a random fill: four draws from the range
// "100000" and their texts.
void RandomFill(benchmark::State& state) {
  RandomSource source(1);
  std::array<std::string, 4> texts;
  for (auto _ : state) {
    for (auto& text : texts) text = NumberText(source.WholeNumber(100000));
    benchmark::DoNotOptimize(texts.data());
  }
}
BENCHMARK(RandomFill);

}  // namespace
}  // namespace stereona

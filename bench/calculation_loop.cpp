// The calculate command of every body and unknown in a plain timed loop, the
// same source for the native build and for WebAssembly under Node, where
// Google Benchmark is not at hand. Prints nanoseconds per command.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/calculation_inputs.h"
#include "core/bodies.h"
#include "core/calculator.h"
#include "solvers/body_solvers.h"
#include "tests/support/fake_controls.h"

namespace stereona {
namespace {

double NanosecondsPerCommand(std::size_t body, std::size_t unknown, long repetitions) {
  testing::FakeControls controls;
  controls.selectedBody = static_cast<int>(body);
  controls.selectedUnknown = static_cast<int>(unknown);
  for (std::size_t k = 0; k < bench::kInputs.size(); ++k) controls.inputs[k] = bench::kInputs[k];
  Calculator calculator(controls, BodySolvers(), "");
  std::size_t written = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < repetitions; ++i) {
    controls.shownOutputs.clear();
    calculator.Command1_Click(0);
    written += calculator.Output().size();
  }
  const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
  if (written == 0) std::puts("no output");  // keeps the loop from being optimised away
  return elapsed.count() / static_cast<double>(repetitions);
}

}  // namespace
}  // namespace stereona

int main(int argc, char** argv) {
  using namespace stereona;
  const long repetitions = argc > 1 ? std::atol(argv[1]) : 20000;
  double total = 0;
  int commands = 0;
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    for (std::size_t unknown = 0; unknown < kBodies[body].quantityCount; ++unknown) {
      NanosecondsPerCommand(body, unknown, repetitions / 10);  // warm-up
      const double ns = NanosecondsPerCommand(body, unknown, repetitions);
      std::printf("CalculateCommand/%zu/%zu %10.0f ns  %s / %s\n", body, unknown, ns,
                  std::string(kBodies[body].caption).c_str(),
                  std::string(kBodies[body].quantityCaptions[unknown]).c_str());
      total += ns;
      ++commands;
    }
  }
  std::printf("mean of %d commands %10.0f ns\n", commands, total / commands);
  return 0;
}

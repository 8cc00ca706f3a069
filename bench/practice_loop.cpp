// Judging an answer and posing a problem in a plain timed loop, the same
// source for the native build and for WebAssembly under Node. Prints
// microseconds for each.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/practice_inputs.h"

namespace {

using namespace stereona;

template <typename Step>
double MicrosecondsPer(long repetitions, Step step) {
  step(0);  // warm-up
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < repetitions; ++i) step(i);
  const std::chrono::duration<double, std::micro> elapsed =
      std::chrono::steady_clock::now() - start;
  return elapsed.count() / static_cast<double>(repetitions);
}

}  // namespace

int main(int argc, char** argv) {
  const long repetitions = argc > 1 ? std::atol(argv[1]) : 20000;
  practice::Practice session(bench::WidestPractice(), 1);
  std::size_t verdicts = 0;
  const double judge = MicrosecondsPer(repetitions, [&](long i) {
    session.Check(bench::kAnswers[static_cast<std::size_t>(i) % bench::kAnswers.size()]);
    verdicts += static_cast<std::size_t>(session.LastFeedback().kind);
  });
  const double pose = MicrosecondsPer(repetitions, [&](long) {
    session.NewProblem();
    verdicts += session.Sentence().size();
  });
  std::printf("judge an answer %8.3f us\npose a problem  %8.3f us  (%zu)\n", judge, pose, verdicts);
  return 0;
}

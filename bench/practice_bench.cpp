// The practice: judging a pupil's answer, and posing a problem (drawing it,
// solving it as the window does, and the values of the known slips).
#include <benchmark/benchmark.h>

#include "bench/practice_inputs.h"
#include "practice/answer_key.h"

namespace {

using namespace stereona;

void BM_JudgeAnswer(benchmark::State& state) {
  practice::Practice session(bench::WidestPractice(), 1);
  const practice::AnswerKey key = session.Key();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(practice::Judge(bench::kAnswers[i++ % bench::kAnswers.size()], key));
  }
}
BENCHMARK(BM_JudgeAnswer)->Unit(benchmark::kMicrosecond);

void BM_PoseProblem(benchmark::State& state) {
  practice::Practice session(bench::WidestPractice(), 1);
  for (auto _ : state) {
    session.NewProblem();
    benchmark::DoNotOptimize(session.Sentence());
  }
}
BENCHMARK(BM_PoseProblem)->Unit(benchmark::kMicrosecond);

}  // namespace

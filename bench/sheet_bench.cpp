// Making the largest practice sheet a teacher can ask for: 40 problems in
// 4 variants, every key solved by the body's solver, as HTML.
#include <benchmark/benchmark.h>

#include "bench/sheet_options.h"
#include "documents/practice_sheet.h"

namespace {

void BM_LargestPracticeSheet(benchmark::State& state) {
  const stereona::documents::SheetOptions options = stereona::bench::LargestSheet();
  for (auto _ : state) benchmark::DoNotOptimize(stereona::documents::PracticeSheet(options));
}
BENCHMARK(BM_LargestPracticeSheet)->Unit(benchmark::kMillisecond);

}  // namespace

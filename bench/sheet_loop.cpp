// The largest practice sheet in a plain timed loop, the same source for the
// native build and for WebAssembly under Node. Prints milliseconds per sheet.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/sheet_options.h"
#include "documents/practice_sheet.h"

int main(int argc, char** argv) {
  const long repetitions = argc > 1 ? std::atol(argv[1]) : 200;
  const auto options = stereona::bench::LargestSheet();
  std::size_t written = stereona::documents::PracticeSheet(options).size();  // warm-up
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < repetitions; ++i)
    written += stereona::documents::PracticeSheet(options).size();
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  std::printf("PracticeSheet 40 problems x 4 variants %8.3f ms  (%zu bytes each)\n",
              elapsed.count() / static_cast<double>(repetitions),
              written / static_cast<std::size_t>(repetitions + 1));
  return 0;
}

#include <benchmark/benchmark.h>

#include <cstddef>

#include "form/control_arrays.h"
#include "form/form.h"

// The form's side of the student's actions, with a face that only counts
// what it is told: the cost of a handler and its change notifications.
namespace stereona::form {
namespace {

class CountingFace : public FormListener {
 public:
  void ControlChanged(ControlIndex /*control*/, Property /*property*/) override { ++changes; }
  void FaultRaised(const FaultReport& /*fault*/) override {}
  std::size_t changes = 0;
};

std::uint32_t Seed() { return 1; }

// Alternates a body with four quantities and one with three, with H as the
// unknown in between, so every click relabels, shows or hides and re-marks.
void BodySelection(benchmark::State& state) {
  CountingFace face;
  Form form(Seed);
  form.SetListener(&face);
  form.Form_Load();
  for (auto _ : state) {
    form.Click(kOption1[5]);
    form.Click(kOption2[1]);
    form.Click(kOption1[0]);
  }
  state.counters["changes per round"] =
      benchmark::Counter(static_cast<double>(face.changes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BodySelection);

void RangeChoice(benchmark::State& state) {
  CountingFace face;
  Form form(Seed);
  form.SetListener(&face);
  form.Form_Load();
  for (auto _ : state) form.ChooseRow(kDiapazon, 4);
}
BENCHMARK(RangeChoice);

}  // namespace
}  // namespace stereona::form

// Any bytes as the pupil's answer to a random problem: reading and judging
// never crash, throw or run into undefined behaviour, and give one of the
// three verdicts with its own text, or the «Въведете число…» message alone.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

#include "core/number_text.h"
#include "core/random_source.h"
#include "fuzz/fuzz_check.h"
#include "practice/answer_key.h"

namespace {

using stereona::fuzz::Require;
using stereona::practice::VerdictKind;

// The first three bytes choose the problem: two of the seed that draws it,
// one for the range and the decimal separator. Each problem is posed once
// and kept, so that the runs go to the answers; the keys kept are bounded,
// so that the fuzzer's memory is.
constexpr std::size_t kChoiceBytes = 3;

const stereona::practice::AnswerKey& KeyFor(std::uint32_t seed, std::size_t range) {
  static std::map<std::pair<std::uint32_t, std::size_t>, stereona::practice::AnswerKey> keys;
  constexpr std::size_t kMostKeys = 4096;
  if (keys.size() >= kMostKeys) keys.clear();
  const auto [at, added] = keys.try_emplace({seed, range});
  if (added) {
    stereona::documents::SheetOptions options;
    options.volumeOnly = false;
    options.range = range;
    stereona::RandomSource random(seed);
    at->second = stereona::practice::Solve(stereona::documents::DrawProblem(random, options)).key;
  }
  return at->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kChoiceBytes) return 0;
  const auto seed = static_cast<std::uint32_t>(data[0] | data[1] << 8);
  stereona::SetDecimalSeparator(data[2] & 1 ? "," : ".");
  const auto& key = KeyFor(seed, (data[2] >> 1) % 5);
  const std::string_view answer(reinterpret_cast<const char*>(data) + kChoiceBytes,
                                size - kChoiceBytes);

  const stereona::practice::Feedback feedback = stereona::practice::Judge(answer, key);
  const VerdictKind kind = feedback.kind;
  Require(kind == VerdictKind::NotANumber || kind == VerdictKind::Right ||
              kind == VerdictKind::Almost || kind == VerdictKind::Wrong,
          "every answer gets a verdict or the message", answer);
  Require(feedback.verdict == stereona::practice::VerdictText(kind), "the verdict's own text",
          answer);
  if (kind == VerdictKind::NotANumber) {
    Require(feedback.message == stereona::practice::NotANumberMessage(),
            "no number gets the message alone", answer);
  }
  return 0;
}

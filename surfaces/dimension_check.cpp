#include "surfaces/dimension_check.h"

#include <cmath>
#include <vector>

#include "core/fault.h"

namespace stereona::surfaces {
namespace {

// "височината H", "височината H и радиуса на основата R", "дължината a,
// ширината b и височината c".
std::string Named(std::size_t body, const std::vector<std::size_t>& slots) {
  const Body& shown = kBodies[body];
  std::string text;
  for (std::size_t n = 0; n < slots.size(); ++n) {
    if (n > 0) text += n + 1 == slots.size() ? " и " : ", ";
    text += shown.quantityWords[slots[n]].definite;
    text += ' ';
    text += shown.quantityCaptions[slots[n]];
  }
  return text;
}

}  // namespace

std::optional<std::string> DimensionsProblem(std::size_t body, const Dimensions& dimensions) {
  std::vector<std::size_t> missing;
  std::vector<std::size_t> notPositive;
  bool infinite = false;
  for (std::size_t slot = 1; slot < kBodies[body].quantityCount; ++slot) {
    const std::optional<double>& value = dimensions[slot];
    if (!value) {
      missing.push_back(slot);
    } else if (std::isinf(*value) && *value > 0) {
      infinite = true;
    } else if (!(*value > 0)) {  // NaN too
      notPositive.push_back(slot);
    }
  }
  if (missing.size() == 1) return "Липсва стойност за " + Named(body, missing) + ".";
  if (!missing.empty()) return "Липсват стойности за " + Named(body, missing) + ".";
  if (notPositive.size() == 1) {
    return "Стойността на " + Named(body, notPositive) + " трябва да е положително число.";
  }
  if (!notPositive.empty()) {
    return "Стойностите на " + Named(body, notPositive) + " трябва да са положителни числа.";
  }
  if (infinite) throw FloatingPointFault(FaultKind::Overflow);
  return std::nullopt;
}

}  // namespace stereona::surfaces

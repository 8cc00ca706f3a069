#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/bodies.h"

namespace stereona::documents {

inline constexpr int kMaxProblems = 40;
inline constexpr int kMaxVariants = 4;
inline constexpr std::uint32_t kMaxSheetNumber = 999999;

// What a teacher chooses for a practice sheet. The sheet's number seeds the
// random values and is printed on the sheet, so that the same sheet can be
// made again.
struct SheetOptions {
  std::array<bool, kBodyCount> bodies{true, true, true, true, true, true};
  bool volumeOnly = true;         // otherwise any quantity may be the unknown
  int problemCount = 10;          // 1 to kMaxProblems
  std::size_t range = 0;          // index in kRanges ("10", "100", ...)
  std::uint32_t sheetNumber = 1;  // 1 to kMaxSheetNumber
  int variantCount = 1;           // 1 to kMaxVariants, each with its own key
};

// The captions of the options, as every face's dialog shows them, and of
// the commands around the documents.
struct SheetCaptions {
  std::string_view title = "Листове за упражнения";
  std::string_view bodies = "Тела";
  std::string_view anyUnknown = "Търси се всяка величина, не само обемът";
  std::string_view problems = "Брой задачи";
  std::string_view range = "Диапазон";
  std::string_view number = "Номер на листа";
  std::string_view variants = "Брой варианти";
  std::string_view show = "Покажи";  // makes the sheet of the options chosen
  std::string_view cancel = "Отказ";
  // Prints a sheet or the solution; the desktop adds "…" where it opens the
  // print dialog.
  std::string_view print = "Печат";
  std::string_view close = "Затвори";       // puts a shown sheet away
  std::string_view commands = "Документи";  // names the group of the page's commands
};
inline constexpr SheetCaptions kSheetCaptions{};

// Options a face could not have offered; what() says in Bulgarian which one
// and what it may be.
class SheetOptionsError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Throws SheetOptionsError for the first option out of its bounds, and for
// options that cannot give as many different problems as a variant asks.
void Validate(const SheetOptions& options);

// The largest whole number the range draws, e.g. 100.
double RangeLimit(std::size_t range);

}  // namespace stereona::documents

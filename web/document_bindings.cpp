#include "web/document_bindings.h"

#include <cmath>
#include <string>

#include "core/ranges.h"
#include "documents/practice_sheet.h"
#include "documents/sentences.h"

namespace stereona::web {

using emscripten::val;

long long WholeNumber(const val& value) {
  const double number = value.as<double>();
  if (!(number >= 0.0 && number <= 1e9) || number != std::floor(number)) return -1;
  return static_cast<long long>(number);
}

val SheetChoices() {
  val bodies = val::array();
  for (const Body& body : kBodies) bodies.call<void>("push", documents::CapitalFirst(body.caption));
  val ranges = val::array();
  for (const std::string_view range : kRanges) ranges.call<void>("push", std::string(range));
  const documents::SheetCaptions& text = documents::kSheetCaptions;
  val captions = val::object();
  captions.set("title", std::string(text.title));
  captions.set("bodies", std::string(text.bodies));
  captions.set("anyUnknown", std::string(text.anyUnknown));
  captions.set("problems", std::string(text.problems));
  captions.set("range", std::string(text.range));
  captions.set("number", std::string(text.number));
  captions.set("variants", std::string(text.variants));
  captions.set("show", std::string(text.show));
  captions.set("cancel", std::string(text.cancel));
  captions.set("print", std::string(text.print));
  captions.set("close", std::string(text.close));
  captions.set("commands", std::string(text.commands));
  val choices = val::object();
  choices.set("captions", captions);
  choices.set("bodies", bodies);
  choices.set("ranges", ranges);
  choices.set("maxProblems", documents::kMaxProblems);
  choices.set("maxVariants", documents::kMaxVariants);
  choices.set("maxSheetNumber", documents::kMaxSheetNumber);
  const documents::SheetOptions defaults;
  choices.set("problemCount", defaults.problemCount);
  choices.set("variantCount", defaults.variantCount);
  return choices;
}

val PracticeSheet(val options) {
  documents::SheetOptions chosen;
  for (std::size_t v = 0; v < kBodyCount; ++v) {
    chosen.bodies[v] = options["bodies"][v].as<bool>();
  }
  chosen.volumeOnly = options["volumeOnly"].as<bool>();
  chosen.problemCount = static_cast<int>(WholeNumber(options["problemCount"]));
  const long long range = WholeNumber(options["range"]);
  chosen.range = range < 0 ? kRanges.size() : static_cast<std::size_t>(range);
  const long long number = WholeNumber(options["sheetNumber"]);
  chosen.sheetNumber = number < 0 ? 0 : static_cast<std::uint32_t>(number);
  chosen.variantCount = static_cast<int>(WholeNumber(options["variantCount"]));
  val sheet = val::object();
  try {
    sheet.set("html", documents::PracticeSheet(chosen));
  } catch (const documents::SheetOptionsError& refused) {
    sheet.set("error", std::string(refused.what()));
  }
  return sheet;
}

}  // namespace stereona::web

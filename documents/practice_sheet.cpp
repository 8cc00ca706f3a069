#include "documents/practice_sheet.h"

#include <algorithm>

#include "core/bodies.h"
#include "core/random_source.h"
#include "documents/html.h"

namespace stereona::documents {
namespace {

// The sheet's name, before its number, in its heading and its title.
constexpr std::string_view kSheetWords = "Лист за упражнения ";

constexpr std::string_view kPupilLine =
    "Име: ________________________________________   Клас: __________";

std::string VariantPages(const SheetOptions& options, int variant,
                         const std::vector<PracticeProblem>& problems) {
  const std::string sheet =
      "№ " + std::to_string(options.sheetNumber) + ", вариант " + std::to_string(variant);
  OrderedList statements;
  std::string key;
  for (std::size_t n = 0; n < problems.size(); ++n) {
    statements.AddItem(Escaped(ProblemSentence(problems[n])));
    key += KeptTogether(Heading(3, "Задача " + std::to_string(n + 1)) +
                        Preformatted(problems[n].solution));
  }
  std::string html = Heading(2, std::string(kSheetWords) + sheet, variant > 1);
  html += Paragraph(kPupilLine);
  html += Paragraph("Навсякъде " + std::string(kPiLabel) + ".");
  html += statements.Html();
  html += Heading(2, "Отговори: лист " + sheet, true);
  html += key;
  return html;
}

}  // namespace

std::vector<std::vector<PracticeProblem>> DrawVariants(const SheetOptions& options) {
  Validate(options);
  RandomSource random(options.sheetNumber);
  std::vector<std::vector<PracticeProblem>> variants(
      static_cast<std::size_t>(options.variantCount));
  for (auto& problems : variants) {
    problems.reserve(static_cast<std::size_t>(options.problemCount));
    const auto unlikeAll = [&problems](const ProblemChoice& choice) {
      return std::none_of(problems.begin(), problems.end(),
                          [&choice](const PracticeProblem& p) { return ChoiceOf(p) == choice; });
    };
    for (int n = 0; n < options.problemCount; ++n) {
      problems.push_back(DrawProblem(random, options, unlikeAll));
    }
  }
  return variants;
}

std::string PracticeSheet(const SheetOptions& options) {
  const auto variants = DrawVariants(options);
  std::string body;
  for (std::size_t v = 0; v < variants.size(); ++v) {
    body += VariantPages(options, static_cast<int>(v + 1), variants[v]);
  }
  return HtmlDocument(std::string(kSheetWords) + "№ " + std::to_string(options.sheetNumber), body);
}

}  // namespace stereona::documents

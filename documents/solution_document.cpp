#include "documents/solution_document.h"

#include <array>

#include "core/number_text.h"
#include "documents/html.h"
#include "documents/sentences.h"

namespace stereona::documents {

std::string SolutionDocument(std::string_view title, const std::optional<SolvedProblem>& solved,
                             std::string_view solution) {
  if (!solved) return HtmlDocument(title, Heading(1, title));

  const std::size_t body = solved->body;
  const ProblemState& state = solved->given;
  const auto unknown = static_cast<std::size_t>(state.UnknownIndex);
  std::array<std::string, kMaxQuantities> known;
  for (std::size_t k = 0; k < kBodies.at(body).quantityCount; ++k) {
    if (k != unknown) known[k] = NumberText(state.Quantity[k]);
  }
  const std::string name = CapitalFirst(kBodies[body].caption);
  std::string html = Heading(1, name);
  html += Paragraph("Дадено: " + KnownList(body, unknown, known) + ".");
  html += Paragraph("Неизвестно: " + UnknownWords(body, unknown, false) + ".");
  html += Preformatted(solution);
  return HtmlDocument(std::string(title) + ": " + name, html);
}

}  // namespace stereona::documents

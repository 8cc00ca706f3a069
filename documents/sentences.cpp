#include "documents/sentences.h"

namespace stereona::documents {

std::string CapitalFirst(std::string_view text) {
  std::string capital(text);
  if (capital.size() >= 2) {
    auto lead = static_cast<unsigned char>(capital[0]);
    auto next = static_cast<unsigned char>(capital[1]);
    // а..п are D0 B0..BF, р..я are D1 80..8F; А..Я are D0 90..AF.
    if (lead == 0xD0 && next >= 0xB0 && next <= 0xBF) {
      capital[1] = static_cast<char>(next - 0x20);
    } else if (lead == 0xD1 && next >= 0x80 && next <= 0x8F) {
      capital[0] = static_cast<char>(0xD0);
      capital[1] = static_cast<char>(next + 0x20);
    }
  }
  if (!capital.empty() && capital[0] >= 'a' && capital[0] <= 'z') {
    capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
  }
  return capital;
}

std::string KnownList(std::size_t body, std::size_t unknown,
                      const std::array<std::string, kMaxQuantities>& values) {
  const Body& shown = kBodies.at(body);
  const std::size_t knownCount = shown.quantityCount - 1;
  std::string list;
  std::size_t listed = 0;
  for (std::size_t k = 0; k < shown.quantityCount; ++k) {
    if (k == unknown) continue;
    if (listed > 0) list += listed + 1 == knownCount ? " и " : ", ";
    list += shown.quantityWords[k].plain;
    list += ' ';
    list += shown.quantityCaptions[k];
    list += " = ";
    list += values[k];
    ++listed;
  }
  return list;
}

std::string UnknownWords(std::size_t body, std::size_t unknown, bool definite) {
  const Body& shown = kBodies.at(body);
  const QuantityWords& words = shown.quantityWords.at(unknown);
  std::string text(definite ? words.definite : words.plain);
  text += ' ';
  text += shown.quantityCaptions[unknown];
  return text;
}

}  // namespace stereona::documents

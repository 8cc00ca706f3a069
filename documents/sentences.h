#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/bodies.h"

// Bulgarian sentences about a body's quantities, in the words of the body
// table.
namespace stereona::documents {

// "конус" becomes "Конус": the first letter, lower-case Cyrillic or Latin,
// in upper case.
std::string CapitalFirst(std::string_view text);

// "височина H = 7, радиус на основата R = 6 и ...": every quantity of the
// body but the unknown, with the text given for its slot.
std::string KnownList(std::size_t body, std::size_t unknown,
                      const std::array<std::string, kMaxQuantities>& values);

// "обем V", or with the article, "обема V".
std::string UnknownWords(std::size_t body, std::size_t unknown, bool definite);

}  // namespace stereona::documents

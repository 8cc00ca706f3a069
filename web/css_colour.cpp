#include "web/css_colour.h"

#include <array>
#include <cstdio>

namespace stereona::web {
namespace {

std::string Hex(form::BackColour rgb) {
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text.data();
}

}  // namespace

std::string CssColour(form::BackColour colour) {
  if (colour == form::kInactiveBorder) return Hex(form::kInactiveBorderRgb);
  if (form::IsSystemColour(colour)) return "Field";
  return Hex(colour);
}

}  // namespace stereona::web

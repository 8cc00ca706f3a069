#include "core/output_text.h"

#include "core/controls.h"

namespace stereona {

OutputText::OutputText(Controls& box, std::string initial) : box_(box), text_(std::move(initial)) {}

void OutputText::Replace(std::initializer_list<std::string_view> pieces) {
  text_.clear();
  Append(pieces);
}

void OutputText::Append(std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) text_ += piece;
  box_.ShowOutput(text_);
}

}  // namespace stereona

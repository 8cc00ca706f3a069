#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace stereona {

class Controls;

// The text of the output box as the calculation writes it. Every replace or
// append is one update of the box, so a fault part-way through a solution
// leaves exactly the lines written before it on screen.
class OutputText {
 public:
  OutputText(Controls& box, std::string initial);

  void Replace(std::initializer_list<std::string_view> pieces);
  void Append(std::initializer_list<std::string_view> pieces);

  const std::string& Text() const noexcept { return text_; }
  bool EndsWith(std::string_view tail) const noexcept { return text_.ends_with(tail); }

 private:
  Controls& box_;
  std::string text_;
};

}  // namespace stereona

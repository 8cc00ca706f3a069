#pragma once

#include <QString>
#include <string_view>

namespace stereona::window {

// Gives the captions of one window their keyboard mnemonics, in the order
// the captions are made: each takes its first letter that no caption before
// it has taken, and goes without when none is left. The tables keep the
// captions as they are said; the mnemonic is the face's.
class Mnemonics {
 public:
  QString operator()(std::string_view caption);

 private:
  QString taken_;  // lower case
};

}  // namespace stereona::window

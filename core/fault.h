#pragma once

#include <stdexcept>
#include <string_view>

namespace stereona {

// Error numbers follow the classic BASIC run-time errors that teachers know
// from the lab; the description is what the student reads in the message box.
enum class FaultKind {
  InvalidArgument = 5,
  Overflow = 6,
  DivisionByZero = 11,
};

// A floating-point step that overflowed or was invalid. It ends the running
// command at the failing step; whatever text was written before it stays.
class FloatingPointFault : public std::runtime_error {
 public:
  explicit FloatingPointFault(FaultKind kind);

  int Number() const noexcept { return static_cast<int>(kind_); }
  std::string_view Description() const noexcept;

 private:
  FaultKind kind_;
};

std::string_view FaultDescription(FaultKind kind) noexcept;

}  // namespace stereona

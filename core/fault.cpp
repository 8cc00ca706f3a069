#include "core/fault.h"

#include <string>

namespace stereona {

std::string_view FaultDescription(FaultKind kind) noexcept {
  switch (kind) {
    case FaultKind::InvalidArgument:
      return "Невалидно извикване на процедура или невалиден аргумент";
    case FaultKind::Overflow:
      return "Препълване";
    case FaultKind::DivisionByZero:
      return "Деление на нула";
  }
  return "Неизвестна грешка";
}

FloatingPointFault::FloatingPointFault(FaultKind kind)
    : std::runtime_error("Грешка " + std::to_string(static_cast<int>(kind)) + ": " +
                         std::string(FaultDescription(kind))),
      kind_(kind) {}

std::string_view FloatingPointFault::Description() const noexcept {
  return FaultDescription(kind_);
}

}  // namespace stereona

#pragma once

#include "core/bodies.h"
#include "form/layout_table.h"

// The members of the control arrays that the handlers address by index, as
// rows of the layout table.
namespace stereona::form {

inline constexpr std::size_t kCommandCount = 2;
inline constexpr std::size_t kLabelCount = 3;

inline constexpr auto kOption1 = MembersOf<kBodyCount>("Option1");
inline constexpr auto kOption2 = MembersOf<kMaxQuantities>("Option2");
inline constexpr auto kText2 = MembersOf<kMaxQuantities>("Text2");
inline constexpr auto kCommand1 = MembersOf<kCommandCount>("Command1");
inline constexpr auto kLabel1 = MembersOf<kLabelCount>("Label1");
inline constexpr ControlIndex kDiapazon = IndexOf("Diapazon(0)");
inline constexpr ControlIndex kOutputBox = IndexOf("Text1(0)");
inline constexpr ControlIndex kPiLabelControl = kLabel1[1];

// The index of `control` in `members`, or -1 when it is not one of them.
template <std::size_t N>
constexpr int IndexIn(const std::array<ControlIndex, N>& members, ControlIndex control) {
  for (std::size_t k = 0; k < N; ++k) {
    if (members[k] == control) return static_cast<int>(k);
  }
  return -1;
}

}  // namespace stereona::form

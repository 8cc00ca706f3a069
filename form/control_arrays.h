#pragma once

#include "core/bodies.h"
#include "form/layout_table.h"

// The members of the control arrays that the handlers address by index, as
// rows of the layout table.
namespace stereona::form {

inline constexpr auto kOption1 = MembersOf<kBodyCount>("Option1");
inline constexpr auto kOption2 = MembersOf<kMaxQuantities>("Option2");
inline constexpr auto kText2 = MembersOf<kMaxQuantities>("Text2");
inline constexpr auto kCommand1 = MembersOf<MemberCount("Command1")>("Command1");
inline constexpr auto kLabel1 = MembersOf<MemberCount("Label1")>("Label1");
inline constexpr ControlIndex kDiapazon = IndexOf("Diapazon(0)");
inline constexpr ControlIndex kOutputBox = IndexOf("Text1(0)");
inline constexpr ControlIndex kPiLabelControl = kLabel1[1];

// One body selector per body and one unknown selector and input per
// quantity slot, each with its row; the handlers address them by index.
static_assert(AllInTable(kOption1) && AllInTable(kOption2) && AllInTable(kText2));
static_assert(kDiapazon < kControlCount && kOutputBox < kControlCount);
static_assert(MemberCount("Option1") == kBodyCount && MemberCount("Option2") == kMaxQuantities &&
              MemberCount("Text2") == kMaxQuantities);

// The index of `control` in `members`, or -1 when it is not one of them.
template <std::size_t N>
constexpr int IndexIn(const std::array<ControlIndex, N>& members, ControlIndex control) {
  for (std::size_t k = 0; k < N; ++k) {
    if (members[k] == control) return static_cast<int>(k);
  }
  return -1;
}

}  // namespace stereona::form

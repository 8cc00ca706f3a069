#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string_view>

#include "form/layout_table.h"

namespace stereona::form {
namespace {

// The check that stops the build on a layout a face could not build: each
// case breaks one rule in an otherwise sound little layout.
constexpr LayoutRow Row(std::string_view name, ControlKind kind, std::string_view container = {},
                        std::string_view labelledBy = {}) {
  return {.name = name,
          .kind = kind,
          .container = container,
          .left = 0,
          .top = 0,
          .width = 1,
          .height = 1,
          .back = kFormBack,
          .tabIndex = 0,
          .labelledBy = labelledBy};
}

struct BrokenLayout {
  std::string_view broken;
  std::array<LayoutRow, 3> rows;
};

constexpr std::array<LayoutRow, 3> kSound = {
    Row("Frame1", ControlKind::Frame), Row("Option1(0)", ControlKind::OptionButton, "Frame1"),
    Row("Text2(0)", ControlKind::TextBox, "", "Option1(0)")};
static_assert(IsWholeTable(kSound));

constexpr std::array<BrokenLayout, 5> kBroken = {{
    {"a row left empty",
     {Row("Frame1", ControlKind::Frame), LayoutRow{}, Row("Text2(0)", ControlKind::TextBox)}},
    {"two rows of one name",
     {Row("Frame1", ControlKind::Frame), Row("Text2(0)", ControlKind::TextBox),
      Row("Text2(0)", ControlKind::TextBox)}},
    {"a control before its frame",
     {Row("Option1(0)", ControlKind::OptionButton, "Frame1"), Row("Frame1", ControlKind::Frame),
      Row("Text2(0)", ControlKind::TextBox)}},
    {"a container that is no frame",
     {Row("Frame1", ControlKind::Label), Row("Option1(0)", ControlKind::OptionButton, "Frame1"),
      Row("Text2(0)", ControlKind::TextBox)}},
    {"a label that is not in the table",
     {Row("Frame1", ControlKind::Frame), Row("Option1(0)", ControlKind::OptionButton, "Frame1"),
      Row("Text2(0)", ControlKind::TextBox, "", "Option2(0)")}},
}};

TEST(LayoutCheck, RefusesEachWayALayoutCannotBeBuilt) {
  for (const BrokenLayout& layout : kBroken) {
    EXPECT_FALSE(IsWholeTable(layout.rows)) << layout.broken;
  }
}

}  // namespace
}  // namespace stereona::form

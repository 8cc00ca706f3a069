#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/bodies.h"
#include "core/ranges.h"
#include "form/back_colour.h"
#include "form/vocabulary.h"

// The window's 24 controls as they stand when it is created, before start-up
// labels and fills them. Every face builds its controls from this table.
// Positions are kept in twips, the unit the layout was drawn in, so that
// each row can be checked against the drawing.
namespace stereona::form {

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr std::string_view kFormName = "Stereo_Calc";
inline constexpr std::string_view kFormCaption =
    "stereona.bg -  конус, цилиндър, пирамида и паралелепипед";
inline constexpr int kClientWidthTwips = 8025;
inline constexpr int kClientHeightTwips = 5910;

// Times New Roman, which Linux desktops map to the metric-compatible
// Liberation Serif; both carry Cyrillic. Where neither is found, any serif.
inline constexpr std::string_view kFontFamily = "Times New Roman";
inline constexpr double kFontPoints = 12.0;      // the window's, and the drawings' labels
inline constexpr double kListFontPoints = 9.75;  // the range list's

struct LayoutRow {
  std::string_view name;  // with its index, as the handlers know it: "Text2(0)"
  ControlKind kind;
  std::string_view container = {};  // empty: the window's client area
  std::string_view text = {};       // caption, text, or (with CRLF) a multi-line box's text
  int left, top, width, height;     // twips, from the container's top-left
  BackColour back;
  int tabIndex;
  bool visible = true;
  std::string_view toolTip = {};
  FontKind font = FontKind::Window;
  std::span<const std::string_view> items = {};  // a list's entries, in order
  // The control whose caption names this one for a screen reader; the
  // name follows that caption when it changes.
  std::string_view labelledBy = {};
  std::string_view accessibleName = {};
  std::string_view accessibleDescription = {};
  bool heading = false;  // the window's title, which heads it for a screen reader
};

// A control is known by its row in the table.
using ControlIndex = std::size_t;

// Captions of the body selectors and the pi label come from the body table,
// the one place that names the bodies.
inline constexpr auto kLayout = std::to_array<LayoutRow>({
    {"Frame1", ControlKind::Frame, "", "Вид тяло", 120, 480, 2895, 2175, kFormBack, 16},
    {"Option1(0)", ControlKind::OptionButton, "Frame1", kBodies[0].caption, 240, 300, 2535, 300,
     kOptionBack, 17},
    {"Option1(1)", ControlKind::OptionButton, "Frame1", kBodies[1].caption, 240, 600, 2535, 300,
     kOptionBack, 18},
    {"Option1(2)", ControlKind::OptionButton, "Frame1", kBodies[2].caption, 240, 900, 2535, 300,
     kOptionBack, 19},
    {"Option1(3)", ControlKind::OptionButton, "Frame1", kBodies[3].caption, 240, 1200, 2535, 300,
     kOptionBack, 20},
    {"Option1(4)", ControlKind::OptionButton, "Frame1", kBodies[4].caption, 240, 1500, 2535, 300,
     kOptionBack, 21},
    {"Option1(5)", ControlKind::OptionButton, "Frame1", kBodies[5].caption, 240, 1800, 2535, 300,
     kOptionBack, 22},
    {"Frame2", ControlKind::Frame, "", "Дължини на страни/радиус", 3360, 480, 4335, 855, kFormBack,
     10},
    {"Option2(0)", ControlKind::OptionButton, "Frame2", "", 240, 360, 735, 405, kOptionBack, 11},
    {"Option2(1)", ControlKind::OptionButton, "Frame2", "", 1320, 360, 735, 405, kOptionBack, 12},
    {"Option2(2)", ControlKind::OptionButton, "Frame2", "", 2400, 360, 735, 405, kOptionBack, 13},
    {"Option2(3)", ControlKind::OptionButton, "Frame2", "", 3480, 360, 735, 405, kOptionBack, 14,
     false},
    {.name = "Text2(0)",
     .kind = ControlKind::TextBox,
     .text = "x",
     .left = 3360,
     .top = 1320,
     .width = 1095,
     .height = 405,
     .back = kInactiveBorder,
     .tabIndex = 5,
     .labelledBy = "Option2(0)"},
    {.name = "Text2(1)",
     .kind = ControlKind::TextBox,
     .left = 4440,
     .top = 1320,
     .width = 1095,
     .height = 405,
     .back = kWindowBackground,
     .tabIndex = 6,
     .labelledBy = "Option2(1)"},
    {.name = "Text2(2)",
     .kind = ControlKind::TextBox,
     .left = 5520,
     .top = 1320,
     .width = 1095,
     .height = 405,
     .back = kWindowBackground,
     .tabIndex = 7,
     .labelledBy = "Option2(2)"},
    {.name = "Text2(3)",
     .kind = ControlKind::TextBox,
     .text = "5",
     .left = 6600,
     .top = 1320,
     .width = 1095,
     .height = 405,
     .back = kWindowBackground,
     .tabIndex = 8,
     .visible = false,
     .labelledBy = "Option2(3)"},
    {"Command1(0)", ControlKind::CommandButton, "", "Изчисли", 3360, 1920, 1335, 375,
     kCalculateBack, 0, true, "Представя уравнението в каноничен вид"},
    {"Command1(1)", ControlKind::CommandButton, "", "Изчисти", 3360, 2400, 1335, 375, kClearBack, 3,
     true, "Инициализира - изтрива всички въведени данни"},
    {.name = "Label1(0)",
     .kind = ControlKind::Label,
     .text = "Стереона",
     .left = 1680,
     .top = 0,
     .width = 4935,
     .height = 375,
     .back = kTitleBack,
     .tabIndex = 2,
     .heading = true},
    {.name = "Label1(1)",
     .kind = ControlKind::Label,
     .text = kPiLabel,
     .left = 5040,
     .top = 2160,
     .width = 945,
     .height = 345,
     .back = kOptionBack,
     .tabIndex = 15,
     .font = FontKind::Bold},
    {"Label1(2)", ControlKind::Label, "", "Диапазон", 6600, 1800, 1095, 375, kTitleBack, 23},
    {.name = "Diapazon(0)",
     .kind = ControlKind::ListBox,
     .left = 6600,
     .top = 2160,
     .width = 1095,
     .height = 735,
     .back = kBoxBack,
     .tabIndex = 4,
     .font = FontKind::List,
     .items = kRanges,
     .labelledBy = "Label1(2)"},
    // The output box's first text is the reference text, which the
    // calculation owns from the start; see ReferenceText().
    {.name = "Text1(0)",
     .kind = ControlKind::MultiLineTextBox,
     .left = 120,
     .top = 3000,
     .width = 7575,
     .height = 2775,
     .back = kBoxBack,
     .tabIndex = 1,
     // No caption names the box, so a screen reader is told what it holds.
     .accessibleName = "Решение",
     .accessibleDescription =
         "Решението стъпка по стъпка: формулата за неизвестното, формулата с въведените числа и "
         "резултатът като дроб и като десетично число. Преди първото изчисление: заданието и "
         "формулите на телата с примери."},
    // Never shown and never used, but part of the window as it was drawn;
    // it reaches beyond the client area.
    {"Text1(1)", ControlKind::MultiLineTextBox, "",
     "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
     "оценява колко трудно е било. \r\n",
     960, 5400, 8775, 1215, kBoxBack, 9, false, "Извежда входните данни и крайните резултати"},
});

inline constexpr std::size_t kControlCount = kLayout.size();

// The row named `name` in `rows`, or rows.size() for none.
constexpr std::size_t RowOf(std::span<const LayoutRow> rows, std::string_view name) {
  std::size_t i = 0;
  while (i < rows.size() && rows[i].name != name) ++i;
  return i;
}

// The row of the control named `name`, or kControlCount for none.
constexpr ControlIndex IndexOf(std::string_view name) { return RowOf(kLayout, name); }

// Whether `name` is member k of `array`: "Array(k)". Control arrays here
// have at most ten members, so the index is one digit.
constexpr bool IsMember(std::string_view name, std::string_view array, std::size_t k) {
  const std::array<char, 3> index = {'(', static_cast<char>('0' + k), ')'};
  return name.size() == array.size() + 3 && name.starts_with(array) &&
         name.substr(array.size()) == std::string_view(index.data(), index.size());
}

// How many members "Array(0)", "Array(1)", ... the table has, counted from 0
// up to the first index it lacks.
constexpr std::size_t MemberCount(std::string_view array) {
  std::size_t count = 0;
  for (bool found = true; found && count < 10;) {
    found = false;
    for (const LayoutRow& row : kLayout) found = found || IsMember(row.name, array, count);
    if (found) ++count;
  }
  return count;
}

// The rows of an array's members "Array(0)", "Array(1)", ... in index order;
// kControlCount stands for a member the table lacks.
template <std::size_t N>
constexpr std::array<ControlIndex, N> MembersOf(std::string_view array) {
  std::array<ControlIndex, N> members{};
  for (std::size_t k = 0; k < N; ++k) {
    members[k] = kControlCount;
    for (ControlIndex i = 0; i < kControlCount; ++i) {
      if (IsMember(kLayout[i].name, array, k)) members[k] = i;
    }
  }
  return members;
}

template <std::size_t N>
constexpr bool AllInTable(const std::array<ControlIndex, N>& members) {
  return std::all_of(members.begin(), members.end(),
                     [](ControlIndex member) { return member < kControlCount; });
}

// Whether a layout can be built as it stands: every row names a control, no
// two rows the same one, every container is a frame that comes before the
// controls it holds (so that a face can build the rows in order), and every
// control named as a label is in the table.
constexpr bool IsWholeTable(std::span<const LayoutRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const LayoutRow& row = rows[i];
    if (row.name.empty() || RowOf(rows, row.name) != i) return false;
    if (!row.container.empty()) {
      const std::size_t container = RowOf(rows, row.container);
      if (container >= i || rows[container].kind != ControlKind::Frame) return false;
    }
    if (!row.labelledBy.empty() && RowOf(rows, row.labelledBy) >= rows.size()) return false;
  }
  return true;
}
static_assert(IsWholeTable(kLayout));

}  // namespace stereona::form

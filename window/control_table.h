#pragma once

#include <array>
#include <span>
#include <string_view>

#include "window/back_colour.h"

// The window's 24 controls as they stand when it is created, before start-up
// labels and fills them. Positions are kept in twips, the unit the layout was
// drawn in, so that each row can be checked against the drawing.
namespace stereona::window {

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr int kClientWidthTwips = 8025;
inline constexpr int kClientHeightTwips = 5910;
inline constexpr BackColour kStereoCalcBackColour = 0xC0C0FF;

enum class ControlKind {
  Frame,
  OptionButton,
  TextBox,
  MultiLineTextBox,
  CommandButton,
  Label,
  ListBox
};
enum class FontKind { Window, List, Bold };

struct ControlRow {
  std::string_view name;  // with its index, as the handlers know it: "Text2(0)"
  ControlKind kind;
  std::string_view container;    // empty: the window's client area
  std::string_view text;         // caption, text, or (with CRLF) a multi-line box's text
  int left, top, width, height;  // twips, from the container's top-left
  BackColour back;
  int tabIndex;
  bool visible = true;
  std::string_view toolTip = {};
  FontKind font = FontKind::Window;
  std::span<const std::string_view> items = {};  // a list's entries, in order
};

inline constexpr std::size_t kControlCount = 24;
extern const std::array<ControlRow, kControlCount> kControls;

}  // namespace stereona::window

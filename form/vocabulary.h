#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The words the form and its faces share: the kinds of control, the fonts of
// the layout, and the properties a change report names. Each has one name
// here, the one a face uses (the page compares against it), and every face
// iterates these tables rather than keeping a list of its own.
namespace stereona::form {

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
enum class Property { Caption, Text, Visible, Enabled, Selected, Colour, CurrentRow };

template <typename Word>
struct Named {
  Word word;
  std::string_view name;
};

inline constexpr std::array<Named<ControlKind>, 7> kControlKinds = {{
    {ControlKind::Frame, "Frame"},
    {ControlKind::OptionButton, "OptionButton"},
    {ControlKind::TextBox, "TextBox"},
    {ControlKind::MultiLineTextBox, "MultiLineTextBox"},
    {ControlKind::CommandButton, "CommandButton"},
    {ControlKind::Label, "Label"},
    {ControlKind::ListBox, "ListBox"},
}};

inline constexpr std::array<Named<FontKind>, 3> kFontKinds = {{
    {FontKind::Window, "Window"},
    {FontKind::List, "List"},
    {FontKind::Bold, "Bold"},
}};

inline constexpr std::array<Named<Property>, 7> kProperties = {{
    {Property::Caption, "Caption"},
    {Property::Text, "Text"},
    {Property::Visible, "Visible"},
    {Property::Enabled, "Enabled"},
    {Property::Selected, "Selected"},
    {Property::Colour, "Colour"},
    {Property::CurrentRow, "CurrentRow"},
}};

// Each table lists its words in the enumeration's order, so that a word's
// value is its row; a row out of order stops the build here. A word added to
// an enumeration needs its row too: the faces' switches over the words have
// no default, so the compiler names each one that does not handle it, and
// the page's tables are checked against these names under Node.
template <typename Word, std::size_t N>
constexpr bool InEnumerationOrder(const std::array<Named<Word>, N>& table) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].word) != i || table[i].name.empty()) return false;
  }
  return true;
}
static_assert(InEnumerationOrder(kControlKinds));
static_assert(InEnumerationOrder(kFontKinds));
static_assert(InEnumerationOrder(kProperties));

constexpr std::string_view NameOf(ControlKind kind) {
  return kControlKinds[static_cast<std::size_t>(kind)].name;
}
constexpr std::string_view NameOf(FontKind font) {
  return kFontKinds[static_cast<std::size_t>(font)].name;
}
constexpr std::string_view NameOf(Property property) {
  return kProperties[static_cast<std::size_t>(property)].name;
}

}  // namespace stereona::form

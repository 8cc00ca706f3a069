#include "web/layout_rows.h"

#include <string>
#include <string_view>

#include "form/control_arrays.h"
#include "form/layout_table.h"
#include "web/css_colour.h"

namespace stereona::web {
namespace {

using emscripten::val;

// embind hands a std::string to JavaScript as UTF-8.
val Text(std::string_view text) { return val(std::string(text)); }

const char* KindName(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::Frame:
      return "Frame";
    case form::ControlKind::OptionButton:
      return "OptionButton";
    case form::ControlKind::TextBox:
      return "TextBox";
    case form::ControlKind::MultiLineTextBox:
      return "MultiLineTextBox";
    case form::ControlKind::CommandButton:
      return "CommandButton";
    case form::ControlKind::Label:
      return "Label";
    case form::ControlKind::ListBox:
      return "ListBox";
  }
  return "";
}

const char* FontName(form::FontKind font) {
  switch (font) {
    case form::FontKind::Window:
      return "Window";
    case form::FontKind::List:
      return "List";
    case form::FontKind::Bold:
      return "Bold";
  }
  return "";
}

val Items(const form::LayoutRow& row) {
  val items = val::array();
  for (const std::string_view item : row.items) items.call<void>("push", Text(item));
  return items;
}

val RowObject(const form::LayoutRow& row) {
  val object = val::object();
  object.set("name", Text(row.name));
  object.set("kind", val(KindName(row.kind)));
  object.set("container", Text(row.container));
  object.set("text", Text(row.text));
  object.set("left", form::Pixels(row.left));
  object.set("top", form::Pixels(row.top));
  object.set("width", form::Pixels(row.width));
  object.set("height", form::Pixels(row.height));
  object.set("back", CssColour(row.back));
  object.set("tabIndex", row.tabIndex);
  object.set("visible", row.visible);
  object.set("toolTip", Text(row.toolTip));
  object.set("font", val(FontName(row.font)));
  object.set("items", Items(row));
  object.set("labelledBy", Text(row.labelledBy));
  object.set("accessibleName", Text(row.accessibleName));
  object.set("accessibleDescription", Text(row.accessibleDescription));
  object.set("heading", row.heading);
  return object;
}

}  // namespace

val LayoutRows() {
  val rows = val::array();
  for (const form::LayoutRow& row : form::kLayout) rows.call<void>("push", RowObject(row));
  return rows;
}

val WindowFacts() {
  val facts = val::object();
  facts.set("name", Text(form::kFormName));
  facts.set("caption", Text(form::kFormCaption));
  facts.set("width", form::Pixels(form::kClientWidthTwips));
  facts.set("height", form::Pixels(form::kClientHeightTwips));
  facts.set("back", CssColour(form::kFormBack));
  facts.set("fontFamily", Text(form::kFontFamily));
  facts.set("fontPoints", form::kFontPoints);
  facts.set("listFontPoints", form::kListFontPoints);
  return facts;
}

int DrawingOf(const std::string& control) {
  return form::IndexIn(form::kOption1, form::IndexOf(control));
}

}  // namespace stereona::web

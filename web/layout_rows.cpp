#include "web/layout_rows.h"

#include <string>
#include <string_view>

#include "form/control_arrays.h"
#include "form/layout_table.h"
#include "form/vocabulary.h"
#include "web/css_colour.h"

namespace stereona::web {
namespace {

using emscripten::val;

// embind hands a std::string to JavaScript as UTF-8.
val Text(std::string_view text) { return val(std::string(text)); }

template <typename Word, std::size_t N>
val Names(const std::array<form::Named<Word>, N>& table) {
  val names = val::array();
  for (const auto& word : table) names.call<void>("push", Text(word.name));
  return names;
}

val Items(const form::LayoutRow& row) {
  val items = val::array();
  for (const std::string_view item : row.items) items.call<void>("push", Text(item));
  return items;
}

val RowObject(const form::LayoutRow& row) {
  val object = val::object();
  object.set("name", Text(row.name));
  object.set("kind", Text(form::NameOf(row.kind)));
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
  object.set("font", Text(form::NameOf(row.font)));
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

val Vocabulary() {
  val vocabulary = val::object();
  vocabulary.set("kinds", Names(form::kControlKinds));
  vocabulary.set("fonts", Names(form::kFontKinds));
  vocabulary.set("properties", Names(form::kProperties));
  return vocabulary;
}

int DrawingOf(const std::string& control) {
  return form::IndexIn(form::kOption1, form::IndexOf(control));
}

}  // namespace stereona::web

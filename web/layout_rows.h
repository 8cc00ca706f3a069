#pragma once

#include <emscripten/val.h>

// The layout table and the window's own facts as plain JavaScript objects,
// from which the page builds its elements. Positions and sizes are already
// in CSS pixels (twips / 15), colours in CSS.
namespace stereona::web {

// One object per row of the layout table, in table order: name, kind,
// container, text, left, top, width, height, back, tabIndex, visible,
// toolTip, font, items, labelledBy, accessibleName, accessibleDescription,
// heading.
emscripten::val LayoutRows();

// name, caption, width, height, back, fontFamily, fontPoints, listFontPoints.
emscripten::val WindowFacts();

// The names of the form's words, as arrays in the form's order: kinds (of
// control), fonts and properties. The page keys its builders and its ways of
// showing a change by them, and checks that it has one for each.
emscripten::val Vocabulary();

// The index of the body whose drawing a control shows: its index in the
// body selector array, or -1 for any other control.
int DrawingOf(const std::string& control);

}  // namespace stereona::web

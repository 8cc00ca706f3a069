#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/practice_bindings.h"
#include "web/web_form.h"

// «Развивка» as the page asks for it: the window's solid drawn to its
// numbers, its net and the working of its areas, as SVG and text, in the
// unit the pupil chose (an index of figures::kUnits; any other number is
// the first unit).
namespace stereona::web {

// {captions: {title, command, solid, net, working, unit, print, close},
// units: [the units' names]}.
emscripten::val NetChoices();

// The style sheet of every SVG below, which come without it: the page holds
// it once.
std::string FigureStyle();

// {working: the lines or the sentence why there are none, worked, solid:
// SVG, net: SVG or "" without a working}.
emscripten::val NetViewOf(const WebForm& form, emscripten::val unit);

// The net sheet to print: one HTML document, the net at its scale on A4.
std::string NetSheetOf(const WebForm& form, emscripten::val unit);

// The solid alone, where the page shows the window's problem as a drawing.
std::string WindowSolidOf(const WebForm& form, emscripten::val unit);

// The practice's problem drawn to its numbers: the given values and «?».
std::string PracticeSolidOf(const WebPractice& practice);

}  // namespace stereona::web

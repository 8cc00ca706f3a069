#pragma once

#include <emscripten/val.h>

// The documents a teacher prints, as the page asks for them.
namespace stereona::web {

// A whole number from the page, or -1, which every bound refuses, for
// anything else (a fraction, a negative or huge number, NaN).
long long WholeNumber(const emscripten::val& value);

// What the practice sheet dialog offers: the bodies' names, the ranges, the
// bounds of the numbers and their defaults, so that the page writes none of
// them itself.
emscripten::val SheetChoices();

// The practice sheet for the options the dialog gathered ({bodies: [a
// boolean per body], volumeOnly, problemCount, range, sheetNumber,
// variantCount}):
// {html} or, for options out of bounds, {error} in Bulgarian.
emscripten::val PracticeSheet(emscripten::val options);

}  // namespace stereona::web

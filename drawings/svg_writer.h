#pragma once

#include <string>

#include "drawings/figure.h"

// A figure as a standalone SVG document, written without any toolkit: the
// page shows it and the documents print it. Its <title> and <desc> are the
// figure's title and text alternative; each piece is a path, and each kind of
// line one path, with the CSS class of what it is (figure_style.h); its own
// <style> gives those classes a look that a page may override. Labels are
// text.
namespace stereona::figures {

// At `millimetresPerUnit` on paper: width and height in millimetres, so
// that a printed length is true to the scale.
std::string SvgOnPaper(const Figure& figure, double millimetresPerUnit);

// Scaled to `size` millimetres along its longer side as if on paper, with a viewBox and no size
// of its own, so that it fills the element it stands in on a screen.
std::string SvgFitted(const Figure& figure, double size);

// The same without its <style>, for a page that holds SvgStyleSheet() once:
// every style sheet put into a page has the browser style the whole page
// anew, which a drawing redrawn as the pupil types cannot afford.
std::string SvgFittedUnstyled(const Figure& figure, double size);
std::string SvgStyleSheet();

}  // namespace stereona::figures

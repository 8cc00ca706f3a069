#pragma once

#include <string>
#include <string_view>

#include "documents/net_view.h"

namespace stereona::documents {

// The net sheet, one HTML document with inline SVG: the body's name, the net
// at the largest scale of 1:1, 1:2, 1:5, 1:10, ... that fits a sheet of A4
// in `unit`, with the scale written, so that it is cut out and folded into
// the solid; then the working of the areas and the solid drawn to its
// numbers. Without a working, the sentence why there is none.
std::string NetSheet(std::string_view title, std::size_t body, const NetView& view,
                     figures::LengthUnit unit);

}  // namespace stereona::documents

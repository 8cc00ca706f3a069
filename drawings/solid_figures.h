#pragma once

#include "core/bodies.h"
#include "drawings/canvas.h"

namespace stereona::drawings {

// Draws the figure of the solid `shape` on a canvas of kDrawingSize and
// labels its segments with the quantity captions of `body` (all but the
// volume). The production call passes kBodies of the same index; taking the
// description keeps the labels following that table.
void DrawSolid(Canvas& canvas, BodyIndex shape, const Body& body);

}  // namespace stereona::drawings

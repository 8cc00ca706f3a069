#pragma once

#include "drawings/figure.h"
#include "drawings/paper_scale.h"
#include "surfaces/surfaces.h"
#include "surfaces/window_problem.h"

// «Развивка»: the window's solid drawn to its numbers, its net with the
// sizes and areas written on its pieces, and the working of its areas;
// what the views of both faces and the net sheet show.
namespace stereona::documents {

struct NetView {
  surfaces::SurfaceWorking working;  // the lines, or the sentence why there are none
  figures::Figure solid;             // the values known, the unknown as «?» until it is solved
  figures::Figure net;               // no pieces unless the working ran to its end
};

// Lengths in `unit` ("H = 8 см", "S1 = 188,57 см²"), numbers with the
// decimal separator in use.
NetView MakeNetView(const surfaces::WindowProblem& problem, figures::LengthUnit unit);

// Only the solid of that view: what stands under the bodies and in
// «Упражнение», drawn again as the pupil types, with no working or net made.
figures::Figure MakeSolidView(const surfaces::WindowProblem& problem, figures::LengthUnit unit);

}  // namespace stereona::documents

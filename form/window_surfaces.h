#pragma once

#include "form/form.h"
#include "surfaces/window_problem.h"

// The solid of the window's problem, for the surfaces and the net of a face
// that follows the window.
namespace stereona::form {

// The body and the unknown selected now. After an «Изчисли» of this very
// problem (the same body and unknown, every known input still holding the
// value that calculation read) which ran to its end: the values it read and
// its result. Otherwise the values typed now, read as the calculation reads
// them (their size; an input with no digit is not given). An input too
// large to read raises the overflow fault, as «Изчисли» would.
surfaces::WindowProblem WindowProblemOf(const Form& form);

// The surfaces' working of that solid; an input too large to read gives the
// window's fault message.
surfaces::SurfaceWorking WindowSurfaces(const Form& form);

}  // namespace stereona::form

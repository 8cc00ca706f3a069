#include "documents/practice_drawing.h"

#include <cmath>
#include <string>

#include "drawings/solid_to_scale.h"

namespace stereona::documents {

figures::Figure PracticeSolid(const PracticeProblem& problem) {
  const Body& body = kBodies.at(problem.body);
  figures::SolidDimensions solid;
  solid.body = static_cast<BodyIndex>(problem.body);
  for (std::size_t k = 0; k < body.quantityCount; ++k) {
    const bool given = !problem.given[k].empty();
    // The unknown is drawn as the drawing draws any length not known: the
    // pupil must not read the answer off its proportions.
    solid.values[k] = given ? problem.values[k] : std::nan("");
    solid.texts[k] =
        std::string(body.quantityCaptions[k]) + " = " + (given ? problem.given[k] : "?");
  }
  return figures::SolidToScale(solid);
}

}  // namespace stereona::documents

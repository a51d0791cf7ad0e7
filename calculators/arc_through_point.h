#pragma once

#include "calculators/calculator_run.h"

namespace quillmar {

// "1point Line tangent circle": the arc of radius R (Text8) through an end point (Text4,
// Text5) that touches a line given by a point (Text1, Text2) and its angle (Text3); of
// the two such arcs, option 1 or 2. Writes the centre (Text6, Text7), the tangent (start)
// point (Text9, Text10) and the vector from it to the centre (Text11, Text12), each
// lifted and cut to thousandths. An end point farther than 2R from the line and a
// radius of 0 or below fail.
CalculatorRun runArcThroughPoint(const CalculatorInput& input);

// The typed angle brought into (-90, 90] by whole half turns; 90 itself becomes 89.9999.
double lineAngleDegrees(double degrees);

}  // namespace quillmar

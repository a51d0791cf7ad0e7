#pragma once

#include "calculators/calculator_run.h"

namespace quillmar {

// "2-Line & 2-Circle": two parallel lines joined by arc 1 of radius R1 (Text3) touching
// line 1 and arc 2 of radius R2 (Text6) touching line 2, the arcs touching each other.
// "Hori" (vertical false): the lines X = Text1 and X = Text4 run along Z, and the first
// filled of Text2, Text5, Text8 places the contact point P1, P2 or P3 along them.
// "Verti": the lines Z = Text2 and Z = Text5 run along X, placed by Text1, Text4, Text7.
// Option 2 puts arc 2 toward smaller Z (X) of arc 1. Every coordinate is cut to
// thousandths when it is written and later steps go on with the cut value.
CalculatorRun runTwoLinesTwoArcs(const CalculatorInput& input);

// The note under the boxes for each direction of the lines.
QString twoLinesTwoArcsNote(bool vertical);

}  // namespace quillmar

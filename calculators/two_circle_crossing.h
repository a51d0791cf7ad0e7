#pragma once

#include "calculators/calculator_run.h"

namespace quillmar {

// " 2-Circle clos point": where two circles cross, each given by its centre and radius
// (Text1 to Text3, Text4 to Text6). Writes crossing point 1, to the left of the way from
// centre 1 to centre 2 (Text7, Text8), and crossing point 2 (Text11, Text12), cut to
// thousandths with nothing added; circles that touch give their one point in both. With
// one circle complete, that circle alone is drawn.
CalculatorRun runTwoCircleCrossing(const CalculatorInput& input);

}  // namespace quillmar

#pragma once

#include "calculators/calculator_run.h"

namespace quillmar {

// "Line & Circle": where a line, given by a point (Text1, Text2) and its angle (Text3),
// crosses a circle given by its centre (Text4, Text5) and radius (Text6). Writes the two
// crossing points with the vector from each to the centre (I as a radius in the X-Z
// plane), each lifted and cut to thousandths: Text9, Text13, Text7, Text8, Text10,
// Text11, Text12, Text14. A line that misses or only touches the circle fails.
CalculatorRun runLineCircleCrossing(const CalculatorInput& input);

}  // namespace quillmar

#pragma once

#include "calculators/calculator_run.h"

namespace quillmar {

// " Circle with tangent point": where a line of the direction A (Text4) touches the
// circle given by its centre (Text1, Text2) and radius (Text3), on the side option 1 or
// 2 chooses. Writes the vector from the point to the centre (Text7, Text8) and the point
// (Text5, Text6), cut to thousandths with nothing added; the point is drawn where the
// boxes put it.
CalculatorRun runCircleTangentPoint(const CalculatorInput& input);

}  // namespace quillmar

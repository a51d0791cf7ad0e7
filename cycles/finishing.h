#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// The four finishing cycles of Process > Finish. Each calls the contour-finishing cycle
// G87 on a contour a roughing block of the same program named: outer diameter (NAP2,
// row 9), face (NAP1, row 8), face then outer diameter (NAP2 after a facing pass, row 7)
// and inner diameter (NAP3, row 10).
ProcessGenerator finishOuterGenerator();
ProcessGenerator finishFaceGenerator();
ProcessGenerator finishFaceOuterGenerator();
ProcessGenerator finishInnerGenerator();

}  // namespace quillmar

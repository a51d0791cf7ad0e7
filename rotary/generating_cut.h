#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Process > "M-CX Cutting" > "Face" and "Side": the generating cut, a driven end mill
// that plunges at the start angle and moves C together with X (face) or Z (side) through
// G101, at the caret of the active document. No document is error 91, a cutter diameter
// of 0 error 11.
ProcessGenerator faceGeneratingCutGenerator();
ProcessGenerator sideGeneratingCutGenerator();

}  // namespace quillmar

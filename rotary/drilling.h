#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Process > "M-Drill" > "Face", "Side" and "Y/B Cutting": a drilling block for a driven
// drill (G181, or G183 with a peck step or a dwell, closed by G180) at the caret of the
// active document. No document is error 91, a drill diameter of 0 error 11.
ProcessGenerator faceDrillGenerator();
ProcessGenerator sideDrillGenerator();
ProcessGenerator slantDrillGenerator();

}  // namespace quillmar

#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Process > "M-Tap" > "Face", "Side" and "Y/B Cutting": a tapping block for a driven tap
// (G178 in feed per revolution, the pitch as the feed, closed by G180) at the caret of
// the active document. No document is error 91, a tap size of 0 error 11.
ProcessGenerator faceTapGenerator();
ProcessGenerator sideTapGenerator();
ProcessGenerator slantTapGenerator();

}  // namespace quillmar

#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Process > "M-Key" > "Face", "Side" and "Y/B Cutting": a keyway cut with a driven end
// mill through the keyway cycle G190, closed by G180, at the caret of the active
// document. No document is error 91, a cutter diameter of 0 error 11.
ProcessGenerator faceKeywayGenerator();
ProcessGenerator sideKeywayGenerator();
ProcessGenerator slantKeywayGenerator();

}  // namespace quillmar

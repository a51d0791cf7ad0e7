#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Process > "M-Planet Tap" > "Y/B Cutting": an internal thread milled in the tilted
// plane, the tool orbiting the hole centre on a helix of one pitch, at the caret of the
// active document. No document is error 91, a tool diameter of 0 error 11.
ProcessGenerator slantPlanetTapGenerator();

}  // namespace quillmar

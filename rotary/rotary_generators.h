#pragma once

#include "cycles/generator_runner.h"
#include "rotary/rotary_commands.h"

namespace quillmar {

// Whether the generator of a rotary-tool menu entry is built; the others stay without a
// command.
bool rotaryGeneratorBuilt(const RotaryCommand& command);

// The generator behind a rotary-tool menu entry (rotaryGeneratorBuilt must hold).
ProcessGenerator rotaryGeneratorOf(const RotaryCommand& command);

}  // namespace quillmar

#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// Tapping on the spindle centre line with the Spindle Tap menu's two items: index 1 a
// floating tap (G77, or G78 against the clock), any other index a rigid tap (G107 or
// G108, with a start angle). Both take the defaults of row 20, which the face tapping of
// a rotary tool shares.
ProcessGenerator spindleTapGenerator(int index);

}  // namespace quillmar

#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// The two drills of Process > Drill, each a hole on the work's axis: a high-speed-steel
// drill through the control's G74 peck cycle (row 1) and an insert drill by straight
// moves fed slower over the entry and the exit (row 2). The bore a drill leaves becomes
// the work shape's inner diameter, offered by the inner and face dialogs after it.
ProcessGenerator hssDrillGenerator();
ProcessGenerator uDrillGenerator();

}  // namespace quillmar

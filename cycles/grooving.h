#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// The three grooving cycles of Process > Groove: the groove is roughed with the control's
// grooving cycle (G73 on the outer and inner diameter, G74 in the face), then its two walls
// are finished one after the other, each with a chamfer ("C") or a corner radius ("R") at
// the groove edge. Rows: face 11, outer 12, inner 13.
ProcessGenerator grooveOuterGenerator();
ProcessGenerator grooveInnerGenerator();
ProcessGenerator grooveFaceGenerator();

}  // namespace quillmar

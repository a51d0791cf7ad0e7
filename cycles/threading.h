#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// The three threading cycles of Process > Thread: a call of the control's threading
// cycle, G71 along Z for an outer (row 15) or inner (row 16) thread and G72 on the face
// (row 14), with the thread's end, depth, first cut, allowance, chamfer, number of
// threads and pitch.
ProcessGenerator threadFaceGenerator();
ProcessGenerator threadOuterGenerator();
ProcessGenerator threadInnerGenerator();

}  // namespace quillmar

#pragma once

#include "cycles/generator_runner.h"

namespace quillmar {

// The four roughing cycles of Process > Rough, each a G85 rough-cutting cycle over a
// named contour: outer diameter (row 5), inner diameter (row 6), face (row 4) and face
// followed by outer diameter (row 3). They pre-fill from the work shape; inner roughing
// leaves the roughed bore there as the new inner diameter.
ProcessGenerator roughOuterGenerator();
ProcessGenerator roughInnerGenerator();
ProcessGenerator roughFaceGenerator();
ProcessGenerator roughFaceOuterGenerator();

}  // namespace quillmar

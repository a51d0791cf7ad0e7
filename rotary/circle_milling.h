#pragma once

#include "cycles/generator_runner.h"
#include "cycles/process_dialog_layout.h"
#include "rotary/rotary_commands.h"

namespace quillmar {

class RotaryText;

// Process > "M-Endmill Cycle" > "Y/B Cutting": a circle milled with a driven end mill in
// the tilted plane, stepping down from the top Z to the bottom Z by the cut depth, a
// roughing circle and the finished circle at every level, at the caret of the active
// document. No document is error 91, an end-mill diameter of 0 error 11, too many levels
// error 6.
ProcessGenerator slantCircleGenerator();

// The contour of one level, the tool standing at the centre (StartX, StartZ) at the
// level's Z: out along X with cutter compensation left, two counter-clockwise half
// circles of the radius EndX less the allowance L when L writes above 0, out to the
// radius, two half circles of the radius, and back to the centre cancelling the
// compensation. The centre Y and the radius are cut in place where they are written.
void AppendCircleContour(RotaryText& text);

// The dialog the circle milling and the planet tapping share: the tilted plane's B and
// zero shifts, the centre as start X and Y, the top as start Z, the radius as end X and
// the bottom as end Z; the end Z box itself is hidden.
ProcessDialogLayout slantMillingDialog(const RotaryCommand& command);

}  // namespace quillmar

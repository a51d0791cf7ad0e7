#pragma once

#include <QList>
#include <functional>

#include "cycles/generator_runner.h"
#include "cycles/process_dialog_layout.h"
#include "rotary/rotary_commands.h"

namespace quillmar {

class RotaryText;
struct SharedState;

// The dialog of a rotary generator before its own labels: its caption and row, and the
// B-axis fields by its plane (shown with the zero shift Z in the tilted plane, hidden on
// the face and the side); the tip position is never offered.
ProcessDialogLayout rotaryDialog(const RotaryCommand& command);

// What a tilted-plane dialog offers: B and SZ as the last executed dialog of any cycle
// left them, and the zero shift X of the last executed tilted-plane cycle (empty before
// the first).
QList<ControlText> tiltedPlanePrefill(const SharedState& state);

// A rotary generator on the shared runner. Once its dialog is executed a tilted-plane
// generator first remembers its zero shift X; then the spindle speed is computed from V
// and U, and `block` writes the lines.
ProcessGenerator rotaryGenerator(const RotaryCommand& command, ProcessDialogLayout dialog,
                                 std::function<void(RotaryText&)> block);

}  // namespace quillmar

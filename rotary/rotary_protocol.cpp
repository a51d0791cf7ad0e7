#include "rotary/rotary_protocol.h"

#include <cmath>

#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "rotary/rotary_lines.h"

namespace quillmar {

double rotarySpindleSpeed(double v, double toolDiameter) {
    double q = checkedMul(v, 1000.0);
    q = checkedDiv(q, 3.14);
    q = checkedDiv(q, 3.28);
    q = checkedDiv(q, toolDiameter);
    q = checkedDiv(q, 10.0);
    q = checkedDiv(q, 25.4);
    const double speed = checkedMul(std::floor(q), 10.0);
    return speed == 0.0 ? 0.0 : speed;  // no negative zero
}

ProcessDialogLayout rotaryDialog(const RotaryCommand& command) {
    ProcessDialogLayout layout;
    layout.caption = command.captionText();
    layout.processNumber = command.processNumber;
    layout.bAxisFieldsByMachine = false;
    if (command.plane == RotaryPlane::Tilted) {
        layout.shown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ"};
        layout.hidden = {"TipPostion"};
    } else {
        layout.hidden = {"LabelB", "LabelB2", "B", "TipPostion"};
    }
    return layout;
}

QList<ControlText> tiltedPlanePrefill(const SharedState& state) {
    return {
        {"B", boxText(state.params.gParamB)},
        {"C", state.gLastShiftX ? boxText(*state.gLastShiftX) : QString()},
        {"SZ", boxText(state.params.gParamSZ)},
    };
}

ProcessGenerator rotaryGenerator(const RotaryCommand& command, ProcessDialogLayout dialog,
                                 std::function<void(RotaryText&)> block) {
    const bool tilted = command.plane == RotaryPlane::Tilted;
    ProcessGenerator generator;
    generator.dialog = std::move(dialog);
    if (tilted)
        generator.prefill = tiltedPlanePrefill;
    generator.build = [tilted, block = std::move(block)](SharedState& state) {
        if (tilted)
            state.gLastShiftX = state.params.gParamC;
        state.gSpindleSpeed = rotarySpindleSpeed(state.params.gParamV, state.params.gParamU);
        RotaryText text(state);
        block(text);
    };
    return generator;
}

}  // namespace quillmar

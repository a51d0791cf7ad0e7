#include "rotary/rotary_protocol.h"

#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"

namespace quillmar {

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
        state.gSpindleSpeed = spindleSpeedInches(state.params.gParamV, state.params.gParamU);
        RotaryText text(state);
        block(text);
    };
    return generator;
}

}  // namespace quillmar

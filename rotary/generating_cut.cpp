#include "rotary/generating_cut.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kFace{"M-C/X創成加工端面", 26, RotaryPlane::Face};
constexpr RotaryCommand kSide{"M-C/X創成加工側面", 27, RotaryPlane::Side};

// The cut needs neither step, allowance, dwell nor count.
ProcessDialogLayout generatingCutDialog(const RotaryCommand& command) {
    ProcessDialogLayout layout = rotaryDialog(command);
    layout.captions = {
        {"LabelU", "Cutter"}, {"LabelU2", "D"}, {"LabelC", ""}, {"LabelC2", ""}, {"LabelD", ""},
        {"LabelD2", ""},      {"LabelW", ""},   {"LabelW2", ""}, {"LabelL", ""}, {"LabelL2", ""},
    };
    layout.hidden += {"C", "D", "W", "L"};
    return layout;
}

void buildFace(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"FACE ENDMILL D", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "36", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice)});
    appendRotaryApproach(text, FormatAngle(p.gStartC), ApproachEnd::SpindleOnM62Later);
    appendFirstPositioning(text, RotaryPlane::Face);
    text.add({kContinuation, "Z", FormatCoordValue(checkedAdd(p.gStartZ, 0.08))});
    text.add({"N000 G01 Z", FormatCoord(p.gEndZ), " M147 F=SB*", FormatCoord(p.gParamF)});
    text.add({"N000 G101 C", FormatAngle(p.gEndC), " X", FormatCoord(p.gEndX), " M146"});
    appendRotaryLeave(text, RotaryPlane::Face, RotaryEnding::SpindleStop, true);
}

void buildSide(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"SIDE ENDMILL D", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "30.2", false, ToolLength::AlongX);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice), machinePlaneWords(text, " G52 BA=90")});
    appendRotaryApproach(text, FormatAngle(p.gStartC), ApproachEnd::SpindleOnM62Later);
    appendFirstPositioning(text, RotaryPlane::Side);
    text.add({kContinuation, "X", FormatCoordValue(checkedAdd(p.gStartX, 0.16))});
    text.add({"N000 G01 X", FormatCoord(p.gEndX), " M147 F=SB*", FormatCoord(p.gParamF)});
    text.add({"N000 G101 C", FormatAngle(p.gEndC), " Z", FormatCoord(p.gEndZ), " M146"});
    appendRotaryLeave(text, RotaryPlane::Side, RotaryEnding::SpindleStop, false);
}

}  // namespace

ProcessGenerator faceGeneratingCutGenerator() { return rotaryGenerator(kFace, generatingCutDialog(kFace), buildFace); }
ProcessGenerator sideGeneratingCutGenerator() { return rotaryGenerator(kSide, generatingCutDialog(kSide), buildSide); }

}  // namespace quillmar

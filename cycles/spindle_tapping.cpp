#include "cycles/spindle_tapping.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"

namespace quillmar {
namespace {

const QString kPitches = QStringLiteral(
    "M2=0.4 M2.5=0.45 M3=0.02 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3");

bool isFloating(int index) { return index == 1; }

ProcessDialogLayout tapDialog(int index) {
    ProcessDialogLayout d;
    d.processNumber = 20;
    if (isFloating(index)) {
        d.caption = QStringLiteral("Spindle Tap (Fulote)");
        d.captions = {{"LabelD", ""}, {"LabelD2", ""}};
        d.hidden = {"D"};
    } else {
        d.caption = QStringLiteral("Spindle Tap (Rigide)");
        d.captions = {{"LabelD", "Start Angle"}, {"LabelD2", "D"}};
        d.shown = {"D"};
    }
    d.captions += {{"LabelU", "Size"},  {"LabelU2", "M"},    {"LabelW", ""},    {"LabelW2", ""},
                   {"LabelL", ""},      {"LabelL2", ""},     {"LabelC", ""},    {"LabelC2", ""},
                   {"LabelStartX", ""}, {"LabelStartC", ""}, {"LabelEndX", ""}, {"LabelEndC", ""}};
    d.hidden += {"W", "L", "C", "StartX", "StartC", "EndX", "EndC", "LabelB", "LabelB2", "B"};
    d.toolTips = {{"F", kPitches}};
    d.texts = {{"StartZ", "0"}};
    // The tap has no B axis on any machine; the M-index options stay as designed.
    d.bAxisFieldsByMachine = false;
    return d;
}

// The cycle by the item and the direction the spindle turns: a left-hand tap runs the
// spindle the other way.
QString tapCycle(int index, const ProcessParameters& p) {
    const bool clockwise = p.gSpindleCode == QLatin1String(" M03 M63");
    if (isFloating(index))
        return clockwise ? QStringLiteral(" G77") : QStringLiteral(" G78");
    return clockwise ? QStringLiteral(" G107") : QStringLiteral(" G108");
}

void buildTap(SharedState& s, int index) {
    ProcessParameters& p = s.params;
    s.gSpindleSpeed = spindleSpeedInches(p.gParamV, p.gParamU);

    ProgramText text(s);
    const MachineProfile& profile = s.profile;
    text.header({"SPINDLE TAP M", FormatCoord(p.gParamU), "*P", FormatCoord(p.gParamF)});
    appendToolData(text, {{"IN", "32"}, {"FN", "1"}},
                   {{"D", p.gParamU}, toolLengthAlongZ(p)});
    AppendToolChange(text);
    text.add({"N000 G00 X0 Z", FormatCoordValue(profile.gApproachZ), standardToolWord(text, OtherToolWord::Twice),
              p.gTipCode, " M41 S", FormatCoord(s.gSpindleSpeed), p.gSpindleCode, p.gCoolantCode});
    // D is the spindle's start angle, in degrees.
    text.add({text.toolLabel(), tapCycle(index, p), " X0 Z", FormatCoord(p.gEndZ), " K",
              FormatCoordValue(profile.gApproachZ - p.gStartZ - 0.2), " F", FormatCoord(p.gParamF),
              wordIfAbove(" D", p.gParamD, 0, Measure::Angle)});
    appendHomeEnding(text, ReturnMove::Rapid, ApproachReturn::Yes, " M09");
    appendCycleClosing(text);
}

}  // namespace

ProcessGenerator spindleTapGenerator(int index) {
    ProcessGenerator g;
    g.dialog = tapDialog(index);
    g.build = [index](SharedState& s) { buildTap(s, index); };
    return g;
}

}  // namespace quillmar

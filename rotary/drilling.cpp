#include "rotary/drilling.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kFace{"M-Drill Face", 17, RotaryPlane::Face};
constexpr RotaryCommand kSide{"M-Drill Side", 18, RotaryPlane::Side};
constexpr RotaryCommand kSlant{"Y/B M-Drill", 19, RotaryPlane::Tilted};

const QString kDrillSizes = QStringLiteral("M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.02 M16=14.3");

// The labels every drilling dialog shares; the rest are the plane's.
ProcessDialogLayout drillDialog(const RotaryCommand& command) {
    ProcessDialogLayout layout = rotaryDialog(command);
    layout.captions = {{"LabelU", "Drill Dia"}, {"LabelU2", "D"}, {"LabelW", "End timer"}, {"LabelW2", "E"}};
    layout.toolTips = {{"U", kDrillSizes}};
    return layout;
}

ProcessDialogLayout faceDialog() {
    ProcessDialogLayout layout = drillDialog(kFace);
    layout.captions += {{"LabelC", "Hole No."}, {"LabelC2", "Q"}, {"LabelEndX", ""}, {"LabelEndC", ""}};
    layout.hidden += {"EndX", "EndC"};
    return layout;
}

ProcessDialogLayout sideDialog() {
    ProcessDialogLayout layout = drillDialog(kSide);
    layout.captions += {{"LabelC", "Hole No."}, {"LabelC2", "Q"}, {"LabelEndZ", ""}, {"EndZ2", ""}, {"LabelEndC", ""}};
    layout.hidden += {"EndZ", "EndC"};
    return layout;
}

ProcessDialogLayout slantDialog() {
    ProcessDialogLayout layout = drillDialog(kSlant);
    layout.captions += {
        {"LabelC", "Zero Shift"}, {"LabelC2", "X"},      {"LabelCZ", "Zero Shift"},
        {"LabelAttn", QString::fromUtf8("Attn.Ｘ-axis is R.")},
        {"LabelStartZ", "Y"},     {"LabelStartC", "Z"},  {"LabelEnd", "Master C"},
        {"LabelEndX", "C"},       {"LabelEndC", "Z"},
    };
    layout.hidden += {"LabelEndZ", "EndZ"};
    layout.shown += {"EndX", "EndZ2", "EndC"};
    layout.relabelEndCOnB = true;
    return layout;
}

// A plain drilling cycle has neither a peck step nor a dwell at the bottom.
QString cycleCode(const ProcessParameters& p) {
    const bool plain = writtenValue(p.gParamD) == 0.0 && writtenValue(p.gParamW) == 0.0;
    return plain ? QStringLiteral("N000 G181") : QStringLiteral("N000 G183");
}

// The words of the cut after the hole's position and clearance: the peck step, the
// reduced-feed length and the dwell where given, and the feed.
QString cutWords(ProcessParameters& p) {
    QString words = wordIfAbove(" D", p.gParamD, 0);
    words += wordIfAbove(" L", p.gParamL, 0);
    words += wordIfAbove(" E", p.gParamW, 0);
    return words + QStringLiteral(" F=SB*") + FormatCoord(p.gParamF);
}

// A count of one hole needs no Q word.
QString holeCount(ProcessParameters& p) { return countIfAbove(" Q", p.gParamC, 1.0); }

void buildFace(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"FACE DRILL D", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "28", true, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice), p.gBAxisShift, p.gBAxisCode});
    appendRotaryApproach(text, QString(), ApproachEnd::SpindleOn);
    AppendLoadMonitorOn(text, "2+16");
    text.add({cycleCode(p), " C", FormatAngle(p.gStartC), " X", FormatCoord(p.gStartX), " Z", FormatCoord(p.gEndZ),
              clearanceWord(text, RotaryPlane::Face, 0.08), cutWords(p), holeCount(p)});
    text.add("N000 G180");
    AppendLoadMonitorOff(text);
    appendRotaryLeave(text, RotaryPlane::Face, RotaryEnding::SpindleStop, true);
}

void buildSide(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"SIDE DRILL D", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "27", true, ToolLength::AlongX);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Thrice), machinePlaneWords(text, " BT=1")});
    appendRotaryApproach(text, QString(), ApproachEnd::SpindleOn);
    AppendLoadMonitorOn(text, "1+16");
    text.add({cycleCode(p), " C", FormatAngle(p.gStartC), " X", FormatCoord(p.gEndX), " Z", FormatCoord(p.gStartZ),
              clearanceWord(text, RotaryPlane::Side, 0.16), cutWords(p), holeCount(p), " M136"});
    text.add("N000 G180");
    AppendLoadMonitorOff(text);
    appendRotaryLeave(text, RotaryPlane::Side, RotaryEnding::SpindleStop, false);
}

void buildSlant(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"DRILL D", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "28", true, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, tiltedToolWord(text, 2), tiltedPlaneWords(text)});
    appendRotaryApproach(text, FormatAngle(p.gEndX), ApproachEnd::SpindleOn);
    appendTiltedPlaneSetUp(text);
    appendTiltedPositioning(text);
    AppendLoadMonitorOn(text, "1+2+16");
    text.add({cycleCode(p), " C", FormatAngle(p.gEndX), tiltedHoleWords(text), cutWords(p), " M136"});
    text.add("N000 G180");
    AppendLoadMonitorOff(text);
    appendRotaryLeave(text, RotaryPlane::Tilted, RotaryEnding::SpindleStop, false);
}

}  // namespace

ProcessGenerator faceDrillGenerator() { return rotaryGenerator(kFace, faceDialog(), buildFace); }
ProcessGenerator sideDrillGenerator() { return rotaryGenerator(kSide, sideDialog(), buildSide); }
ProcessGenerator slantDrillGenerator() { return rotaryGenerator(kSlant, slantDialog(), buildSlant); }

}  // namespace quillmar

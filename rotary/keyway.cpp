#include "rotary/keyway.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kFace{"M-Key face", 23, RotaryPlane::Face};
constexpr RotaryCommand kSide{"M-key side", 24, RotaryPlane::Side};
constexpr RotaryCommand kSlant{"Y/B M-key", 25, RotaryPlane::Tilted};

ProcessDialogLayout straightKeyDialog(const RotaryCommand& command, const char* cutter, const char* allowance) {
    ProcessDialogLayout layout = rotaryDialog(command);
    layout.captions = {
        {"LabelU", cutter},   {"LabelU2", "D"},       {"LabelC", "Key No."},
        {"LabelC2", "Q"},     {"LabelW", "In feed(mm/min)"}, {"LabelW2", "E"},
        {"LabelL", "Finish"}, {"LabelL2", allowance}, {"LabelD", "Deepth"},
        {"LabelEndC", ""},
    };
    layout.hidden << QStringLiteral("EndC");
    return layout;
}

ProcessDialogLayout slantDialog() {
    ProcessDialogLayout layout = rotaryDialog(kSlant);
    layout.captions = {
        {"LabelU", "Cutter"},      {"LabelU2", "D"},     {"LabelD", "Deepth"},
        {"LabelW", "In feed(mm/min)"}, {"LabelW2", "E"}, {"LabelL", "Angle"},
        {"LabelL2", "C"},          {"LabelC", "Zero Shift"}, {"LabelC2", "X"},
        {"LabelCZ", "Zero Shift"}, {"LabelAttn", "attn.X-axis is R."},
        {"LabelStartZ", "Y"},      {"LabelStartC", "Z"}, {"LabelEnd", "End"},
        {"LabelEndX", "X"},        {"LabelEndZ", "Y"},   {"LabelEndC", "Z"},
    };
    return layout;
}

// The words of the cut after the position and its clearance: the finishing allowance
// (W on the face, U on the side) when there is one, depth, in-feed and feed, and the
// count of keys when more than one.
QString cutWords(ProcessParameters& p, const char* allowance) {
    QString words = wordIfAbove(allowance, p.gParamL, 0);
    words += QStringLiteral(" D") + FormatCoord(p.gParamD);
    words += QStringLiteral(" E") + FormatCoord(p.gParamW);
    words += QStringLiteral(" F=SB*") + FormatCoord(p.gParamF);
    words += countIfAbove(" Q", p.gParamC, 1);
    return words + QStringLiteral(" M211 M213");
}

void buildFace(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"FACE KEY W", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "36", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice)});
    appendRotaryApproach(text, QString(), ApproachEnd::SpindleOnM62Later);
    appendFirstPositioning(text, RotaryPlane::Face);
    text.add({"N000 G190 C", FormatAngle(p.gStartC), " X", FormatCoord(p.gEndX), " Z", FormatCoord(p.gEndZ),
              clearanceWord(text, RotaryPlane::Face, 0.08), cutWords(p, " W")});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Face, RotaryEnding::SpindleStop, false);
}

void buildSide(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"SIDE KEY W", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "30.2", false, ToolLength::AlongX);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice), machinePlaneWords(text, " BT=1")});
    appendRotaryApproach(text, QString(), ApproachEnd::SpindleOnM62Later);
    appendFirstPositioning(text, RotaryPlane::Side);
    text.add({"N000 G190 C", FormatAngle(p.gStartC), " X", FormatCoord(p.gEndX), " Z", FormatCoord(p.gEndZ),
              clearanceWord(text, RotaryPlane::Side, 0.16), cutWords(p, " U")});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Side, RotaryEnding::SpindleStop, false);
}

// The tool comes down to just short of the start: along X to StartX + 0.08 when B is 90,
// otherwise along Z to StartC + 2 (a single-precision sum, as the Z of the plane is).
QString slantEntry(RotaryText& text) {
    ProcessParameters& p = text.p;
    if (bIsNinety(p))
        return QStringLiteral("N000      X") + FormatCoordValue(checkedAdd(p.gStartX, 0.08));
    return QStringLiteral("N000      Z") + FormatCoordValue(Single(p.gStartC.value() + 2.0f));
}

void buildSlant(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"SLANT KEY W", FormatCoord(p.gParamU)});
    AppendMToolChange(text);
    text.add({kMillingMode, tiltedToolWord(text, 3), tiltedPlaneWords(text)});
    appendRotaryApproach(text, FormatAngle(p.gParamL), ApproachEnd::SpindleOn);
    appendTiltedPlaneSetUp(text);
    appendTiltedPositioning(text);
    text.add(slantEntry(text));
    text.add({"N000 G190 C", FormatAngle(p.gParamL), " X", FormatCoord(p.gEndX), " Y", FormatCoord(p.gEndZ), " Z",
              FormatCoord(p.gEndC), bIsNinety(p) ? " I0" : " K0", " D", FormatCoord(p.gParamD), " E",
              FormatCoord(p.gParamW), " F=SB*", FormatCoord(p.gParamF), " M211 M213"});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Tilted, RotaryEnding::SpindleStop, false);
}

}  // namespace

ProcessGenerator faceKeywayGenerator() {
    return rotaryGenerator(kFace, straightKeyDialog(kFace, "Endmill", "W"), buildFace);
}
ProcessGenerator sideKeywayGenerator() {
    return rotaryGenerator(kSide, straightKeyDialog(kSide, "Cutter", "U"), buildSide);
}
ProcessGenerator slantKeywayGenerator() { return rotaryGenerator(kSlant, slantDialog(), buildSlant); }

}  // namespace quillmar

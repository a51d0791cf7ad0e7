#include "rotary/tapping.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kFace{"M-Tap face", 20, RotaryPlane::Face};
constexpr RotaryCommand kSide{"M-Tap side", 21, RotaryPlane::Side};
constexpr RotaryCommand kSlant{"Y/B Tap", 22, RotaryPlane::Tilted};

const QString kFacePitches =
    QStringLiteral("M2=0.4 M2.5=0.45 M3=0.02 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5");
const QString kPitches = kFacePitches + QStringLiteral(" M24=3");

// The face and side taps share their dialog but for the angle's label and the end point.
ProcessDialogLayout straightTapDialog(const RotaryCommand& command) {
    ProcessDialogLayout layout = rotaryDialog(command);
    layout.captions = {
        {"LabelU", "Tap size"}, {"LabelU2", "M"},  {"LabelW", ""},     {"LabelW2", ""},
        {"LabelL", ""},         {"LabelL2", ""},   {"LabelC", "Tap No."}, {"LabelC2", "Q"},
        {"LabelEndC", ""},
    };
    layout.hidden += {"W", "L", "EndC"};
    return layout;
}

ProcessDialogLayout faceDialog() {
    ProcessDialogLayout layout = straightTapDialog(kFace);
    layout.captions += {{"LabelD", "angle"}, {"LabelEndX", ""}};
    layout.hidden << QStringLiteral("EndX");
    layout.toolTips = {{"F", kFacePitches}};
    return layout;
}

ProcessDialogLayout sideDialog() {
    ProcessDialogLayout layout = straightTapDialog(kSide);
    layout.captions += {{"LabelD", "Angle"}, {"LabelEndZ", ""}};
    layout.hidden << QStringLiteral("EndZ");
    layout.toolTips = {{"F", kPitches}};
    return layout;
}

ProcessDialogLayout slantDialog() {
    ProcessDialogLayout layout = rotaryDialog(kSlant);
    layout.relabelEndCOnB = true;
    layout.captions = {
        {"LabelU", "Tap size"},   {"LabelU2", "M"},      {"LabelD", ""},         {"LabelD2", ""},
        {"LabelL", ""},           {"LabelL2", ""},       {"LabelC", "Zero Shift"}, {"LabelC2", "X"},
        {"LabelCZ", "Zero Shift"}, {"LabelAttn", "Attn.X-axis is R."},
        {"LabelStartZ", "Y"},     {"LabelStartC", "Z"},  {"LabelEnd", "Angle"},  {"LabelEndX", "C"},
        {"LabelEndC", "Z"},
    };
    layout.hidden += {"LabelW", "LabelW2", "W", "D", "L", "LabelEndZ", "EndZ"};
    layout.shown += {"EndX", "EndZ2", "EndC"};
    layout.toolTips = {{"F", kPitches}};
    return layout;
}

// The angle (D above 0) and the count of taps (C above 0: one tap already counts) after
// the clearance; the pitch between them.
QString angleFeedAndCount(ProcessParameters& p) {
    QString words = wordIfAbove(" D", p.gParamD, 0, Measure::Angle);
    words += QStringLiteral(" F") + FormatCoord(p.gParamF);
    words += countIfAbove(" Q", p.gParamC, 0);
    return words;
}

void buildFace(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"FACE TAP M", FormatCoord(p.gParamU), "*P", FormatCoord(p.gParamF)});
    appendRotaryToolData(text, "32", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kTappingMode, standardToolWord(text, OtherToolWord::Twice)});
    appendRotaryApproach(text, QString(), ApproachEnd::CoolantOnly);
    text.add({"N000 G178 C", FormatAngle(p.gStartC), " X", FormatCoord(p.gStartX), " Z", FormatCoord(p.gEndZ),
              clearanceWord(text, RotaryPlane::Face, 0.2), angleFeedAndCount(p)});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Face, RotaryEnding::Tap, true);
}

void buildSide(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"SIDE TAP M", FormatCoord(p.gParamU), "*P", FormatCoord(p.gParamF)});
    appendRotaryToolData(text, "31", false, ToolLength::AlongX);
    AppendMToolChange(text);
    text.add({kTappingMode, standardToolWord(text, OtherToolWord::Twice), machinePlaneWords(text, " G52 BA=90")});
    appendRotaryApproach(text, QString(), ApproachEnd::CoolantOnly);
    text.add({"N000 G178 C", FormatAngle(p.gStartC), " X", FormatCoord(p.gEndX), " Z", FormatCoord(p.gStartZ),
              clearanceWord(text, RotaryPlane::Side, 0.4), angleFeedAndCount(p), " M136"});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Side, RotaryEnding::Tap, false);
}

void buildSlant(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"TAP M", FormatCoord(p.gParamU)});
    appendRotaryToolData(text, "32", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kTappingMode, tiltedToolWord(text, 2), tiltedPlaneWords(text)});
    appendRotaryApproach(text, FormatAngle(p.gEndX), ApproachEnd::CoolantOnly);
    appendTiltedPlaneSetUp(text);
    appendTiltedPositioning(text);
    text.add({"N000 G178 C", FormatAngle(p.gEndX), tiltedHoleWords(text), " F", FormatCoord(p.gParamF), " M136"});
    text.add("N000 G180");
    appendRotaryLeave(text, RotaryPlane::Tilted, RotaryEnding::TiltedTap, false);
}

}  // namespace

ProcessGenerator faceTapGenerator() { return rotaryGenerator(kFace, faceDialog(), buildFace); }
ProcessGenerator sideTapGenerator() { return rotaryGenerator(kSide, sideDialog(), buildSide); }
ProcessGenerator slantTapGenerator() { return rotaryGenerator(kSlant, slantDialog(), buildSlant); }

}  // namespace quillmar

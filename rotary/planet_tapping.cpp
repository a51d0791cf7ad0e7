#include "rotary/planet_tapping.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/circle_milling.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kPlanet{"Slant planet tap", 33, RotaryPlane::Tilted};

ProcessDialogLayout planetDialog() {
    ProcessDialogLayout layout = slantMillingDialog(kPlanet);
    layout.captions += {
        {"LabelU", "Tap "}, {"LabelU2", "D"}, {"LabelW", "Angle"}, {"LabelW2", "C"}, {"LabelAttn", "attn.X-axis is R."},
        {"LabelD", "Pitch"}, {"LabelD2", "P"}, {"LabelL", ""},     {"LabelL2", ""},
    };
    layout.hidden << QStringLiteral("L");
    return layout;
}

// The Z of the helix after k pitches from the bottom, in double precision from the
// bottom as it shows.
QString helixZ(const ProcessParameters& p, double pitches) {
    return FormatCoordValue(checkedAdd(p.gEndC, checkedMul(pitches, p.gParamD)));
}

void buildPlanet(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.header({"PLANET TAP M", FormatCoordValue(checkedMul(p.gEndX, 2.0)), " P", FormatCoord(p.gParamD)});
    appendRotaryToolData(text, "32", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Twice), slantMillingPlaneWords(text)});
    appendRotaryApproach(text, FormatAngle(p.gParamW), ApproachEnd::SpindleOn);
    appendSlantMillingSetUp(text);
    text.add({kContinuation, "Z", FormatCoordValue(checkedAdd(p.gStartC, 0.08)), " M147"});

    const auto fastFeed = [&p] { return FormatCoordValue(checkedMul(p.gParamF, 10.0)); };
    const auto entryX = [&p] { return FormatCoordValue(checkedSub(p.gStartX, p.gParamD)); };
    const auto entryRadius = [&p] { return FormatCoordValue(checkedSub(p.gEndX, p.gParamD)); };
    text.add({"N000 G01 Z", FormatCoord(p.gEndC), " F=SB*", fastFeed()});
    text.add({kContinuation, "X", entryX(), " Y", FormatCoordValue(checkedSub(checkedAdd(p.gStartZ, p.gEndX), p.gParamD)),
              " F=SB*", FormatCoord(p.gParamF), " G41"});
    text.add({"N000 G03 X", FormatCoordValue(checkedSub(p.gStartX, p.gEndX)), " Y", FormatCoord(p.gStartZ), " Z",
              helixZ(p, 0.25), " L", entryRadius()});
    text.add({kContinuation, "X", FormatCoordValue(checkedAdd(p.gStartX, p.gEndX)), " Y", FormatCoord(p.gStartZ), " Z",
              helixZ(p, 0.75), " L", FormatCoord(p.gEndX)});
    text.add({kContinuation, "X", FormatCoordValue(checkedSub(p.gStartX, p.gEndX)), " Y", FormatCoord(p.gStartZ), " Z",
              helixZ(p, 1.25), " L", FormatCoord(p.gEndX)});
    text.add({kContinuation, "X", entryX(), " Y", FormatCoordValue(checkedAdd(checkedSub(p.gStartZ, p.gEndX), p.gParamD)),
              " Z", helixZ(p, 1.5), " L", entryRadius()});
    text.add({"N000 G01 X", FormatCoord(p.gStartX), " Y", FormatCoord(p.gStartZ), " F=SB*", fastFeed(), " G40"});

    appendSlantMillingLeave(text);
}

}  // namespace

ProcessGenerator slantPlanetTapGenerator() { return rotaryGenerator(kPlanet, planetDialog(), buildPlanet); }

}  // namespace quillmar

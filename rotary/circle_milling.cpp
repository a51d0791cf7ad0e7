#include "rotary/circle_milling.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "rotary/depth_levels.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"

namespace quillmar {
namespace {

constexpr RotaryCommand kCircle{"Slant Endmill Cycle", 30, RotaryPlane::Tilted};

ProcessDialogLayout circleDialog() {
    ProcessDialogLayout layout = slantMillingDialog(kCircle);
    layout.captions += {
        {"LabelU", "Endmill Dia"}, {"LabelU2", "D"},     {"LabelW", "Master C"},
        {"LabelW2", "C"},          {"LabelAttn", "Attn.X-axis is Rudus."},
        {"LabelD", "Cut Deepth"},  {"LabelD2", "t"},     {"LabelL", "Finish Stok"},
        {"LabelL2", "U"},
    };
    return layout;
}

// One level: its Z, then its contour.
void appendLevel(RotaryText& text, const QString& z) {
    text.add({kContinuation, "Z", z});
    AppendCircleContour(text);
}

void buildCircle(RotaryText& text) {
    ProcessParameters& p = text.p;
    // Counted before anything is written, so that a tiny cut depth fails at once.
    const bool stepped = writtenAbove(p.gParamD, 0.0);
    const QList<double> levels = stepped ? depthLevels(p.gStartC, p.gParamD, p.gEndC) : QList<double>();

    text.header({"SLANT CIRCLE D", FormatCoordValue(checkedMul(p.gEndX, 2.0))});
    appendRotaryToolData(text, "36", false, ToolLength::AlongZ);
    AppendMToolChange(text);
    text.add({kMillingMode, standardToolWord(text, OtherToolWord::Thrice), slantMillingPlaneWords(text)});
    appendRotaryApproach(text, FormatAngle(p.gParamW), ApproachEnd::SpindleOn);
    appendSlantMillingSetUp(text);
    text.add({kContinuation, "Z", FormatCoordValue(Single(p.gStartC.value() + 2.0f)), " M147"});
    if (stepped) {
        text.add({"N000 G01 Z", FormatCoord(p.gStartC), " F=SB*", FormatCoord(p.gParamF)});
        for (const double level : levels)
            appendLevel(text, FormatCoordValue(level));
        appendLevel(text, FormatCoord(p.gEndC));
    } else {
        text.add({"N000 G01 Z", FormatCoord(p.gEndC), " F=SB*", FormatCoord(p.gParamF)});
        AppendCircleContour(text);
    }
    appendSlantMillingLeave(text);
}

}  // namespace

ProcessDialogLayout slantMillingDialog(const RotaryCommand& command) {
    ProcessDialogLayout layout = rotaryDialog(command);
    layout.captions = {
        {"LabelC", "Zero Shift"}, {"LabelC2", "X"}, {"LabelCZ", "Zero Shift"}, {"LabelStartZ", "Y"},
        {"LabelStartC", "Z"},     {"LabelEnd", "R"}, {"LabelEndX", "R"},        {"LabelEndC", "Z"},
    };
    layout.hidden += {"LabelEndZ", "EndZ"};
    layout.shown << QStringLiteral("EndZ2");
    return layout;
}

void AppendCircleContour(RotaryText& text) {
    ProcessParameters& p = text.p;
    // Each term reads the radius as the lines before left it: written once, it is cut.
    const auto outer = [&p] { return FormatCoordValue(checkedAdd(p.gStartX, p.gEndX)); };
    const auto opposite = [&p] { return FormatCoordValue(checkedSub(p.gStartX, p.gEndX)); };
    if (writtenAbove(p.gParamL, 0.0)) {
        const auto roughOuter = [&p] { return FormatCoordValue(checkedSub(checkedAdd(p.gStartX, p.gEndX), p.gParamL)); };
        const auto roughRadius = [&p] { return FormatCoordValue(checkedSub(p.gEndX, p.gParamL)); };
        text.add({kContinuation, "X", roughOuter(), " G41"});
        text.add({"N000 G03 X", FormatCoordValue(checkedAdd(checkedSub(p.gStartX, p.gEndX), p.gParamL)), " Y",
                  FormatCoord(p.gStartZ), " L", roughRadius()});
        text.add({kContinuation, "X", roughOuter(), " Y", FormatCoord(p.gStartZ), " L", roughRadius()});
        text.add({"N000 G01 X", outer()});
    } else {
        text.add({kContinuation, "X", outer(), " G41"});
    }
    text.add({"N000 G03 X", opposite(), " Y", FormatCoord(p.gStartZ), " L", FormatCoord(p.gEndX)});
    text.add({kContinuation, "X", outer(), " Y", FormatCoord(p.gStartZ), " L", FormatCoord(p.gEndX)});
    text.add({"N000 G01 X", FormatCoord(p.gStartX), " G40"});
}

ProcessGenerator slantCircleGenerator() { return rotaryGenerator(kCircle, circleDialog(), buildCircle); }

}  // namespace quillmar

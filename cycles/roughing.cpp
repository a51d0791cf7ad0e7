#include "cycles/roughing.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"
#include "cycles/work_shape_values.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

void computeSpindleSpeed(SharedState& s) { takeSpeedAtStartDiameter(s, 6.0); }

// a > b, where a difference the decimals do not show (1.1 − 0.1 against 1) is no
// difference, so the user's equal values choose the same branch however binary
// arithmetic rounds them.
bool clearlyGreater(double a, double b) {
    return a > b && std::fabs(a - b) > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

void appendFaceToolData(ProgramText& text) {
    appendToolData(text, {{"IN", "1"}, {"FN", "1"}, {"A1", "80"}}, {{"A2", "0.2"}, {"L", "1.6"}});
}

void appendNtLine(ProgramText& text, const QString& z) {
    text.add({text.toolLabel(), "     Z", z, " G96 S", FormatCoord(text.p.gParamV)});
}

// The longitudinal contour from the finished diameter, chamfered at both corners, to the
// stock: outward (G42, A135) on the outside, inward (G41, A-135) in a bore.
enum class Side { Outer, Inner };

void appendLongitudinalContour(ProgramText& text, Side side) {
    ProcessParameters& p = text.p;
    const double c = p.gParamC;
    const double toward = side == Side::Outer ? -1.0 : 1.0;  // from the finished diameter into the stock
    const QString angle = side == Side::Outer ? QStringLiteral(" A135") : QStringLiteral(" A-135");
    text.add({"N000 G00 X", FormatCoordValue(p.gStartX + toward * 2 * (c + 0.02))});
    text.add({"N000 G01 Z", FormatCoordValue(p.gStartZ + 0.02),
              side == Side::Outer ? " G42 F0.006" : " G41 F0.006"});
    text.add({kContinuation, "X", FormatCoord(p.gStartX), angle});
    text.add({kContinuation, "Z", FormatCoord(p.gEndZ)});
    // The doubling is the single-precision chamfer's own, exact but bounded by its range.
    text.add({kContinuation, "X", FormatCoordValue(p.gEndX + toward * double(singleOf(2 * c)))});
    text.add({kContinuation, "X", FormatCoord(p.gEndX), angle});
    text.add("N000 G40 K-1");
    text.add("N000 G80");
}

void appendLongitudinalCycle(ProgramText& text, const char* contour) {
    ProcessParameters& p = text.p;
    const QString name = QString::fromLatin1(contour);
    text.add({"N000 G85 ", name, " D", FormatCoord(p.gParamD), " U", FormatCoord(p.gParamU), " W",
              FormatCoord(p.gParamW), " F", FormatCoord(p.gParamF)});
    text.add({name, " G81"});
}

// --- outer ------------------------------------------------------------------------------

void buildOuter(SharedState& s) {
    computeSpindleSpeed(s);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    text.header("OD.ROUGH");
    appendToolData(text, {{"IN", "1"}, {"FN", "1"}, {"A1", "55"}}, {{"A2", "3"}, {"L", "1.6"}});
    AppendToolChange(text);
    appendToolCallLine(text, FormatCoord(p.gEndX), " M41 S");
    appendNtLine(text, FormatCoordValue(p.gStartZ + 0.08));
    AppendLoadMonitorOn(text, "2+8");
    appendLongitudinalCycle(text, "NAP2");
    appendLongitudinalContour(text, Side::Outer);
    AppendLoadMonitorOff(text);
    appendSpindleStopEnding(text, ReturnMove::Rapid);
    appendCycleClosing(text);
}

ProcessDialogLayout longitudinalLayout(const char* caption, int row) {
    ProcessDialogLayout d;
    d.caption = QString::fromLatin1(caption);
    d.processNumber = row;
    d.captions = {{"LabelD", "Deepth"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""}, {"LabelEndC", ""}};
    d.hidden = {"L", "StartC", "EndC"};
    d.texts = {{"StartZ", "0"}};
    return d;
}

// --- inner ------------------------------------------------------------------------------

void buildInner(SharedState& s) {
    ProcessParameters& p = s.params;
    // The bore is what the tool leaves: the start diameter as the program writes it.
    FormatCoord(p.gStartX);
    singleOf(p.gStartX);  // it must fit the work shape's inner diameter
    computeSpindleSpeed(s);

    ProgramText text(s);
    text.header("ID.ROUGH");
    appendToolData(text, {{"IN", "2"}, {"FN", "1"}, {"A1", "60"}},
                   {{"A2", "3"}, {"D", kBoringBarShank}, toolLengthAlongZ(p)});
    AppendToolChange(text);
    appendToolCallLine(text, FormatCoord(p.gEndX), " M42 S");
    appendNtLine(text, FormatCoordValue(p.gStartZ + 0.08));
    AppendLoadMonitorOn(text, "2+8");
    appendLongitudinalCycle(text, "NAP3");
    appendLongitudinalContour(text, Side::Inner);
    AppendLoadMonitorOff(text);
    text.add({"N000 G00 Z", FormatCoordValue(s.profile.gApproachZ)});
    appendSpindleStopEnding(text, ReturnMove::Continuation);
    appendCycleClosing(text);
}

// The work shape takes the bore only once the block is in the document, so a command
// that fails leaves it as it was.
void insertInner(SharedState& s, RichTextBox& document) {
    document.setSelText(s.gOutputText);
    s.workShape.gMaterialID = singleOf(s.params.gStartX);
}

// --- face -------------------------------------------------------------------------------

void buildFace(SharedState& s) {
    computeSpindleSpeed(s);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    text.header("OD.ROUGH FACE");
    appendFaceToolData(text);
    AppendToolChange(text);
    appendToolCallLine(text, FormatCoordValue(p.gStartX + 0.24), " M41 S");
    appendNtLine(text, FormatCoord(p.gStartZ));
    AppendLoadMonitorOn(text, "1+8");
    text.add({"N000 G85 NAP1 D", FormatCoord(p.gParamL), " W", FormatCoord(p.gParamW), " F", FormatCoord(p.gParamF)});
    text.add("NAP1 G82");
    text.add({"N000 G00 Z", FormatCoord(p.gEndZ)});
    text.add({"N000 G01 X", FormatCoord(p.gStartX), " G41 F0.006"});
    text.add({kContinuation, "X", FormatCoord(p.gEndX)});
    text.add("N000 G40 I-1");
    text.add("N000 G80");
    AppendLoadMonitorOff(text);
    appendSpindleStopEnding(text, ReturnMove::Rapid);
    appendCycleClosing(text);
}

// --- face and outer ---------------------------------------------------------------------

// The face stage ends at the face end diameter, or, with none, faces through the centre
// with nose-radius compensation.
void appendFaceStageEnd(ProgramText& text, const QString& feed) {
    ProcessParameters& p = text.p;
    std::optional<double>& od = text.state.workShape.gMaterialOD;
    if (writtenValue(p.gParamSZ) != 0.0) {
        text.add({"N000 G01 X", FormatCoord(p.gParamSZ), feed});
        return;
    }
    text.add({"N000 G01 X", formatWorkValue(od), feed.isEmpty() ? QStringLiteral(" G41") : " G41" + feed});
    text.add({kContinuation, "X0"});
    text.add("N000 G40 I-1");
}

void buildFaceOuter(SharedState& s) {
    computeSpindleSpeed(s);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    WorkShape& work = s.workShape;
    const double od = workValue(work.gMaterialOD);
    const double pZero = workValue(work.gPZero);

    text.header("OD.ROUGH");
    appendFaceToolData(text);
    AppendToolChange(text);
    appendToolCallLine(text, FormatCoordValue(od + 0.2), " M41 S");

    // Judged on the values as written, so the program's own numbers agree with the branch.
    if (clearlyGreater(writtenValue(pZero) - writtenValue(p.gStartZ), writtenValue(p.gParamL))) {
        // More stock on the face than one cut: a facing cycle down to the start Z.
        appendNtLine(text, formatWorkValue(work.gPZero));
        AppendLoadMonitorOn(text, "1+8");
        text.add({"N000 G85 NAP1 D", FormatCoord(p.gParamL), " W", FormatCoord(p.gParamW), " F",
                  FormatCoordValue(p.gParamF * 0.8)});
        text.add("NAP1 G82");
        text.add({"N000 G00 Z", FormatCoord(p.gStartZ)});
        appendFaceStageEnd(text, QString());
        text.add("N000 G80");
    } else {
        // One pass at the finishing allowance.
        appendNtLine(text, FormatCoordValue(p.gStartZ + p.gParamW));
        AppendLoadMonitorOn(text, "1");
        appendFaceStageEnd(text, " F" + FormatCoordValue(p.gParamF * 0.8));
    }

    text.add({"N000 G00 X", formatWorkValue(work.gMaterialOD), " Z", FormatCoordValue(p.gStartZ + 0.08)});
    appendLongitudinalCycle(text, "NAP2");
    appendLongitudinalContour(text, Side::Outer);
    AppendLoadMonitorOff(text);
    if (text.machine == MachineKind::Multus)
        text.add({"N000 G00 Z", FormatCoordValue(s.profile.gApproachZ)});
    appendSpindleStopEnding(text, ReturnMove::Rapid);
    appendCycleClosing(text);
}

}  // namespace

ProcessGenerator roughOuterGenerator() {
    ProcessGenerator g;
    g.dialog = longitudinalLayout("O.D.Rough", 5);
    g.prefill = [](const SharedState& s) {
        return QList<ControlText>{{"EndX", workBoxText(s.workShape.gMaterialOD)}};
    };
    g.build = buildOuter;
    return g;
}

ProcessGenerator roughInnerGenerator() {
    ProcessGenerator g;
    g.dialog = longitudinalLayout("I.D.Rough", 6);
    g.prefill = [](const SharedState& s) { return QList<ControlText>{{"EndX", boxText(s.workShape.gMaterialID)}}; };
    g.build = buildInner;
    g.insert = insertInner;
    return g;
}

ProcessGenerator roughFaceGenerator() {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QStringLiteral("O.D.Rough face");
    d.processNumber = 4;
    d.captions = {{"LabelD", ""},      {"LabelD2", ""}, {"LabelL", "Face Deep"}, {"LabelL2", "Z"},
                  {"LabelC", ""},      {"LabelC2", ""}, {"LabelU", ""},          {"LabelU2", ""},
                  {"LabelStartC", ""}, {"LabelEndC", ""}};
    d.hidden = {"D", "C", "U", "StartC", "EndC"};
    d.texts = {{"EndZ", "0"}};
    g.prefill = [](const SharedState& s) {
        const WorkShape& w = s.workShape;
        return QList<ControlText>{{"StartX", workBoxText(w.gMaterialOD)},
                                  {"StartZ", workBoxText(w.gPZero)},
                                  {"EndX", boxText(w.gMaterialID)}};
    };
    g.build = buildFace;
    return g;
}

ProcessGenerator roughFaceOuterGenerator() {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QStringLiteral("Face Rough");
    d.processNumber = 3;
    d.captions = {{"LabelD", "Deepth"}, {"LabelD2", "X"}, {"LabelCZ", "Face end"}, {"LabelSZ", "X"},
                  {"LabelL", "Face deep"}, {"LabelL2", "Z"}, {"LabelStartC", ""}, {"LabelEndC", ""}};
    d.hidden = {"StartC", "EndC"};
    d.shown = {"LabelSZ", "SZ"};
    d.texts = {{"StartZ", "0"}};
    g.prefill = [](const SharedState& s) {
        const WorkShape& w = s.workShape;
        // The face stage stops short of a bore already there, leaving 0.06 on its radius.
        const QString faceEnd = w.gMaterialID.value() != 0.0f ? boxText(double(w.gMaterialID) - 0.12)
                                                              : QStringLiteral("0");
        return QList<ControlText>{{"EndX", workBoxText(w.gMaterialOD)}, {"SZ", faceEnd}};
    };
    g.build = buildFaceOuter;
    return g;
}

}  // namespace quillmar

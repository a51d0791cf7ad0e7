#include "cycles/finishing.h"

#include "common/format.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"

namespace quillmar {
namespace {

// What sets the four finishing cycles apart; one builder reads it.
struct FinishingMember {
    const char* caption;
    int row;
    const char* title;
    const char* contour;      // the roughing block's contour G87 finishes
    const char* loadMonitor;  // the load-monitor value
    bool boreToolData;        // the inner tool's data (a boring bar with its length)
    LineValue approachX;      // X of the tool call
    LineValue approachZ;      // Z of the tool's first approach line
    // Face & O.D.: the dialog keeps the facing feed and end X, and a facing pass comes
    // before the contour.
    bool facing;
    const char* boreBox;  // the box the work's inner diameter pre-fills (StartZ then "0")
    TurningEnding ending;
};

QString startXPlusClearance(ProgramText& t) { return FormatCoordValue(t.p.gStartX + 0.16); }
QString startX(ProgramText& t) { return FormatCoord(t.p.gStartX); }
QString startZPlusClearance(ProgramText& t) { return FormatCoordValue(t.p.gStartZ + 0.08); }
QString startZ(ProgramText& t) { return FormatCoord(t.p.gStartZ); }

TurningEnding homeAfterRetreat(MultusSpeedWord multus) {
    TurningEnding e;
    e.retreat = {speedRetreatToApproachX()};
    e.speedInRetreat = true;
    e.multus = multus;
    return e;
}

TurningEnding spindleStop() { return {}; }

// Out of the bore: a step of 0.04 on the diameter off the wall, incrementally, then out
// along Z.
TurningEnding outOfTheBore() {
    TurningEnding e;
    e.retreat = {{{"N000 G01 X-0.04 G91"}}, {{"N000 G00 Z", approachZValue}, {" G90"}}};
    e.move = ReturnMove::Continuation;
    return e;
}

const FinishingMember& outerMember() {
    static const FinishingMember m{"O.D.Finish", 9, "OD.FINISH", "NAP2", "8", false,
                                   startXPlusClearance, startZPlusClearance, false, nullptr,
                                   homeAfterRetreat(MultusSpeedWord::Written)};
    return m;
}

const FinishingMember& faceMember() {
    static const FinishingMember m{"O.D. & Face Finish", 8, "OD.FINISH FACE", "NAP1", "1+8", false,
                                   startXPlusClearance, startZPlusClearance, false, nullptr, spindleStop()};
    return m;
}

const FinishingMember& faceOuterMember() {
    static const FinishingMember m{"Face & O.D.Finish", 7, "OD.FINISH", "NAP2", "1+8", false,
                                   startXPlusClearance, startZ, true, "EndX",
                                   homeAfterRetreat(MultusSpeedWord::Omitted)};
    return m;
}

const FinishingMember& innerMember() {
    static const FinishingMember m{"I.D.Finish", 10, "ID.FINISH", "NAP3", "8", true,
                                   startX, startZPlusClearance, false, "StartX", outOfTheBore()};
    return m;
}

// Faces from the start X to the end X, or through the centre with nose-radius
// compensation, then stands off 2 above the end Z at the start X.
void appendFacingPass(ProgramText& text) {
    ProcessParameters& p = text.p;
    if (writtenValue(p.gEndX) != 0.0) {
        text.add({"N000 G01 X", FormatCoord(p.gEndX), " F", FormatCoord(p.gParamF)});
    } else {
        text.add({"N000 G01 X", FormatCoord(p.gStartX), " G41 F", FormatCoord(p.gParamF)});
        text.add({kContinuation, "X0"});
        text.add("N000 G40 I-1");
    }
    text.add({"N000 G00 X", FormatCoord(p.gStartX), " Z", FormatCoordValue(p.gEndZ + 2)});
}

void buildFinishing(const FinishingMember& m, SharedState& s) {
    ProcessParameters& p = s.params;
    takeSpeedAtStartDiameter(s, 6.0);

    ProgramText text(s);
    text.header(QString::fromLatin1(m.title));
    if (m.boreToolData)
        appendToolData(text, {{"IN", "8"}, {"FN", "1"}, {"A1", "60"}},
                       {{"A2", "3"}, {"D", kBoringBarShank}, toolLengthAlongZ(p)});
    else
        appendToolData(text, {{"IN", "7"}, {"FN", "1"}, {"A1", "55"}}, {{"A2", "0.2"}, {"L", "1.6"}});
    AppendToolChange(text);
    appendToolCallLine(text, m.approachX(text), " M42 S");
    text.add({text.toolLabel(), "     Z", m.approachZ(text), " G96 S", FormatCoord(p.gParamV)});
    AppendLoadMonitorOn(text, QString::fromLatin1(m.loadMonitor));
    if (m.facing)
        appendFacingPass(text);
    // A zero allowance, or one the program would write as 0, is left to the control.
    text.add({"N000 G87 ", QString::fromLatin1(m.contour), wordIfAbove(" U", p.gParamU, 0.0),
              wordIfAbove(" W", p.gParamW, 0.0)});
    AppendLoadMonitorOff(text);
    appendTurningEnding(text, m.ending);
    appendCycleClosing(text);
}

ProcessGenerator finishingGenerator(const FinishingMember& m) {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QString::fromLatin1(m.caption);
    d.processNumber = m.row;
    // The chamfer's label names the facing pass in Face & O.D.; its box stays hidden.
    d.captions = {{"LabelD", ""},      {"LabelD2", ""},   {"LabelL", ""},    {"LabelL2", ""},
                  {"LabelC", m.facing ? "Face" : ""}, {"LabelC2", ""}, {"LabelStartC", ""},
                  {"LabelEndZ", ""},   {"LabelEndC", ""}};
    d.hidden = {"D", "L", "C", "StartC", "EndZ", "EndC", "EndZ2"};
    if (!m.facing) {
        d.captions.append({{"LabelF", ""}, {"LabelF2", ""}, {"LabelEnd", ""}, {"LabelEndX", ""}});
        d.hidden.append({"F", "EndX"});
    }
    if (m.boreBox) {
        const QString box = QString::fromLatin1(m.boreBox);
        g.prefill = [box](const SharedState& s) {
            return QList<ControlText>{{box, boxText(s.workShape.gMaterialID)}, {"StartZ", "0"}};
        };
    }
    g.build = [&m](SharedState& s) { buildFinishing(m, s); };
    return g;
}

}  // namespace

ProcessGenerator finishOuterGenerator() { return finishingGenerator(outerMember()); }
ProcessGenerator finishFaceGenerator() { return finishingGenerator(faceMember()); }
ProcessGenerator finishFaceOuterGenerator() { return finishingGenerator(faceOuterMember()); }
ProcessGenerator finishInnerGenerator() { return finishingGenerator(innerMember()); }

}  // namespace quillmar

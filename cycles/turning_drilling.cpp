#include "cycles/turning_drilling.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/read_number.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"
#include "cycles/work_shape_values.h"

namespace quillmar {
namespace {

enum class Drill { Hss, Insert };

ProcessDialogLayout drillDialog(Drill drill) {
    ProcessDialogLayout d;
    d.captions = {{"LabelD2", "D"}, {"LabelC", ""},      {"LabelC2", ""},      {"LabelW", ""},   {"LabelW2", ""},
                  {"LabelStartX", ""}, {"LabelStartC", ""}, {"LabelEndX", ""}, {"LabelEndC", ""}};
    d.hidden = {"C", "W", "StartX", "StartC", "EndX", "EndC"};
    if (drill == Drill::Hss) {
        d.caption = QStringLiteral("Hss Drill");
        d.processNumber = 1;
        d.captions += {{"LabelU", "Drill Dia"}};
    } else {
        d.caption = QStringLiteral("U-Drill");
        d.processNumber = 2;
        d.captions += {{"LabelU", "Drill Dia."}, {"LabelD", "In side"}, {"LabelL", "Out side"}};
    }
    return d;
}

// The hole starts at the face the workpiece dialog set, empty before it was used.
QList<ControlText> drillPrefill(const SharedState& s) { return {{"StartZ", workBoxText(s.workShape.gPZero)}}; }

// The drill diameter as the program writes it is the bore the work has from now on, and
// the speed is taken at that diameter.
void takeBoreAndSpeed(SharedState& s) {
    ProcessParameters& p = s.params;
    s.workShape.gMaterialID = singleOf(ReadNumber(FormatCoord(p.gParamU)));
    s.gSpindleSpeed = spindleSpeedInches(p.gParamV, p.gParamU);
}

// Header, tool data, tool change and tool call: the same for both drills but the tool
// kind and point angle.
void appendDrillHead(ProgramText& text, const char* kind, const char* pointAngle) {
    ProcessParameters& p = text.p;
    text.header({"DRILL D", FormatCoord(p.gParamU)});
    appendToolData(text, {{"IN", kind}, {"FN", "1"}, {"A1", pointAngle}},
                   {{"D", p.gParamU}, toolLengthAlongZ(p)});
    AppendToolChange(text);
    appendToolCallLine(text, QStringLiteral("0"), " M42 S", OtherToolWord::Twice);
}

// The D word of G74: the step given, or else the hole depth plus 0.16, so that the hole
// is drilled in one go. The bottom Z is the one the line wrote before it.
QString peckStep(ProcessParameters& p) {
    if (writtenAbove(p.gParamD, 0))
        return FormatCoord(p.gParamD);
    return FormatCoordValue((p.gStartZ - p.gEndZ) + 0.16);
}

void buildHss(SharedState& s) {
    takeBoreAndSpeed(s);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    appendDrillHead(text, "22", "118");
    AppendLoadMonitorOn(text, "2+8");
    text.add({text.toolLabel(), " G74 X0 Z", FormatCoord(p.gEndZ), " K",
              FormatCoordValue((s.profile.gApproachZ - p.gStartZ) - 0.12), " D", peckStep(p),
              wordIfAbove(" L", p.gParamL, 0), " F", FormatCoord(p.gParamF)});
    AppendLoadMonitorOff(text);
    appendHomeEnding(text, ReturnMove::Rapid, ApproachReturn::Yes, " M05 M63 M09");
    appendCycleClosing(text);
}

// The insert drill goes in and out of the work at half the feed: over the entry length D
// below the face and the exit length L above the bottom, when given. A feed too fine to
// halve in ten-thousandths is kept whole there rather than written as F0.
void appendInsertDrillFeeds(ProgramText& text) {
    ProcessParameters& p = text.p;
    QString move = QStringLiteral("N000 G01 Z");
    const auto next = [&move] {
        const QString current = move;
        move = kContinuation + QLatin1Char('Z');
        return current;
    };
    const auto reducedFeed = [&p] {
        const double half = p.gParamF * 0.5;
        return writtenValue(half) == 0.0 ? FormatCoord(p.gParamF) : FormatCoordValue(half);
    };
    if (writtenAbove(p.gParamD, 0))
        text.add({next(), FormatCoordValue(p.gStartZ - p.gParamD), " F", reducedFeed()});
    if (writtenAbove(p.gParamL, 0)) {
        text.add({next(), FormatCoordValue(p.gEndZ + p.gParamL), " F", FormatCoord(p.gParamF)});
        text.add({next(), FormatCoord(p.gEndZ), " F", reducedFeed()});
    } else {
        text.add({next(), FormatCoord(p.gEndZ), " F", FormatCoord(p.gParamF)});
    }
}

void buildInsert(SharedState& s) {
    takeBoreAndSpeed(s);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    appendDrillHead(text, "23", "180");
    text.add({text.toolLabel(), "     Z", FormatCoordValue(p.gStartZ + 0.12)});
    AppendLoadMonitorOn(text, "2+8");
    appendInsertDrillFeeds(text);
    AppendLoadMonitorOff(text);
    text.add({"N000 G00 Z", FormatCoordValue(s.profile.gApproachZ)});
    appendHomeEnding(text, ReturnMove::Continuation, ApproachReturn::Yes, " M05 M63 M09");
    appendCycleClosing(text);
}

ProcessGenerator drillGenerator(Drill drill) {
    ProcessGenerator g;
    g.dialog = drillDialog(drill);
    g.prefill = drillPrefill;
    g.build = drill == Drill::Hss ? buildHss : buildInsert;
    return g;
}

}  // namespace

ProcessGenerator hssDrillGenerator() { return drillGenerator(Drill::Hss); }
ProcessGenerator uDrillGenerator() { return drillGenerator(Drill::Insert); }

}  // namespace quillmar

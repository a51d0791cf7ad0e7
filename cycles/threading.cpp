#include "cycles/threading.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"

namespace quillmar {
namespace {

enum class Thread { Outer, Inner, Face };

// What tells the three members apart; everything else is one block.
struct ThreadMember {
    Thread kind;
    const char* caption;
    int row;
    const char* toolKind;  // the IN value of the tool data
};

constexpr ThreadMember kOuter{Thread::Outer, "O.D.Thread", 15, "13"};
constexpr ThreadMember kInner{Thread::Inner, "I.D.Thread", 16, "14"};
constexpr ThreadMember kFace{Thread::Face, "Face Thread", 14, "10.2"};

ProcessDialogLayout threadDialog(const ThreadMember& m) {
    ProcessDialogLayout d;
    d.caption = QString::fromLatin1(m.caption);
    d.processNumber = m.row;
    if (m.kind == Thread::Face) {
        d.captions = {{"LabelU", ""},         {"LabelU2", ""},        {"LabelL", "chamfer"},
                      {"LabelD", "Deepth"},   {"LabelC", "Thread No."}, {"LabelC2", "J"},
                      {"LabelEndC", ""},      {"LabelStart", "Cycle point"}};
        d.hidden = {"U", "EndC"};
    } else {
        d.captions = {{"LabelW", ""},         {"LabelW2", ""},        {"LabelL", "Chamfer"},
                      {"LabelD", "Deepth"},   {"LabelC", "Read No."}, {"LabelC2", "J"},
                      {"LabelEnd", "Size"},   {"LabelEndC", ""},      {"LabelStart", "Cycle point"}};
        d.hidden = {"W", "EndC"};
    }
    // The thread starts at C0; the block does not read the box.
    d.texts = {{"StartC", "0"}};
    return d;
}

// The speed at the thread's diameter in inches (the start diameter on the face), taken
// only when there is a speed and a diameter to take it at; otherwise the last speed stays.
void computeSpindleSpeed(SharedState& s, const ThreadMember& m) {
    const ProcessParameters& p = s.params;
    const double diameter = m.kind == Thread::Face ? p.gStartX : p.gEndX;
    if (writtenAbove(p.gParamV, 0) && writtenAbove(diameter, 0))
        s.gSpindleSpeed = spindleSpeedDividing(p.gParamV, {diameter, 25.4, 10.0});
}

void appendThreadToolData(ProgramText& text, const ThreadMember& m) {
    ProcessParameters& p = text.p;
    const std::initializer_list<ToolDatum> first = {{"IN", m.toolKind}, {"FN", "1"}, {"A1", "60"}};
    if (m.kind == Thread::Inner)
        appendToolData(text, first, {{"D", kBoringBarShank}, toolLengthAlongZ(p)});
    else
        appendToolData(text, first, {{"L", "1.6"}});
}

// The thread's end and depth: an outer thread is cut to the size less 0.65 of the pitch
// on each side, an inner one from the size by one pitch on the diameter, a face thread
// 0.65 of the pitch deep in Z. The pitch is the one the header wrote.
QString threadEnd(ProcessParameters& p, Thread kind) {
    switch (kind) {
        case Thread::Outer: {
            const double depth = p.gParamF * 0.65 * 2;
            return " X" + FormatCoordValue(p.gEndX - depth) + " Z" + FormatCoord(p.gEndZ) + " H" +
                   FormatCoordValue(depth);
        }
        case Thread::Inner:
            return " X" + FormatCoord(p.gEndX) + " Z" + FormatCoord(p.gEndZ) + " H" + FormatCoord(p.gParamF);
        case Thread::Face:
            return " X" + FormatCoord(p.gEndX) + " Z" + FormatCoord(p.gEndZ) + " H" +
                   FormatCoordValue(p.gParamF * 0.65);
    }
    return {};
}

QString chamferWords(ProcessParameters& p) {
    if (!writtenAbove(p.gParamL, 0))
        return {};
    return " L" + FormatCoord(p.gParamL) + " M23";
}

void buildThread(SharedState& s, const ThreadMember& m) {
    computeSpindleSpeed(s, m);
    ProgramText text(s);
    ProcessParameters& p = s.params;
    if (m.kind == Thread::Face)
        text.header({"OD.THREAD FACE P", FormatCoord(p.gParamF)});
    else
        text.header({m.kind == Thread::Outer ? "OD.THREAD M" : "ID.THREAD M", FormatCoord(p.gEndX), "*P",
                     FormatCoord(p.gParamF)});
    appendThreadToolData(text, m);
    AppendToolChange(text);
    appendToolCallLine(text, FormatCoord(p.gStartX), " M42 S", OtherToolWord::Twice);
    text.add({text.toolLabel(), "     Z", FormatCoord(p.gStartZ)});
    const bool face = m.kind == Thread::Face;
    text.add({face ? "N000 G72" : "N000 G71", threadEnd(p, m.kind), " D", FormatCoord(p.gParamD),
              face ? wordIfAbove(" W", p.gParamW, 0) : wordIfAbove(" U", p.gParamU, 0),
              chamferWords(p), countIfAbove(" Q", p.gParamC, 1), " F", FormatCoord(p.gParamF)});
    if (m.kind == Thread::Outer)
        text.add({"N000 G00 X", FormatCoordValue(s.profile.gApproachX)});
    else
        text.add({"N000 G00 Z", FormatCoordValue(s.profile.gApproachZ)});
    appendHomeEnding(text, ReturnMove::Continuation, ApproachReturn::No, " M05 M63 M09");
    appendCycleClosing(text);
}

ProcessGenerator threadGenerator(const ThreadMember& m) {
    ProcessGenerator g;
    g.dialog = threadDialog(m);
    g.build = [&m](SharedState& s) { buildThread(s, m); };
    return g;
}

}  // namespace

ProcessGenerator threadFaceGenerator() { return threadGenerator(kFace); }
ProcessGenerator threadOuterGenerator() { return threadGenerator(kOuter); }
ProcessGenerator threadInnerGenerator() { return threadGenerator(kInner); }

}  // namespace quillmar

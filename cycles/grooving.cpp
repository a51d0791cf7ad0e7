#include "cycles/grooving.h"

#include "common/format.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"
#include "cycles/work_shape_values.h"

namespace quillmar {
namespace {

using Text = ProgramText;
using Lines = std::vector<LineTemplate>;

// A wall is finished in seven lines (first wall) or four (second wall); the last line
// goes on with the word that switches the tool offset.
struct Walls {
    Lines first;
    Lines second;
};

// What sets the three grooving cycles apart; one builder reads it.
struct GroovingMember {
    const char* caption;
    const char* insertLabel;
    const char* insertLetter;
    const char* attention;
    int row;
    void (*computeSpeed)(SharedState&);
    LineTemplate title;
    const char* toolKind;
    bool boreToolData;  // the inner tool's data, with its diameter and length
    LineTemplate approach;  // the tool call's position; the tool words follow
    Lines toolLabel;        // the tool's first approach, with the constant surface speed
    LineTemplate roughing;  // the grooving cycle; its offset word follows
    Walls chamfer;
    Walls radius;
    TurningEnding ending;
};

// The chamfer or corner radius, widened through the decimal it shows.
double c(const Text& t) { return t.p.gParamC; }
// 2C: C + C, held in single precision like C.
double twoC(const Text& t) { return singleOf(2.0 * c(t)); }
// A chamfer's start, 0.02 clear of the edge: 2 × (C + 0.02) on a diameter.
double twoCClear(const Text& t) { return 2 * (c(t) + 0.02); }

QString fc(double value) { return FormatCoordValue(value); }
// An offset number is a whole-number word.
QString offset(double value) { return FormatWholeWord(value); }

// Bare parameters are cut in place as they are written.
QString startX(Text& t) { return FormatCoord(t.p.gStartX); }
QString startZ(Text& t) { return FormatCoord(t.p.gStartZ); }
QString endX(Text& t) { return FormatCoord(t.p.gEndX); }
QString endZ(Text& t) { return FormatCoord(t.p.gEndZ); }
QString feed(Text& t) { return FormatCoord(t.p.gParamF); }
QString depth(Text& t) { return FormatCoord(t.p.gParamD); }
QString chamfer(Text& t) { return FormatCoord(t.p.gParamC); }
QString cuttingSpeed(Text& t) { return FormatCoord(t.p.gParamV); }

QString startXPlusU(Text& t) { return fc(t.p.gStartX + t.p.gParamU); }
QString startZPlusW(Text& t) { return fc(t.p.gStartZ + t.p.gParamW); }
QString startXOutside(Text& t) { return fc(t.p.gStartX + 0.16); }
QString startXInside(Text& t) { return fc(t.p.gStartX - 0.16); }
QString startZAbove(Text& t) { return fc(t.p.gStartZ + 0.08); }
QString startXOutsideWall(Text& t) { return fc(t.p.gStartX + 0.04); }
QString startXInsideWall(Text& t) { return fc(t.p.gStartX - 0.04); }
QString startZAboveWall(Text& t) { return fc(t.p.gStartZ + 0.02); }
QString startZBeforeChamfer(Text& t) { return fc(t.p.gStartZ - c(t) - 0.02); }
QString endZBeyondChamfer(Text& t) { return fc(t.p.gEndZ + c(t) + 0.02); }
QString startZBeforeRadius(Text& t) { return fc(t.p.gStartZ - c(t)); }
QString endZBeyondRadius(Text& t) { return fc(t.p.gEndZ + c(t)); }
QString widthAlongZ(Text& t) { return fc(t.p.gEndZ - t.p.gStartZ); }
QString insertKWord(Text& t) { return fc(t.p.gParamL - 0.02); }

// --- speeds -----------------------------------------------------------------------------

void outerSpeed(SharedState& s) { takeSpeedAtStartDiameter(s, 4.0); }

// Below a start X of 4 mm the divisor turns negative, and so does the speed.
void innerSpeed(SharedState& s) { takeSpeedAtStartDiameter(s, -4.0); }

// At the groove's small diameter; none at a diameter the program writes as 0 or less.
void faceSpeed(SharedState& s) {
    const ProcessParameters& p = s.params;
    if (writtenValue(p.gParamV) > 0.0 && writtenValue(p.gStartX) > 0.0)
        s.gSpindleSpeed = spindleSpeedDividing(p.gParamV, {p.gStartX, 25.4, 10.0});
}

// --- the three members ------------------------------------------------------------------

const GroovingMember& outerMember() {
    static const GroovingMember m{
        "O.D.Groove", "Insert Width", "K", "Attn.Start Z-axis is munes", 12, outerSpeed,
        {{"OD.GROOVE W", widthAlongZ}}, "19", false,
        {{"N000 G00 X", approachXValue}, {" Z", startZPlusW}},
        {{{"", toolLabelValue}, {"     X", startXOutside}}, {{"N000 G96 S", cuttingSpeed}}},
        {{"N000 G73 X", [](Text& t) { return fc(t.p.gEndX + t.p.gParamU); }},
         {" Z", [](Text& t) { return fc(t.p.gEndZ - t.p.gParamW); }},
         {" D", depth}, {" K", insertKWord}, {" F", feed}},
        {{{{"N000 G00 Z", startZBeforeChamfer}},
          {{"N000 G01 X", startXOutsideWall}, {" G41 F0.012"}},
          {{"N000     Z", startZ}, {" A-45 F", feed}},
          {{"N000     X", endX}, {" G40 I-1"}},
          {{"N000     Z", startZPlusW}},
          {{"N000 G00 X", startXOutside}},
          {{"N000     Z", endZBeyondChamfer}}},
         {{{"N000 G01 X", startXOutsideWall}, {" G42 F0.012"}},
          {{"N000     Z", endZ}, {" A-135 F", feed}},
          {{"N000     X", endX}, {" G40 I-1"}},
          {{"N000     Z", startZPlusW}}}},
        {{{{"N000 G00 Z", startZBeforeRadius}},
          {{"N000 G01 X", startX}, {" G41 F0.008"}},
          {{"N000 G02 X", [](Text& t) { return fc(t.p.gStartX - twoC(t)); }}, {" Z", startZ}, {" L", chamfer},
           {" F", feed}},
          {{"N000 G01 X", endX}, {" G40 I-1"}},
          {{"N000     Z", startZPlusW}},
          {{"N000 G00 X", startXOutside}},
          {{"N000     Z", endZBeyondRadius}}},
         {{{"N000 G01 X", startX}, {" G42 F0.008"}},
          {{"N000 G03 X", [](Text& t) { return fc(t.p.gStartX - twoC(t)); }}, {" Z", endZ}, {" L", chamfer},
           {" F", feed}},
          {{"N000 G01 X", endX}, {" G40 I-1"}},
          {{"N000     Z", startZPlusW}}}},
        {{speedRetreatToApproachX()}, true, ReturnMove::Rapid, MacTurnReturn::None, MultusSpeedWord::Omitted}};
    return m;
}

const GroovingMember& innerMember() {
    static const GroovingMember m{
        "I.D.Groove", "バイト巾", "K", "注：開始点のZ軸はマイナス側です。", 13, innerSpeed,
        {{"ID.GROOVE W", widthAlongZ}}, "20", true,
        {{"N000 G00 X", startXInside}, {" Z", approachZValue}},
        {{{"", toolLabelValue}, {"     Z", startZPlusW}}, {{"N000 G96 S", cuttingSpeed}}},
        {{"N000 G73 X", [](Text& t) { return fc(t.p.gEndX - t.p.gParamU); }},
         {" Z", [](Text& t) { return fc(t.p.gEndZ - t.p.gParamW); }},
         {" D", depth}, {" K", insertKWord}, {" F", feed}},
        {{{{"N000 G00 Z", startZBeforeChamfer}},
          {{"N000 G01 X", startXInsideWall}, {" G42 F0.012"}},
          {{"N000     Z", startZ}, {" A45 F", feed}},
          {{"N000     X", endX}, {" G40 I1"}},
          {{"N000     Z", startZPlusW}},
          {{"N000 G00 X", startXInside}},
          {{"N000     Z", endZBeyondChamfer}}},
         {{{"N000 G01 X", startXInsideWall}, {" G41 F0.012"}},
          {{"N000     Z", endZ}, {" A135 F", feed}},
          {{"N000     X", endX}, {" G40 I1"}},
          {{"N000     Z", startZPlusW}}}},
        {{{{"N000 G00 Z", startZBeforeRadius}},
          {{"N000 G01 X", startX}, {" G42 F0.008"}},
          {{"N000 G03 X", [](Text& t) { return fc(t.p.gStartX + twoC(t)); }}, {" Z", startZ}, {" L", chamfer},
           {" F", feed}},
          {{"N000 G01 X", endX}, {" G40 I1"}},
          {{"N000     Z", startZPlusW}},
          {{"N000 G00 X", startXInside}},
          {{"N000     Z", endZBeyondRadius}}},
         {{{"N000 G01 X", startX}, {" G41 F0.008"}},
          {{"N000 G02 X", [](Text& t) { return fc(t.p.gStartX + twoC(t)); }}, {" Z", endZ}, {" L", chamfer},
           {" F", feed}},
          {{"N000 G01 X", endX}, {" G40 I1"}},
          {{"N000     Z", startZPlusW}}}},
        {{{{"N000 G00 X", startXInside}},
          {{"N000     Z", approachZValue}, {" G97 S", spindleSpeedValue}, {" M63"}}},
         true, ReturnMove::Rapid, MacTurnReturn::ToApproachX, MultusSpeedWord::Omitted}};
    return m;
}

const GroovingMember& faceMember() {
    static const GroovingMember m{
        "Face Groove", "Tip Width", "W", "Attn. Start point is small diameter.", 11, faceSpeed,
        {{"OD.GROOVE FACE W", [](Text& t) { return fc((t.p.gEndX - t.p.gStartX) / 2); }}}, "21", false,
        {{"N000 G00 X", startXPlusU}, {" Z", approachZValue}},
        {{{"", toolLabelValue}, {"     Z", startZAbove}, {" G96 S", cuttingSpeed}}},
        {{"N000 G74 X", [](Text& t) { return fc(t.p.gEndX - t.p.gParamU); }},
         {" Z", [](Text& t) { return fc(t.p.gEndZ + t.p.gParamW); }},
         {" D", depth}, {" I", insertKWord}, {" F", feed}},
        {{{{"N000 G00 X", [](Text& t) { return fc(t.p.gStartX - twoCClear(t)); }}},
          {{"N000 G01 Z", startZAboveWall}, {" G42 F0.012"}},
          {{"N000     X", startX}, {" A135 F", feed}},
          {{"N000     Z", endZ}, {" G40 K-1"}},
          {{"N000     X", startXPlusU}},
          {{"N000 G00 Z", startZAbove}},
          {{"N000     X", [](Text& t) { return fc(t.p.gEndX + twoCClear(t)); }}}},
         {{{"N000 G01 Z", startZAboveWall}, {" G41 F0.012"}},
          {{"N000     X", endX}, {" A-135 F", feed}},
          {{"N000     Z", endZ}, {" G40 K-1"}},
          {{"N000     X", startXPlusU}}}},
        {{{{"N000 G00 X", [](Text& t) { return fc(t.p.gStartX - twoC(t)); }}},
          {{"N000 G01 Z", startZ}, {" G42 F0.012"}},
          {{"N000 G03 X", startX}, {" Z", startZBeforeRadius}, {" L", chamfer}, {" F", feed}},
          {{"N000 G01 Z", endZ}, {" G40 K-1"}},
          {{"N000     X", startXPlusU}},
          {{"N000 G00 Z", startZAbove}},
          {{"N000     X", [](Text& t) { return fc(t.p.gEndX + twoC(t)); }}}},
         {{{"N000 G01 Z", startZ}, {" G41 F0.012"}},
          {{"N000 G02 X", endX}, {" Z", startZBeforeRadius}, {" L", chamfer}, {" F", feed}},
          {{"N000 G01 Z", endZ}, {" G40 K-1"}},
          {{"N000     X", startXPlusU}}}},
        {{{{"N000 G00 Z", approachZValue}}}, false, ReturnMove::Continuation}};
    return m;
}

// --- the block --------------------------------------------------------------------------

// The tool works the groove on three offsets: the grooving cycle on offset t + 20, the
// first wall switching to the pairs (t + 20, t, t + 20), the second back to (t, t, t).
// With tool life the control picks them as offset groups 2 and 1.
QString roughingOffsetWord(Text& text) {
    if (text.profile.gToolLife)
        return QStringLiteral(" OG=2");
    return " T" + offset(text.p.gToolNo + 20);
}

QString wallOffsetWord(Text& text, double pairsAdded, const char* group) {
    if (text.profile.gToolLife)
        return QString::fromLatin1(group);
    const QString address = text.machine == MachineKind::Other ? QStringLiteral(" T") : QStringLiteral(" TL=");
    return address + offset(text.p.gToolNo * 10101 + pairsAdded) + text.p.gBAxisCode;
}

void appendWall(Text& text, const Lines& wall, double pairsAdded, const char* group) {
    for (std::size_t i = 0; i + 1 < wall.size(); ++i)
        text.add(lineText(text, wall[i]));
    text.add({lineText(text, wall.back()), wallOffsetWord(text, pairsAdded, group)});
}

void appendGrooveToolData(Text& text, const GroovingMember& m) {
    if (!text.profile.gToolShape)
        return;
    ProcessParameters& p = text.p;
    const QString kind = QString::fromLatin1(m.toolKind);
    if (m.boreToolData)
        appendToolData(text, {{"IN", kind}, {"FN", "1"}, {"A1", "180"}},
                       {{"D", kBoringBarShank}, {"W", FormatCoord(p.gParamL)}, toolLengthAlongZ(p)});
    else
        appendToolData(text, {{"IN", kind}, {"FN", "1"}, {"A1", "180"}},
                       {{"W", FormatCoord(p.gParamL)}, {"L", "1.6"}});
}

void buildGrooving(const GroovingMember& m, SharedState& s) {
    m.computeSpeed(s);
    Text text(s);
    text.header(lineText(text, m.title));
    appendGrooveToolData(text, m);
    AppendToolChange(text);
    text.add({lineText(text, m.approach), toolCallWords(text, " M42 S")});
    appendLines(text, m.toolLabel);
    text.add({lineText(text, m.roughing), roughingOffsetWord(text)});
    const Walls& walls = s.params.gProcessOption1 ? m.chamfer : m.radius;
    appendWall(text, walls.first, 200020, " OG=2");
    appendWall(text, walls.second, 0, " OG=1");
    appendTurningEnding(text, m.ending);
    appendCycleClosing(text);
}

ProcessGenerator groovingGenerator(const GroovingMember& m) {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QString::fromLatin1(m.caption);
    d.processNumber = m.row;
    d.captions = {{"LabelStartC", ""},
                  {"LabelL", QString::fromUtf8(m.insertLabel)},
                  {"LabelL2", QString::fromLatin1(m.insertLetter)},
                  {"LabelEndC", ""},
                  {"LabelAttn", QString::fromUtf8(m.attention)}};
    d.hidden = {"StartC", "EndC"};
    d.shown = {"Frame3"};
    g.build = [&m](SharedState& s) { buildGrooving(m, s); };
    return g;
}

}  // namespace

ProcessGenerator grooveOuterGenerator() { return groovingGenerator(outerMember()); }
ProcessGenerator grooveInnerGenerator() { return groovingGenerator(innerMember()); }
ProcessGenerator grooveFaceGenerator() { return groovingGenerator(faceMember()); }

}  // namespace quillmar

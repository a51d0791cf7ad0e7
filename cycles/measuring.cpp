#include "cycles/measuring.h"

#include <memory>

#include "common/format.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/document_append.h"
#include "cycles/program_text.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

constexpr int kMeasuringRow = 34;
const QString kSensor = QStringLiteral("ｾﾝｻ-番号");
const QString kTarget = QStringLiteral("目標位置");
const QString kOptional = QStringLiteral("省略可能");

// How a measuring pass reaches and touches the workpiece.
enum class Pass {
    InsideDiameter,   // ODIAA from the approach Z to the target Z
    InsideRadius,     // positioned inside the bore, 0.4 short of the target diameter, then OWMXA
    OutsideDiameter,  // ODOAA from the start point the dialog shows
    OutsideRadius,    // positioned at the target Z, then OWMXA
};

// The four measuring passes: they differ only in these values.
struct MeasuringMember {
    Pass pass;
    const char* caption;     // of the dialog
    const char* subprogram;  // its name, called from the caret
    const char* title;       // the measurement named in the call's comment and the banner
    const char* labelV;      // what the V box holds
};

constexpr MeasuringMember kInsideDiameter{Pass::InsideDiameter, "内径直径計測", "OME12", "ID.MEASURE", "工具補正"};
constexpr MeasuringMember kInsideRadius{Pass::InsideRadius, "内径半径計測", "OME11", "ID.MEASURE", "工具補正"};
constexpr MeasuringMember kOutsideDiameter{Pass::OutsideDiameter, "外径直径計測", "OME02", "OD.MEASURE", "工具補正"};
constexpr MeasuringMember kOutsideRadius{Pass::OutsideRadius, "外径半径計測", "OME01", "OD.MEASURE", "補正先No"};

// --- lines of all six dialog commands ---------------------------------------------------

// The sensor is called twice in its T word on every machine, and tool life asks for it
// by the tool change alone.
void appendApproachLine(ProgramText& text) {
    const MachineProfile& m = text.profile;
    const QString lead = text.machine == MachineKind::Other ? QStringLiteral(" T") : QStringLiteral(" TL=");
    text.add({"N000 G00 X", FormatCoordValue(m.gApproachX), " Z", FormatCoordValue(m.gApproachZ), lead, text.tt(),
              text.tt(), text.p.gBAxisCode, text.p.gTipCode});
}

void appendMachineEnding(ProgramText& text) {
    switch (text.machine) {
        case MachineKind::MacTurn:
            text.add("N000 G21 HP=4");
            break;
        case MachineKind::Multus:
            text.add("N000 G20 HP=4 M867");
            text.add("N000 M866");
            break;
        case MachineKind::Other:
            text.add({kContinuation, "X", FormatCoordValue(text.profile.gHomeX), " Z",
                      FormatCoordValue(text.profile.gHomeZ)});
            break;
    }
}

// --- the four measuring passes ----------------------------------------------------------

// The sensor's offset words: TOF1 the sensor number plus 10, TOF2 the sensor number.
QString offsetWords(ProgramText& text) {
    const QString sensor = text.tt();
    return QStringLiteral(" TOF1=") + FormatTwoDigitsValue(text.p.gToolNo + 10) + QStringLiteral(" TOF2=") + sensor;
}

// The words of the measuring call after the target: the sensor's approach, double touch
// and over-travel (0.12, 0.08 and 0.04 inch), the tolerances, then the offset that takes
// the result (a tool-life group with tool life).
QString judgementWords(ProgramText& text) {
    ProcessParameters& p = text.p;
    QString words = QStringLiteral(" APP=0.12 APPS=0.08 IMP=0.04 DOK=") + FormatCoord(p.gParamU);
    words += QStringLiteral(" DNG=") + FormatCoord(p.gParamW);
    if (text.profile.gToolLife)
        words += QStringLiteral(" ATG=") + FormatTwoDigits(p.gParamV) + QStringLiteral(" AOG=1");
    else
        words += QStringLiteral(" TOFN=") + FormatTwoDigits(p.gParamV);
    return words;
}

void appendMeasuringLines(ProgramText& text, Pass pass) {
    ProcessParameters& p = text.p;
    const QString approachX = FormatCoordValue(text.profile.gApproachX);
    switch (pass) {
        case Pass::InsideDiameter:
            text.add({text.toolLabel(), " CALL ODIAA ZP1=", FormatCoordValue(text.profile.gApproachZ), " ZP2=",
                      FormatCoord(p.gEndZ), offsetWords(text)});
            text.add({"$         MSP=", FormatCoord(p.gEndX), judgementWords(text)});
            text.add({"N000 G00 X", approachX});
            break;
        case Pass::InsideRadius:
            text.add({text.toolLabel(), "     X", FormatCoordValue(checkedSub(p.gEndX, 0.4))});
            text.add({kContinuation, "Z", FormatCoord(p.gEndZ)});
            text.add({"N000 CALL OWMXA MSP=", FormatCoord(p.gEndX), judgementWords(text)});
            text.add({"N000 G00 Z", FormatCoordValue(text.profile.gApproachZ)});
            text.add({kContinuation, "X", approachX});
            break;
        case Pass::OutsideDiameter:
            text.add({text.toolLabel(), " CALL ODOAA XP1=", FormatCoord(p.gStartX), " ZP1=", FormatCoord(p.gStartZ),
                      " ZP2=", FormatCoord(p.gEndZ), offsetWords(text)});
            text.add({"$         MSP=", FormatCoord(p.gEndX), judgementWords(text)});
            break;
        case Pass::OutsideRadius:
            text.add({text.toolLabel(), "     Z", FormatCoord(p.gEndZ)});
            text.add({"N000 CALL OWMXA MSP=", FormatCoord(p.gEndX), judgementWords(text)});
            text.add({"N000 G00 X", approachX});
            break;
    }
}

// Builds the subprogram in gOutputText and returns the call line that goes to the caret.
QString buildMeasuring(const MeasuringMember& m, SharedState& s) {
    ProgramText text(s);
    ProcessParameters& p = s.params;
    const QString name = QString::fromLatin1(m.subprogram);
    const QString title = QString::fromLatin1(m.title);
    const QString callLine = QStringLiteral("N000 CALL ") + name + QStringLiteral(" (") + title +
                             QStringLiteral(" D") + FormatCoord(p.gEndX) + QStringLiteral(")");
    text.first("\t");
    text.add({"----------< ", title, " D", FormatCoord(p.gEndX), " >----------"});
    text.add(name);
    text.add("N000 IF[VDIN[32]EQ 0]NRTS");
    AppendToolChange(text);
    appendApproachLine(text);
    appendMeasuringLines(text, m.pass);
    appendMachineEnding(text);
    AppendOptionalStop(text);
    text.add("NRTS RTS");
    return callLine;
}

// Two changes: the call line at the caret, then the subprogram at the end, on a line of
// its own even when the document's last line has no line end.
void insertMeasuring(const QString& callLine, SharedState& s, RichTextBox& document) {
    const qint64 caret = document.SelStart();
    document.setSelText(callLine);
    appendAtDocumentEnd(document, s.gOutputText);
    document.setSelStart(caret);
}

ProcessDialogLayout measuringLayout(const MeasuringMember& m) {
    ProcessDialogLayout d;
    d.caption = QString::fromUtf8(m.caption);
    d.processNumber = kMeasuringRow;
    d.captions = {{"Label1", kSensor},  {"LabelV", QString::fromUtf8(m.labelV)},
                  {"LabelF", ""},       {"LabelF2", ""},
                  {"LabelU", "OK範囲"}, {"LabelW", "NG範囲"},
                  {"LabelD", ""},       {"LabelD2", ""},
                  {"LabelL", ""},       {"LabelL2", ""},
                  {"LabelC", ""},       {"LabelC2", ""},
                  {"LabelStartC", ""},  {"LabelEnd", kTarget},
                  {"LabelEndC", ""}};
    d.hidden = {"F", "D", "L", "C", "StartC", "EndC"};
    if (m.pass != Pass::OutsideDiameter) {
        d.captions << ControlText{"LabelStart", ""} << ControlText{"LabelStartX", ""}
                   << ControlText{"LabelStartZ", ""};
        d.hidden << QStringLiteral("StartX") << QStringLiteral("StartZ");
    }
    return d;
}

ProcessGenerator measuringGenerator(const MeasuringMember& m) {
    ProcessGenerator g;
    g.dialog = measuringLayout(m);
    // The call line is made with the subprogram, before the first write.
    auto callLine = std::make_shared<QString>();
    g.build = [&m, callLine](SharedState& s) { *callLine = buildMeasuring(m, s); };
    g.insert = [callLine](SharedState& s, RichTextBox& document) { insertMeasuring(*callLine, s, document); };
    return g;
}

// --- zero offsets -----------------------------------------------------------------------

void appendStartPoint(ProgramText& text) {
    text.add({text.toolLabel(), "     Z", FormatCoord(text.p.gStartZ)});
    text.add({kContinuation, "X", FormatCoord(text.p.gStartX)});
}

void appendReturnFromStart(ProgramText& text) {
    text.add({"N000 G00 Z", FormatCoord(text.p.gStartZ)});
    text.add({kContinuation, "X", FormatCoordValue(text.profile.gApproachX)});
    appendMachineEnding(text);
}

void buildZeroOffsetZ(SharedState& s) {
    ProgramText text(s);
    ProcessParameters& p = s.params;
    text.header("Z-AXIS ZERO OFFSET");
    AppendToolChange(text);
    appendApproachLine(text);
    appendStartPoint(text);
    QString call = QStringLiteral("N000 CALL OZOFA MSP=") + FormatCoord(p.gEndZ);
    call += QStringLiteral(" APP=") + FormatCoord(p.gParamD);
    // The optional words are judged as they would be written, and formatted only when
    // they are: a value left out (below a ten-thousandth, or too large to write but
    // negative) never fails the run.
    call += wordIfAbove(" APPS=", p.gParamC, 0);
    call += QStringLiteral(" IMP=") + FormatCoord(p.gParamL);
    call += wordIfAbove(" DOK=", p.gParamU, 0);
    call += wordIfAbove(" DNG=", p.gParamW, 0);
    text.add(call);
    appendReturnFromStart(text);
    appendCycleClosing(text);
}

// The approach-angle box (D) is shown and read, but no word of the block carries it. The
// shift angle, the target C, the groove-width angle and the double touch are degrees
// of the C axis.
void buildZeroOffsetC(SharedState& s) {
    ProgramText text(s);
    ProcessParameters& p = s.params;
    text.header("C-AXIS ZERO OFFSET");
    AppendToolChange(text);
    text.add("N000 G94 M110 M15");
    appendApproachLine(text);
    appendStartPoint(text);
    text.add({"N000 CALL OCPFI MSP=", FormatCoord(p.gEndZ), " APP=", FormatCoord(p.gParamV), " CFW=",
              FormatAngle(p.gParamF), " COF=", FormatAngle(p.gEndC)});
    text.add({"N000 CALL OZOFD COF=", FormatAngle(p.gEndC), " CMW=", FormatAngle(p.gParamW),
              wordIfAbove(" APPS=", p.gParamC, 0, Measure::Angle)});
    appendReturnFromStart(text);
    text.add("N000 G95 M109");
    appendCycleClosing(text);
}

}  // namespace

ProcessGenerator measureInsideDiameterGenerator() { return measuringGenerator(kInsideDiameter); }
ProcessGenerator measureInsideRadiusGenerator() { return measuringGenerator(kInsideRadius); }
ProcessGenerator measureOutsideDiameterGenerator() { return measuringGenerator(kOutsideDiameter); }
ProcessGenerator measureOutsideRadiusGenerator() { return measuringGenerator(kOutsideRadius); }

ProcessGenerator zeroOffsetZGenerator() {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QStringLiteral("Z軸-自動原点オフセット");
    d.processNumber = kMeasuringRow;
    d.captions = {{"Label1", kSensor},         {"LabelV", ""},           {"Labelv2", ""},
                  {"LabelF", ""},              {"LabelF2", ""},          {"LabelU", "OK範囲"},
                  {"LabelW", "NG範囲"},        {"LabelD", "ｱﾌﾟﾛｰﾁ量"}, {"LabelL", "ｵｰﾊﾞｰ量"},
                  {"LabelC", "2度当り"},       {"LabelStartC", ""},      {"LabelEnd", kTarget},
                  {"LabelEndX", ""},           {"LabelEndC", ""}};
    d.hidden = {"V", "F", "StartC", "EndX", "EndC"};
    d.toolTips = {{"U", kOptional}, {"W", kOptional}, {"C", kOptional}};
    g.build = buildZeroOffsetZ;
    return g;
}

ProcessGenerator zeroOffsetCGenerator() {
    ProcessGenerator g;
    ProcessDialogLayout& d = g.dialog;
    d.caption = QStringLiteral("C軸-自動原点オフセット");
    d.processNumber = kMeasuringRow;
    d.captions = {{"Label1", kSensor},      {"LabelV", "ｱﾌﾟﾛｰﾁ距離"}, {"LabelF", "ｼﾌﾄ角度"},
                  {"LabelU", ""},           {"LabelU2", ""},            {"LabelW", "ﾐｿﾞ幅角度"},
                  {"LabelD", "ｱﾌﾟﾛｰﾁ角"}, {"LabelL", ""},             {"LabelL2", ""},
                  {"LabelC", "2度当り"},    {"LabelStartC", ""},        {"LabelEnd", kTarget},
                  {"LabelEndX", ""}};
    d.hidden = {"U", "L", "StartC", "EndX"};
    d.toolTips = {{"C", kOptional}};
    g.build = buildZeroOffsetC;
    return g;
}

void ProcessMeasuerOutside_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent) {
    runWithProcessErrorTrap(parent, [&] {
        if (!activeDocument)
            throw RuntimeError(kErrNoObject);
        state.gOutputText = QStringLiteral("N000 CALL OXMS\r\n");
        activeDocument->setSelText(state.gOutputText);
    });
}

}  // namespace quillmar

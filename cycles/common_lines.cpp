#include "cycles/common_lines.h"

#include <cmath>

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"

namespace quillmar {

void AppendOptionalStop(ProgramText& text) {
    if (text.profile.gOptionalStop)
        text.add("NSTP M01");
}

void appendCycleClosing(ProgramText& text) {
    AppendOptionalStop(text);
    text.closingTab();
}

void AppendLoadMonitorOn(ProgramText& text, const QString& value) {
    if (text.profile.gLoadMonitor)
        text.add({"N000 VLMON[", text.t(), "]=", value});
}

void AppendLoadMonitorOff(ProgramText& text) {
    if (text.profile.gLoadMonitor)
        text.add({"N000 VLMON[", text.t(), "]=0"});
}

namespace {

void appendRequest(ProgramText& text, const char* turret) {
    if (text.machine == MachineKind::Other)
        return;
    if (text.profile.gToolLife)
        text.add({"N000 MT=", QString::fromLatin1(turret), " TG=", text.t()});
    else
        text.add({"N000 MT=", text.t(), "0", QString::fromLatin1(turret)});
    text.add({kBlock, text.profile.gAtcMacro});
}

}  // namespace

void AppendToolChange(ProgramText& text) { appendRequest(text, "1"); }

void AppendMToolChange(ProgramText& text) { appendRequest(text, text.profile.gTurretType == 1 ? "1" : "3"); }

void appendToolData(ProgramText& text, std::initializer_list<ToolDatum> firstLine,
                    std::initializer_list<ToolDatum> secondLine) {
    if (!text.profile.gToolShape)
        return;
    const QString prefix = text.profile.gToolLife ? QStringLiteral(" VGR") : QStringLiteral(" VTL");
    for (const auto& data : {firstLine, secondLine}) {
        QString line = QStringLiteral("NOEX");
        for (const ToolDatum& d : data)
            line += prefix + d.name + QLatin1Char('[') + text.t() + QStringLiteral("]=") +
                    (d.number ? FormatCoordValue(*d.number) : d.text);
        text.add(line);
    }
}

ToolDatum toolLengthAlongZ(const ProcessParameters& p) {
    return {"L", (p.gStartZ - p.gEndZ) + kToolLengthMargin};
}

QString standardToolWord(ProgramText& text, OtherToolWord other) {
    if (text.profile.gToolLife)
        return QStringLiteral(" TG=") + text.t() + QStringLiteral(" OG=1");
    if (text.machine != MachineKind::Other)
        return QStringLiteral(" TL=") + text.tt() + text.tt();
    QString word = QStringLiteral(" T") + text.tt() + text.tt();
    if (other == OtherToolWord::Thrice)
        word += text.tt();
    return word;
}

QString toolCallWords(ProgramText& text, const QString& speedRange, OtherToolWord other) {
    const ProcessParameters& p = text.p;
    QString words = standardToolWord(text, other);
    words += p.gBAxisCode + p.gTipCode + speedRange + FormatCoord(text.state.gSpindleSpeed);
    return words + p.gSpindleCode + p.gCoolantCode + p.gM263Code;
}

void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange,
                        OtherToolWord other) {
    text.add({"N000 G00 X", approachX, " Z", FormatCoordValue(text.profile.gApproachZ),
              toolCallWords(text, speedRange, other)});
}

double spindleSpeedDividing(double v, std::initializer_list<double> divisors) {
    double q = checkedMul(v, 1000.0);
    q = checkedDiv(q, 3.14);
    q = checkedDiv(q, 3.28);
    for (double divisor : divisors)
        q = checkedDiv(q, divisor);
    const double speed = checkedWholeWord(checkedMul(std::floor(q), 10.0));
    return speed == 0.0 ? 0.0 : speed;  // no negative zero
}

double spindleSpeed(double v, double diameterMm) { return spindleSpeedDividing(v, {diameterMm, 10.0}); }

double spindleSpeedInches(double v, double diameterInches) {
    return spindleSpeedDividing(v, {diameterInches, 10.0, 25.4});
}

void takeSpeedAtStartDiameter(SharedState& state, double marginMm) {
    const ProcessParameters& p = state.params;
    if (writtenValue(p.gParamV) > 0.0)
        state.gSpindleSpeed = spindleSpeed(p.gParamV, checkedAdd(checkedMul(p.gStartX, 25.4), marginMm));
}

namespace {

// The first line of an ending: a rapid block of its own or the continuation of the last.
QString returnLead(ReturnMove move) {
    return move == ReturnMove::Rapid ? QStringLiteral("N000 G00 X") : kContinuation + QLatin1Char('X');
}

}  // namespace

void appendSpindleStopEnding(ProgramText& text, ReturnMove move) {
    const QString lead = returnLead(move);
    const MachineProfile& profile = text.profile;
    double& speed = text.state.gSpindleSpeed;
    switch (text.machine) {
        case MachineKind::MacTurn:
            text.add({lead, FormatCoordValue(profile.gApproachX), " G97 S", FormatCoord(speed), " M63"});
            text.add("N000 G21 HP=4 M05 M63 M09");
            break;
        case MachineKind::Multus:
            text.add({"N000 G20 HP=4 M867 G97 S", FormatCoord(speed), " M05 M63 M09"});
            text.add("N000 M866");
            break;
        case MachineKind::Other:
            text.add({lead, FormatCoordValue(profile.gHomeX), " Z", FormatCoordValue(profile.gHomeZ), " G97 S",
                      FormatCoord(speed), " M63"});
            break;
    }
}

void appendEndingAfterSpeedRetreat(ProgramText& text, MacTurnReturn macTurn, MultusSpeedWord multus) {
    const MachineProfile& profile = text.profile;
    switch (text.machine) {
        case MachineKind::MacTurn:
            if (macTurn == MacTurnReturn::ToApproachX)
                text.add({kContinuation, "X", FormatCoordValue(profile.gApproachX)});
            text.add("N000 G21 HP=4 M05 M63 M09");
            break;
        case MachineKind::Multus:
            text.add({"N000 G20 HP=4 M867",
                      multus == MultusSpeedWord::Written ? " G97 S" + spindleSpeedValue(text) : QString(),
                      " M05 M63 M09"});
            text.add("N000 M866");
            break;
        case MachineKind::Other:
            text.add({kContinuation, "X", FormatCoordValue(profile.gHomeX), " Z", FormatCoordValue(profile.gHomeZ)});
            break;
    }
}

void appendHomeEnding(ProgramText& text, ReturnMove move, ApproachReturn approach, const QString& stopWords) {
    const QString lead = returnLead(move);
    const MachineProfile& profile = text.profile;
    switch (text.machine) {
        case MachineKind::MacTurn:
            if (approach == ApproachReturn::Yes)
                text.add({lead, FormatCoordValue(profile.gApproachX)});
            text.add({"N000 G21 HP=4", stopWords});
            break;
        case MachineKind::Multus:
            text.add({"N000 G20 HP=4 M867", stopWords});
            text.add("N000 M866");
            break;
        case MachineKind::Other:
            text.add({lead, FormatCoordValue(profile.gHomeX), " Z", FormatCoordValue(profile.gHomeZ)});
            break;
    }
}

namespace {

template <typename Number>
QString measuredWordIfAbove(const char* address, Number& value, double threshold, Measure measure) {
    if (!writtenAbove(value, threshold, measure))
        return {};
    return QString::fromLatin1(address) + formatMeasured(value, measure);
}

}  // namespace

QString wordIfAbove(const char* address, double& value, double threshold, Measure measure) {
    return measuredWordIfAbove(address, value, threshold, measure);
}

QString wordIfAbove(const char* address, Single& value, double threshold, Measure measure) {
    return measuredWordIfAbove(address, value, threshold, measure);
}

QString countIfAbove(const char* address, Single& value, double threshold) {
    if (!writtenAbove(value, threshold))
        return {};
    return QString::fromLatin1(address) + FormatWholeWord(value);
}

QString lineText(ProgramText& text, const LineTemplate& line) {
    QString written;
    for (const LinePiece& piece : line) {
        written += QString::fromUtf8(piece.text);
        if (piece.value)
            written += piece.value(text);
    }
    return written;
}

void appendLines(ProgramText& text, const std::vector<LineTemplate>& lines) {
    for (const LineTemplate& line : lines)
        text.add(lineText(text, line));
}

QString approachXValue(ProgramText& text) { return FormatCoordValue(text.profile.gApproachX); }

QString approachZValue(ProgramText& text) { return FormatCoordValue(text.profile.gApproachZ); }

QString spindleSpeedValue(ProgramText& text) { return FormatCoord(text.state.gSpindleSpeed); }

QString toolLabelValue(ProgramText& text) { return text.toolLabel(); }

void appendTurningEnding(ProgramText& text, const TurningEnding& ending) {
    appendLines(text, ending.retreat);
    if (ending.speedInRetreat)
        appendEndingAfterSpeedRetreat(text, ending.macTurn, ending.multus);
    else
        appendSpindleStopEnding(text, ending.move);
}

LineTemplate speedRetreatToApproachX() {
    return {{"N000 G00 X", approachXValue}, {" G97 S", spindleSpeedValue}, {" M63"}};
}

}  // namespace quillmar

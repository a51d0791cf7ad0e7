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
            line += prefix + d.name + QLatin1Char('[') + text.t() + QStringLiteral("]=") + d.value;
        text.add(line);
    }
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

void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange) {
    const ProcessParameters& p = text.p;
    text.add({"N000 G00 X", approachX, " Z", FormatCoordValue(text.profile.gApproachZ),
              standardToolWord(text, OtherToolWord::Thrice), p.gBAxisCode, p.gTipCode, speedRange,
              FormatCoord(text.state.gSpindleSpeed), p.gSpindleCode, p.gCoolantCode, p.gM263Code});
}

double spindleSpeed(double v, double diameterMm) {
    double q = checkedMul(v, 1000.0);
    q = checkedDiv(q, 3.14);
    q = checkedDiv(q, 3.28);
    q = checkedDiv(q, diameterMm);
    q = checkedDiv(q, 10.0);
    const double speed = checkedMul(std::floor(q), 10.0);
    return speed == 0.0 ? 0.0 : speed;  // no negative zero
}

void appendSpindleStopEnding(ProgramText& text, ReturnMove move) {
    const QString lead = move == ReturnMove::Rapid ? QStringLiteral("N000 G00 X") : QStringLiteral("N000     X");
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

// --- threading, drilling and spindle tapping ---------------------------------------------

bool writtenAbove(double value, double threshold) {
    FormatCoord(value);
    return value > threshold;
}

bool writtenAbove(Single value, double threshold) {
    FormatCoord(value);
    return static_cast<double>(value.value()) > threshold;
}

QString wordWhenWrittenAbove(const char* address, double& value, double threshold) {
    if (!writtenAbove(value, threshold))
        return {};
    return QString::fromLatin1(address) + FormatCoord(value);
}

QString wordWhenWrittenAbove(const char* address, Single& value, double threshold) {
    if (!writtenAbove(value, threshold))
        return {};
    return QString::fromLatin1(address) + FormatCoord(value);
}

void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange,
                        OtherToolWord other) {
    const ProcessParameters& p = text.p;
    text.add({"N000 G00 X", approachX, " Z", FormatCoordValue(text.profile.gApproachZ), standardToolWord(text, other),
              p.gBAxisCode, p.gTipCode, speedRange, FormatCoord(text.state.gSpindleSpeed), p.gSpindleCode,
              p.gCoolantCode, p.gM263Code});
}

double spindleSpeedDividing(double v, std::initializer_list<double> divisors) {
    double q = checkedMul(v, 1000.0);
    q = checkedDiv(q, 3.14);
    q = checkedDiv(q, 3.28);
    for (double divisor : divisors)
        q = checkedDiv(q, divisor);
    const double speed = checkedMul(std::floor(q), 10.0);
    return speed == 0.0 ? 0.0 : speed;  // no negative zero
}

void appendHomeEnding(ProgramText& text, ReturnMove move, ApproachReturn approach, const QString& stopWords) {
    const QString lead = move == ReturnMove::Rapid ? QStringLiteral("N000 G00 X") : QStringLiteral("N000     X");
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

}  // namespace quillmar

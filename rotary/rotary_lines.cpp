#include "rotary/rotary_lines.h"

#include "common/format.h"
#include "common/process_parameters.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/common_lines.h"
#include "cycles/process_read.h"

namespace quillmar {
namespace {

QString halfApproachX(const RotaryText& text) { return FormatCoordValue(checkedDiv(text.appX, 2.0)); }

}  // namespace

RotaryText::RotaryText(SharedState& s)
    : ProgramText(s),
      appX(s.profile.gApproachX),
      appZ(s.profile.gApproachZ),
      homeX(s.profile.gHomeX),
      homeZ(s.profile.gHomeZ) {}

bool bIsNinety(const ProcessParameters& p) { return writtenValue(p.gParamB, Measure::Angle) == 90.0; }

bool bTilts(const ProcessParameters& p) {
    const double b = writtenValue(p.gParamB, Measure::Angle);
    return b != 0.0 && b != 90.0;
}

bool zeroShifted(const ProcessParameters& p) {
    return writtenValue(p.gParamC).value() != 0.0f || writtenValue(p.gParamSZ) != 0.0;
}

void appendRotaryToolData(RotaryText& text, const char* kind, bool pointAngle, ToolLength length) {
    if (!text.profile.gToolShape)
        return;
    ProcessParameters& p = text.p;
    const ToolDatum toolLength =
        length == ToolLength::AlongZ
            ? toolLengthAlongZ(p)
            : ToolDatum("L", checkedAdd(checkedDiv(checkedSub(p.gStartX, p.gEndX), 2.0), kToolLengthMargin));
    const QString diameter = FormatCoord(p.gParamU);
    if (pointAngle)
        appendToolData(text, {{"IN", QString::fromLatin1(kind)}, {"FN", "1"}, {"A1", "118"}},
                       {{"D", diameter}, toolLength});
    else
        appendToolData(text, {{"IN", QString::fromLatin1(kind)}, {"FN", "1"}}, {{"D", diameter}, toolLength});
}

QString tiltedToolWord(RotaryText& text, int repeats) {
    if (text.profile.gToolLife)
        return QStringLiteral(" TG=") + text.t() + QStringLiteral(" OG=1");
    QString word = QStringLiteral(" TL=");
    for (int i = 0; i < repeats; ++i)
        word += text.tt();
    return word;
}

QString machinePlaneWords(const ProgramText& text, const QString& words) {
    switch (text.machine) {
        case MachineKind::MacTurn: return words + QStringLiteral(" M66");
        case MachineKind::Multus: return words;
        case MachineKind::Other: break;
    }
    return {};
}

QString tiltedPlaneWords(RotaryText& text) {
    const BAxisWords b = bAxisWords(text.p.gParamB);
    FormatAngle(text.p.gParamB);  // later lines see B as these words wrote it
    return b.shift + b.code;
}

QString ospWords(const ProgramText& text) {
    return (text.profile.gOspU100 ? QStringLiteral(" M63") : QStringLiteral(" M64")) + text.p.gCoolantCode;
}

void appendOspM62Line(ProgramText& text) {
    if (!text.profile.gOspU100)
        text.add({kContinuation, "M62"});
}

void appendFirstPositioning(RotaryText& text, RotaryPlane plane) {
    ProcessParameters& p = text.p;
    const QString m62 = text.profile.gOspU100 ? QString() : QStringLiteral(" M62");
    if (plane == RotaryPlane::Side)
        text.add({kContinuation, "Z", FormatCoord(p.gStartZ), m62});
    else
        text.add({kContinuation, "X", FormatCoord(p.gStartX), m62});
}

void appendRotaryApproach(RotaryText& text, const QString& masterC, ApproachEnd end) {
    const QString cWord = masterC.isEmpty() ? QString() : QStringLiteral(" C") + masterC;
    const QString spindle = end == ApproachEnd::CoolantOnly ? text.p.gCoolantCode
                                                            : QStringLiteral(" M13") + ospWords(text);
    text.add({text.toolLabel(), " G00", cWord, " X", FormatCoordValue(text.appX), " Z", FormatCoordValue(text.appZ),
              " SB=", FormatCoord(text.state.gSpindleSpeed), spindle});
    if (end == ApproachEnd::SpindleOn)
        appendOspM62Line(text);
}

void appendTiltedPlaneSetUp(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.add("N000 G138");
    if (zeroShifted(p))
        text.add({"N000 G174 SX=", FormatCoord(p.gParamC), " SZ=", FormatCoord(p.gParamSZ)});
    if (bTilts(p))
        text.add({"N000 G127 B", FormatAngle(p.gParamB)});
}

void appendTiltedPositioning(RotaryText& text) {
    ProcessParameters& p = text.p;
    if (bIsNinety(p))
        text.add({"N000 G00  X", halfApproachX(text), " Y", FormatCoord(p.gStartZ), " Z", FormatCoord(p.gStartC)});
    else
        text.add({"N000 G00  X", FormatCoord(p.gStartX), " Y", FormatCoord(p.gStartZ), " Z", FormatCoordValue(text.appZ)});
}

QString clearanceWord(RotaryText& text, RotaryPlane plane, double gap) {
    ProcessParameters& p = text.p;
    if (plane == RotaryPlane::Side)
        return QStringLiteral(" I") + FormatCoordValue(checkedSub(checkedSub(text.appX, p.gStartX), gap));
    return QStringLiteral(" K") + FormatCoordValue(checkedSub(checkedSub(text.appZ, p.gStartZ), gap));
}

QString tiltedHoleWords(RotaryText& text) {
    ProcessParameters& p = text.p;
    QString hole;
    if (bIsNinety(p)) {
        hole += QStringLiteral(" X") + FormatCoord(p.gEndC);
        hole += QStringLiteral(" Y") + FormatCoord(p.gStartZ);
        hole += QStringLiteral(" Z") + FormatCoord(p.gStartC);
        const double clearance = checkedSub(checkedSub(checkedDiv(text.appX, 2.0), p.gStartX), 0.08);
        hole += QStringLiteral(" I") + FormatCoordValue(clearance);
    } else {
        hole += QStringLiteral(" X") + FormatCoord(p.gStartX);
        hole += QStringLiteral(" Y") + FormatCoord(p.gStartZ);
        hole += QStringLiteral(" Z") + FormatCoord(p.gEndC);
        hole += QStringLiteral(" K") + FormatCoordValue(checkedSub(checkedSub(text.appZ, p.gStartC), 2.0));
    }
    return hole;
}

void appendRotaryRetract(RotaryText& text, RotaryPlane plane) {
    if (plane == RotaryPlane::Side)
        text.add({"N000 G00 X", FormatCoordValue(text.appX)});
    else if (plane == RotaryPlane::Tilted && bIsNinety(text.p))
        text.add({"N000 G00 X", halfApproachX(text)});
    else
        text.add({"N000 G00 Z", FormatCoordValue(text.appZ)});
}

void appendTiltedPlaneReset(RotaryText& text) {
    if (zeroShifted(text.p))
        text.add("N000 G175");
    if (bTilts(text.p))
        text.add("N000 G126");
    text.add("N000 G136");
}

QString slantMillingPlaneWords(RotaryText& text) {
    return machinePlaneWords(text, QStringLiteral(" G52 BA=") + FormatAngle(text.p.gParamB));
}

void appendSlantMillingSetUp(RotaryText& text) {
    ProcessParameters& p = text.p;
    text.add("N000 G138");
    text.add({"N000 G174 SX=", FormatCoord(p.gParamC), " SZ=", FormatCoord(p.gParamSZ)});
    text.add({"N000 G127 B", FormatAngle(p.gParamB)});
    text.add("N000 G17");
    text.add({"N000 G00 X", FormatCoord(p.gStartX), " Y", FormatCoord(p.gStartZ), " Z", FormatCoordValue(text.appZ)});
}

void appendSlantMillingLeave(RotaryText& text) {
    appendRotaryRetract(text, RotaryPlane::Face);
    text.add("N000 G126 M146");
    text.add("N000 G175");
    text.add("N000 G136");
    appendRotaryEnding(text, RotaryEnding::SpindleStop, false);
    appendCycleClosing(text);
}

void appendRotaryEnding(RotaryText& text, RotaryEnding ending, bool returnToApproachX) {
    const bool tilted = ending == RotaryEnding::TiltedTap;
    switch (text.machine) {
        case MachineKind::MacTurn:
            if (returnToApproachX && !tilted)
                text.add({kContinuation, "X", FormatCoordValue(text.appX)});
            text.add(tilted ? "N000 G21 HP=4 M09" : "N000 G21 HP=4 M12 M63 M09");
            return;
        case MachineKind::Multus:
            text.add(tilted ? "N000 G20 HP=4 M867 M09" : "N000 G20 HP=4 M867 M12 M63 M09");
            text.add("N000 M866");
            return;
        case MachineKind::Other:
            break;
    }
    QString spindleStop;
    if (ending == RotaryEnding::SpindleStop)
        spindleStop = text.profile.gOspU100 ? QStringLiteral(" M12 M63") : QStringLiteral(" M12 M64");
    text.add({kContinuation, "X", FormatCoordValue(text.homeX), " Z", FormatCoordValue(text.homeZ), spindleStop});
    if (ending == RotaryEnding::SpindleStop)
        appendOspM62Line(text);
}

void appendRotaryLeave(RotaryText& text, RotaryPlane plane, RotaryEnding ending, bool returnToApproachX) {
    appendRotaryRetract(text, plane);
    if (plane == RotaryPlane::Tilted)
        appendTiltedPlaneReset(text);
    appendRotaryEnding(text, ending, returnToApproachX);
    appendCycleClosing(text);
}

}  // namespace quillmar

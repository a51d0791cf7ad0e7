#include "cycles/process_read.h"

#include <cfloat>
#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {

BAxisWords bAxisWords(double angle) {
    const double written = writtenValue(angle, Measure::Angle);
    if (written == 0.0)
        return {};
    if (written == 90.0)
        return {QString(), QStringLiteral(" BT=1")};
    return {QStringLiteral(" G52"), QStringLiteral(" BA=") + FormatAngleValue(written)};
}

Single singleFromBox(const QString& text) {
    const double value = ReadNumber(text);
    // Beyond the largest single the conversion has no value to give.
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        throw RuntimeError(kErrOverflow);
    return Single(static_cast<float>(value));
}

ProcessParameters readProcessParameters(const ProcessDialogInput& in, const MachineProfile& profile) {
    ProcessParameters p;
    p.gSpindleCode = in.SpindleCW ? QStringLiteral(" M03 M63") : QStringLiteral(" M04 M63");
    p.gCoolantCode = in.CoolantON ? QStringLiteral(" M08") : QStringLiteral(" M09");

    const MachineKind machine = MachineType(profile);
    if (machine != MachineKind::Other) {
        p.gTipCode = in.M602 ? QStringLiteral(" M602") : QStringLiteral(" M603");
        const BAxisWords b = bAxisWords(ReadNumber(in.B));
        p.gBAxisShift = b.shift;
        p.gBAxisCode = b.code;
    }
    if (machine == MachineKind::Multus)
        p.gM263Code = QStringLiteral(" M263");

    p.gToolNo = ReadNumber(in.ToolNumber);
    p.gParamV = ReadNumber(in.V);
    p.gParamF = ReadNumber(in.F);
    p.gParamU = ReadNumber(in.U);
    p.gParamW = ReadNumber(in.W);
    p.gParamD = ReadNumber(in.D);
    p.gParamL = ReadNumber(in.L);
    p.gParamC = singleFromBox(in.C);
    p.gParamB = ReadNumber(in.B);
    p.gParamSZ = ReadNumber(in.SZ);
    p.gStartX = ReadNumber(in.StartX);
    p.gStartZ = ReadNumber(in.StartZ);
    p.gStartC = singleFromBox(in.StartC);
    p.gEndX = ReadNumber(in.EndX);
    p.gEndZ = ReadNumber(in.EndZ);
    p.gEndC = singleFromBox(in.EndC);
    p.gProcessOption1 = in.Option1;
    return p;
}

}  // namespace quillmar

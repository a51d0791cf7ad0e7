#include <gtest/gtest.h>

#include "common/read_number.h"
#include "cycle_fixture.h"
#include "cycles/process_read.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

ProcessParameters read(const ProcessDialogInput& in, MachineKind kind = kOth) {
    return readProcessParameters(in, stateFor({kind}).profile);
}

int errorOf(const ProcessDialogInput& in, MachineKind kind = kOth) {
    return runtimeErrorOf([&] { read(in, kind); });
}

// The B-axis, tip and M263 words follow the machine type and the angle as written.
TEST(ReadProcessDialog, BAxisAndMachineWords) {
    const struct {
        MachineKind machine;
        const char* b;
        bool tip0;
        const char* words;  // shift, B word, tip, M263
    } cases[] = {
        {kMac, "0", true, " M602"}, {kMac, "90", false, " BT=1 M603"}, {kMac, "12.3456", true, " G52 BA=12.345 M602"},
        {kMac, "0.0004", true, " M602"}, {kMac, "90.0004", true, " BT=1 M602"},
        {kMac, "-0.0004", true, " G52 BA=-0.001 M602"}, {kMul, "45", false, " G52 BA=45 M603 M263"},
        {kOth, "45", false, ""},
    };
    for (const auto& c : cases) {
        ProcessDialogInput in;
        in.B = QString::fromLatin1(c.b);
        in.M602 = c.tip0;
        const ProcessParameters p = read(in, c.machine);
        EXPECT_EQ((p.gBAxisShift + p.gBAxisCode + p.gTipCode + p.gM263Code).toStdString(), c.words) << c.b;
        EXPECT_EQ(p.gParamB, ReadNumber(in.B));  // kept as typed
    }
}

// Every box by the leading-number rule, into its own field, single precision where the
// field is held so.
TEST(ReadProcessDialog, EachBoxGoesToItsOwnField) {
    ProcessDialogInput in;
    QString* boxes[] = {&in.ToolNumber, &in.V, &in.F, &in.U, &in.W, &in.D, &in.L, &in.C,
                        &in.B, &in.SZ, &in.StartX, &in.StartZ, &in.StartC, &in.EndX, &in.EndZ, &in.EndC};
    for (int i = 0; i < 16; ++i)
        *boxes[i] = QString::number(i + 1) + QStringLiteral(".5mm");
    const ProcessParameters p = read(in);
    const double fields[] = {p.gToolNo, p.gParamV, p.gParamF, p.gParamU, p.gParamW, p.gParamD, p.gParamL,
                             p.gParamC.value(), p.gParamB, p.gParamSZ, p.gStartX, p.gStartZ, p.gStartC.value(),
                             p.gEndX, p.gEndZ, p.gEndC.value()};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(fields[i], i + 1.5) << i;
    in.C = QStringLiteral("0.1");
    EXPECT_EQ(static_cast<double>(read(in).gParamC.value()), static_cast<double>(0.1f));
}

// C fits a double but not a single; a huge angle only where it is written.
TEST(ReadProcessDialog, NumbersThatDoNotFitAreOverflow) {
    ProcessDialogInput in;
    in.C = QStringLiteral("1E39");
    EXPECT_EQ(errorOf(in), kErrOverflow);
    in.C = QStringLiteral("3.4E38");
    EXPECT_EQ(errorOf(in), 0);
    in = {};
    in.B = QStringLiteral("1E306");
    EXPECT_EQ(errorOf(in), 0);
    EXPECT_EQ(errorOf(in, kMul), kErrOverflow);
}

}  // namespace

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

#include <gtest/gtest.h>

#include "common/runtime_error.h"
#include "cycles/process_read.h"

using namespace quillmar;

namespace {

MachineProfile machine(MachineKind kind) {
    MachineProfile p;
    p.gMacTurn = kind == MachineKind::MacTurn;
    p.gMultus = kind == MachineKind::Multus;
    return p;
}

const char* nameOf(MachineKind kind) {
    switch (kind) {
        case MachineKind::MacTurn: return "MacTurn";
        case MachineKind::Multus: return "MULTUS";
        case MachineKind::Other: break;
    }
    return "Other";
}

int errorOf(const ProcessDialogInput& in) {
    try {
        readProcessParameters(in, MachineProfile{});
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

struct WordCase {
    MachineKind machine;
    const char* b;
    bool tip0;
    const char* shift;
    const char* code;
    const char* tip;
    const char* m263;
};

class BAxisAndMachineWords : public ::testing::TestWithParam<WordCase> {};

TEST_P(BAxisAndMachineWords, FollowTheMachineTypeAndTheWrittenAngle) {
    const WordCase& c = GetParam();
    ProcessDialogInput in;
    in.B = QString::fromLatin1(c.b);
    in.M602 = c.tip0;
    const ProcessParameters p = readProcessParameters(in, machine(c.machine));
    EXPECT_EQ(p.gBAxisShift.toStdString(), c.shift) << nameOf(c.machine) << " B=" << c.b;
    EXPECT_EQ(p.gBAxisCode.toStdString(), c.code) << nameOf(c.machine) << " B=" << c.b;
    EXPECT_EQ(p.gTipCode.toStdString(), c.tip) << nameOf(c.machine);
    EXPECT_EQ(p.gM263Code.toStdString(), c.m263) << nameOf(c.machine);
}

constexpr auto kMac = MachineKind::MacTurn;
constexpr auto kMul = MachineKind::Multus;
constexpr auto kOth = MachineKind::Other;

INSTANTIATE_TEST_SUITE_P(
    Table, BAxisAndMachineWords,
    ::testing::Values(
        WordCase{kMac, "0", true, "", "", " M602", ""},
        WordCase{kMac, "", true, "", "", " M602", ""},
        WordCase{kMac, "90", false, "", " BT=1", " M603", ""},
        WordCase{kMac, "90.0", true, "", " BT=1", " M602", ""},
        WordCase{kMac, "45", true, " G52", " BA=45", " M602", ""},
        WordCase{kMac, "30.5", true, " G52", " BA=30.5", " M602", ""},
        WordCase{kMac, "-15", true, " G52", " BA=-15", " M602", ""},
        WordCase{kMac, "12.3456", true, " G52", " BA=12.345", " M602", ""},
        // Judged by the written angle: no BA=0 word, and an angle written 90 is BT=1.
        WordCase{kMac, "0.0004", true, "", "", " M602", ""},
        WordCase{kMac, "90.0004", true, "", " BT=1", " M602", ""},
        WordCase{kMac, "-0.0004", true, " G52", " BA=-0.001", " M602", ""},
        WordCase{kMac, "45deg", true, " G52", " BA=45", " M602", ""},
        WordCase{kMul, "0", true, "", "", " M602", " M263"},
        WordCase{kMul, "90", true, "", " BT=1", " M602", " M263"},
        WordCase{kMul, "45", false, " G52", " BA=45", " M603", " M263"},
        WordCase{kOth, "45", false, "", "", "", ""},
        WordCase{kOth, "90", true, "", "", "", ""},
        WordCase{kOth, "0", true, "", "", "", ""}));

TEST(ReadProcessDialog, BothMachineFlagsCountAsMacTurnOnly) {
    MachineProfile profile;
    profile.gMacTurn = true;
    profile.gMultus = true;
    const ProcessParameters p = readProcessParameters(ProcessDialogInput{}, profile);
    EXPECT_EQ(p.gM263Code, QString());
    EXPECT_EQ(p.gTipCode, QStringLiteral(" M602"));
}

TEST(ReadProcessDialog, SpindleAndCoolantWords) {
    struct Case {
        bool cw, coolantOn;
        const char* spindle;
        const char* coolant;
    } cases[] = {
        {true, true, " M03 M63", " M08"},
        {false, false, " M04 M63", " M09"},
        {true, false, " M03 M63", " M09"},
    };
    for (const Case& c : cases) {
        ProcessDialogInput in;
        in.SpindleCW = c.cw;
        in.CoolantON = c.coolantOn;
        const ProcessParameters p = readProcessParameters(in, MachineProfile{});
        EXPECT_EQ(p.gSpindleCode.toStdString(), c.spindle);
        EXPECT_EQ(p.gCoolantCode.toStdString(), c.coolant);
    }
}

TEST(ReadProcessDialog, EveryBoxByTheLeadingNumberRule) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"12.5mm", 12.5}, {"1 2", 12},  {"abc", 0},     {"", 0},       {"-3.5", -3.5}, {" 7 ", 7},
        {"1E2", 100},     {"1D2", 100}, {"&H10", 16},   {"&O17", 15},  {".5", 0.5},    {"1.2.3", 1.2},
        {"+4", 4},        {"\t9\n", 9},
    };
    for (const Case& c : cases) {
        ProcessDialogInput in;
        for (QString* box : {&in.ToolNumber, &in.V, &in.F, &in.U, &in.W, &in.D, &in.L, &in.B, &in.SZ,
                             &in.StartX, &in.StartZ, &in.EndX, &in.EndZ, &in.C, &in.StartC, &in.EndC})
            *box = QString::fromLatin1(c.text);
        const ProcessParameters p = readProcessParameters(in, MachineProfile{});
        for (double v : {p.gToolNo, p.gParamV, p.gParamF, p.gParamU, p.gParamW, p.gParamD, p.gParamL, p.gParamB,
                         p.gParamSZ, p.gStartX, p.gStartZ, p.gEndX, p.gEndZ})
            EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        for (Single v : {p.gParamC, p.gStartC, p.gEndC})
            EXPECT_EQ(v.value(), static_cast<float>(c.value)) << '"' << c.text << '"';
    }
}

TEST(ReadProcessDialog, EachBoxGoesToItsOwnField) {
    ProcessDialogInput in;
    in.ToolNumber = "1";
    in.V = "2";
    in.F = "3";
    in.U = "4";
    in.W = "5";
    in.D = "6";
    in.L = "7";
    in.C = "8";
    in.B = "9";
    in.SZ = "10";
    in.StartX = "11";
    in.StartZ = "12";
    in.StartC = "13";
    in.EndX = "14";
    in.EndZ = "15";
    in.EndC = "16";
    in.Option1 = false;
    const ProcessParameters p = readProcessParameters(in, MachineProfile{});
    const double doubles[] = {p.gToolNo, p.gParamV, p.gParamF, p.gParamU, p.gParamW, p.gParamD, p.gParamL};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(doubles[i], i + 1);
    EXPECT_EQ(p.gParamC.value(), 8.0f);
    EXPECT_EQ(p.gParamB, 9);
    EXPECT_EQ(p.gParamSZ, 10);
    EXPECT_EQ(p.gStartX, 11);
    EXPECT_EQ(p.gStartZ, 12);
    EXPECT_EQ(p.gStartC.value(), 13.0f);
    EXPECT_EQ(p.gEndX, 14);
    EXPECT_EQ(p.gEndZ, 15);
    EXPECT_EQ(p.gEndC.value(), 16.0f);
    EXPECT_FALSE(p.gProcessOption1);
    in.Option1 = true;
    EXPECT_TRUE(readProcessParameters(in, MachineProfile{}).gProcessOption1);
}

TEST(ReadProcessDialog, SinglePrecisionWhereTheBoxIsHeldSo) {
    ProcessDialogInput in;
    in.C = "0.1";
    in.StartC = "1.114";
    in.EndC = "45.3";
    in.V = "0.1";
    const ProcessParameters p = readProcessParameters(in, MachineProfile{});
    EXPECT_EQ(p.gParamC.value(), 0.1f);
    EXPECT_EQ(static_cast<double>(p.gParamC.value()), 0.100000001490116119384765625);
    EXPECT_EQ(p.gStartC.value(), 1.114f);
    EXPECT_EQ(p.gEndC.value(), 45.3f);
    EXPECT_EQ(p.gParamV, 0.1);
}

TEST(ReadProcessDialog, TheBAngleIsKeptAsTyped) {
    ProcessDialogInput in;
    in.B = "12.3456";
    MachineProfile profile;
    profile.gMacTurn = true;
    EXPECT_EQ(readProcessParameters(in, profile).gParamB, 12.3456);
}

TEST(ReadProcessDialog, NumbersThatDoNotFitAreOverflow) {
    ProcessDialogInput in;
    in.V = "1E400";
    EXPECT_EQ(errorOf(in), kErrOverflow);
    in = {};
    in.C = "1E39";  // fits a double, not a single
    EXPECT_EQ(errorOf(in), kErrOverflow);
    in = {};
    in.EndC = "-3.5E38";
    EXPECT_EQ(errorOf(in), kErrOverflow);
    in = {};
    in.C = "3.4E38";
    EXPECT_EQ(errorOf(in), 0);
}

TEST(ReadProcessDialog, AHugeAngleIsOverflowOnlyWhereItIsWritten) {
    ProcessDialogInput in;
    in.B = "1E306";
    EXPECT_EQ(errorOf(in), 0);  // other machine: no B words
    MachineProfile profile;
    profile.gMultus = true;
    try {
        readProcessParameters(in, profile);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

}  // namespace

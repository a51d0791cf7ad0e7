#include <gtest/gtest.h>

#include "cycle_fixture.h"
#include "cycles/threading.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// M1 × 0.1 from the cycle point X1.2 Z0.2 to Z−1 with a chamfer and two threads:
// S = floor(300 × 1000 ÷ 3.14 ÷ 3.28 ÷ 1 ÷ 25.4 ÷ 10) × 10.
const QString kOuterThread = block(R"(
(-----< OD.THREAD M1*P0.1 >-----)
N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08
NT07     Z0.2
N000 G71 X0.87 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1
N000 G00 X200
N000     X500 Z500
<TAB>
)");

constexpr const char* kHeader = "(-----< OD.THREAD M1*P0.1 >-----)";
constexpr const char* kToolCall = "N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08";
constexpr const char* kCycle = "N000 G71 X0.87 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1";
constexpr const char* kHome = "N000     X500 Z500";
constexpr const char* kSpeedKept = "N000 G00 X1.2 Z50 T0707 M42 S1230 M03 M63 M08";

class Threading : public ::testing::TestWithParam<CycleCase> {};

TEST_P(Threading, WholeBlock) {
    expectAxisCase(GetParam(), kOuterThread, {{"StartX", "1.2"}, {"StartZ", "0.2"}, {"EndX", "1"}, {"EndZ", "-1"}});
}

const auto outer = threadOuterGenerator;
const auto inner = threadInnerGenerator;
const auto face = threadFaceGenerator;

INSTANTIATE_TEST_SUITE_P(
    Table, Threading,
    ::testing::Values(
        CycleCase{.name = "Outer", .generator = outer, .machine = {kOth}, .speedAfter = 1140},
        // The header cuts the pitch and the size before X and H are taken from them (0.06255
        // would give H0.0813, 1.00009 X0.9188).
        CycleCase{.name = "SizeCutByTheHeader", .generator = outer, .machine = {kOth},
             .typed = {{"EndX", "1.00009"}, {"F", "0.06255"}},
             .edits = {{kHeader, "(-----< OD.THREAD M1*P0.0625 >-----)"},
                       {kCycle, "N000 G71 X0.9187 Z-1 H0.0812 D0.01 L0.05 M23 Q2 F0.0625"}}, .speedAfter = 1140},
        // An inch thread cuts with its own lead, to the ten-thousandth: 1/2-13 and 3/4-16.
        CycleCase{.name = "InchLeads", .generator = outer, .machine = {kOth},
             .typed = {{"EndX", "0.5"}, {"F", "0.076923"}, {"D", "0.012"}, {"L", "0"}, {"C", "0"}},
             .edits = {{kHeader, "(-----< OD.THREAD M0.5*P0.0769 >-----)"},
                       {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S2290 M03 M63 M08"},
                       {kCycle, "N000 G71 X0.4 Z-1 H0.0999 D0.012 F0.0769"}}, .speedAfter = 2290},
        CycleCase{.name = "InchLeadAndChamfer", .generator = outer, .machine = {kOth},
             .typed = {{"EndX", "0.75"}, {"F", "0.0625"}, {"L", "0.0625"}},
             .edits = {{kHeader, "(-----< OD.THREAD M0.75*P0.0625 >-----)"},
                       {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S1520 M03 M63 M08"},
                       {kCycle, "N000 G71 X0.6687 Z-1 H0.0812 D0.01 L0.0625 M23 Q2 F0.0625"}}, .speedAfter = 1520},
        // Every condition on the value as written: a speed, allowance and chamfer of 0.00004
        // are none, 1.00004 is one thread; without a speed the last one stays.
        CycleCase{.name = "ValuesThatWriteAsNothing", .generator = outer, .machine = {kOth},
             .typed = {{"V", "0.00004"}, {"U", "0.00004"}, {"L", "0.00004"}, {"C", "1.00004"}},
             .edits = {{kToolCall, kSpeedKept}, {kCycle, "N000 G71 X0.87 Z-1 H0.13 D0.01 F0.1"}}},
        // Values too large to write decide as they would write: no speed, no chamfer.
        CycleCase{.name = "HugeNegativeSpeedAndChamfer", .generator = outer, .machine = {kOth},
             .typed = {{"V", "-1E15"}, {"L", "-1E15"}},
             .edits = {{kToolCall, kSpeedKept}, {kCycle, "N000 G71 X0.87 Z-1 H0.13 D0.01 Q2 F0.1"}},
             .speedAfter = kEarlierSpeed},
        CycleCase{.name = "SizeThatWritesAsNothing", .generator = outer, .machine = {kOth},
             .typed = {{"EndX", "0.00004"}},
             .edits = {{kHeader, "(-----< OD.THREAD M0*P0.1 >-----)"}, {kToolCall, kSpeedKept},
                       {kCycle, "N000 G71 X-0.13 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1"}}},
        CycleCase{.name = "AllowanceAndThreeThreads", .generator = outer, .machine = {kOth},
             .typed = {{"U", "0.002"}, {"C", "3"}},
             .edits = {{kCycle, "N000 G71 X0.87 Z-1 H0.13 D0.01 U0.002 L0.05 M23 Q3 F0.1"}}, .speedAfter = 1140},
        CycleCase{.name = "MacTurnCounterClockwiseStop", .generator = outer,
             .machine = {.kind = kMac, .optionalStop = true}, .typed = {{"SpindleCCW", nullptr}, {"B", "90"}},
             .edits = {{kToolCall, "N000 MT=701\nN000 M421\nN000 G00 X1.2 Z50 TL=0707 BT=1 M602 M42 S1140 M04 M63 M08"},
                       {kHome, "N000 G21 HP=4 M05 M63 M09\nNSTP M01"}}, .speedAfter = 1140},
        CycleCase{.name = "MultusToolLifeShape", .generator = outer,
             .machine = {.kind = kMul, .toolLife = true, .toolShape = true}, .typed = {{"M603", nullptr}},
             .edits = {{"+(-----< OD.THREAD M1*P0.1 >-----)",
                        "NOEX VGRIN[7]=13 VGRFN[7]=1 VGRA1[7]=60\nNOEX VGRL[7]=1.6\nN000 MT=1 TG=7\nN000 M421"},
                       {kToolCall, "N000 G00 X1.2 Z50 TG=7 OG=1 M603 M42 S1140 M03 M63 M08 M263"},
                       {kHome, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}, .speedAfter = 1140},
        CycleCase{.name = "SpeedBeyondDouble", .generator = outer, .machine = {kOth}, .typed = {{"V", "1E306"}},
             .error = "Error 6"},
        // An inner thread is the size itself, one pitch deep; its tool is as long as the
        // thread plus 0.8.
        CycleCase{.name = "InnerToolShape", .generator = inner, .machine = {.kind = kOth, .toolShape = true},
             .edits = {{kHeader, "(-----< ID.THREAD M1*P0.1 >-----)\nNOEX VTLIN[7]=14 VTLFN[7]=1 VTLA1[7]=60\n"
                                 "NOEX VTLD[7]=0.8 VTLL[7]=2"},
                       {kCycle, "N000 G71 X1 Z-1 H0.1 D0.01 L0.05 M23 Q2 F0.1"}, {"N000 G00 X200", "N000 G00 Z50"}},
             .speedAfter = 1140},
        CycleCase{.name = "InnerToolLifeShape", .generator = inner,
             .machine = {.kind = kOth, .toolLife = true, .toolShape = true},
             .edits = {{kHeader, "(-----< ID.THREAD M1*P0.1 >-----)\nNOEX VGRIN[7]=14 VGRFN[7]=1 VGRA1[7]=60\n"
                                 "NOEX VGRD[7]=0.8 VGRL[7]=2"},
                       {kToolCall, "N000 G00 X1.2 Z50 TG=7 OG=1 M42 S1140 M03 M63 M08"},
                       {kCycle, "N000 G71 X1 Z-1 H0.1 D0.01 L0.05 M23 Q2 F0.1"}, {"N000 G00 X200", "N000 G00 Z50"}},
             .speedAfter = 1140},
        // A face thread takes its speed at the start diameter 1.2, goes 0.65 of the pitch
        // deep in Z and has the allowance W.
        CycleCase{.name = "Face", .generator = face, .machine = {kOth}, .typed = {{"W", "0.002"}},
             .edits = {{kHeader, "(-----< OD.THREAD FACE P0.1 >-----)"},
                  {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S950 M03 M63 M08"},
                  {kCycle, "N000 G72 X1 Z-1 H0.065 D0.01 W0.002 L0.05 M23 Q2 F0.1"}, {"N000 G00 X200", "N000 G00 Z50"}},
             .speedAfter = 950},
        CycleCase{.name = "FaceWithoutStartDiameter", .generator = face, .machine = {kOth}, .typed = {{"StartX", "0"}},
             .edits = {{kHeader, "(-----< OD.THREAD FACE P0.1 >-----)"},
                       {kToolCall, "N000 G00 X0 Z50 T0707 M42 S1230 M03 M63 M08"},
                       {kCycle, "N000 G72 X1 Z-1 H0.065 D0.01 L0.05 M23 Q2 F0.1"}, {"N000 G00 X200", "N000 G00 Z50"}}}),
    caseName);

}  // namespace

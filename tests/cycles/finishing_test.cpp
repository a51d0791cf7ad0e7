#include <gtest/gtest.h>

#include "cycles/finishing.h"
#include "cycle_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// O.D. finish on an other machine: tool 3, V 400 on a start diameter of 2
// (S = floor(400 × 1000 ÷ 3.14 ÷ 3.28 ÷ 56.8 ÷ 10) × 10 = 680), allowances 0.01 and 0.004.
const char* const kOuterBlock = R"(
(-----< OD.FINISH >-----)
N000 G00 X2.16 Z0.2 T030303 M42 S680 M03 M63 M08
NT03     Z0.08 G96 S400
N000 G87 NAP2 U0.01 W0.004
N000 G00 X12 G97 S680 M63
N000     X20 Z10
<TAB>
)";

const char* const kHeader = "(-----< OD.FINISH >-----)";
const char* const kToolCall = "N000 G00 X2.16 Z0.2 T030303 M42 S680 M03 M63 M08";
const char* const kApproach = "NT03     Z0.08 G96 S400";
const char* const kCycle = "N000 G87 NAP2 U0.01 W0.004";
const char* const kRetreat = "N000 G00 X12 G97 S680 M63";
const char* const kHome = "N000     X20 Z10";
const Typing kStart = {{"StartX", "2"}, {"StartZ", "0"}};

class Finishing : public ::testing::TestWithParam<CycleCase> {};

TEST_P(Finishing, WholeBlock) { expectWorkCase(GetParam(), block(kOuterBlock), 12); }

INSTANTIATE_TEST_SUITE_P(
    Table, Finishing,
    ::testing::Values(
        CycleCase{.name = "OuterOther", .generator = finishOuterGenerator, .machine = {kOth}, .typed = kStart,
             .speedAfter = 680},
        // Both machine flags write MacTurn's words and no M263.
        CycleCase{.name = "OuterBothFlagsB90ShapeMonitorStop", .generator = finishOuterGenerator,
             .machine = {.kind = kMac, .toolShape = true, .loadMonitor = true, .optionalStop = true,
                         .bothMachineFlags = true},
             .typed = plus(kStart, {{"B", "90"}, {"M603", nullptr}}),
             .edits = {{"+(-----< OD.FINISH >-----)",
               "NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55\nNOEX VTLA2[3]=0.2 VTLL[3]=1.6\nN000 MT=301\nN000 M421"},
              {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 BT=1 M603 M42 S680 M03 M63 M08"},
              {"+NT03     Z0.08 G96 S400", "N000 VLMON[3]=8"}, {"+N000 G87 NAP2 U0.01 W0.004", "N000 VLMON[3]=0"},
              {kHome, "N000 G21 HP=4 M05 M63 M09\nNSTP M01"}}},
        // Conditions are judged on the values as written: U and W read 0 here.
        CycleCase{.name = "OuterMultusToolLifeShapeB45AllowancesWrittenAsZero", .generator = finishOuterGenerator,
             .machine = {.kind = kMul, .toolLife = true, .toolShape = true},
             .typed = plus(kStart, {{"B", "45"}, {"U", "0.00004"}, {"W", "0"}}),
             .edits = {{"+(-----< OD.FINISH >-----)",
               "NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55\nNOEX VGRA2[3]=0.2 VGRL[3]=1.6\nN000 MT=1 TG=3\nN000 M421"},
              {kToolCall, "N000 G00 X2.16 Z0.2 TG=3 OG=1 BA=45 M602 M42 S680 M03 M63 M08 M263"},
              {kCycle, "N000 G87 NAP2"},
              {kHome, "N000 G20 HP=4 M867 G97 S680 M05 M63 M09\nN000 M866"}}},

        CycleCase{.name = "FaceOtherMonitor", .generator = finishFaceGenerator,
             .machine = {.kind = kOth, .loadMonitor = true}, .typed = kStart,
             .edits = {{kHeader, "(-----< OD.FINISH FACE >-----)"}, {"+NT03     Z0.08 G96 S400", "N000 VLMON[3]=1+8"},
                       {kCycle, "N000 G87 NAP1 U0.01 W0.004\nN000 VLMON[3]=0"}, {kRetreat, ""},
                       {kHome, "N000 G00 X20 Z10 G97 S680 M63"}}},
        // An end X written as 0 faces through the centre; S at X3 is 470.
        CycleCase{.name = "FaceOuterMacTurnThroughTheCentre", .generator = finishFaceOuterGenerator, .machine = {kMac},
             .typed = {{"StartX", "3"}, {"EndX", "0.00004"}},
             .edits = {{"+(-----< OD.FINISH >-----)", "N000 MT=301\nN000 M421"},
              {kToolCall, "N000 G00 X3.16 Z0.2 TL=0303 M602 M42 S470 M03 M63 M08"},
              {kApproach, "NT03     Z0 G96 S400\nN000 G01 X3 G41 F0.006\nN000     X0\nN000 G40 I-1\nN000 G00 X3 Z2"},
              {kRetreat, "N000 G00 X12 G97 S470 M63"}, {kHome, "N000 G21 HP=4 M05 M63 M09"}}},
        // The end X comes from the work's bore.
        CycleCase{.name = "FaceOuterMultusToTheBore", .generator = finishFaceOuterGenerator, .machine = {kMul},
             .typed = {{"StartX", "2"}},
             .edits = {{"+(-----< OD.FINISH >-----)", "N000 MT=301\nN000 M421"},
                       {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 M602 M42 S680 M03 M63 M08 M263"},
                       {kApproach, "NT03     Z0 G96 S400\nN000 G01 X1 F0.006\nN000 G00 X2 Z2"},
                       {kHome, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}, .work = {{}, {}, 1.0f}},

        // The bore 1.25 is pre-filled: S = 1020.
        CycleCase{.name = "InnerOtherShapeTool5", .generator = finishInnerGenerator,
             .machine = {.kind = kOth, .toolShape = true}, .typed = {{"ToolNumber", "5"}, {"StartZ", "0.1"}},
             .edits = {{kHeader, "(-----< ID.FINISH >-----)\nNOEX VTLIN[5]=8 VTLFN[5]=1 VTLA1[5]=60\n"
                        "NOEX VTLA2[5]=3 VTLD[5]=0.8 VTLL[5]=0.9"},
              {kToolCall, "N000 G00 X1.25 Z0.2 T050505 M42 S1020 M03 M63 M08"}, {kApproach, "NT05     Z0.18 G96 S400"},
              {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-0.04 G91\nN000 G00 Z0.2 G90"}, {kRetreat, ""},
              {kHome, "N000     X20 Z10 G97 S1020 M63"}}, .work = {{}, {}, 1.25f}},
        CycleCase{.name = "InnerMacTurnToolLife", .generator = finishInnerGenerator,
             .machine = {.kind = kMac, .toolLife = true}, .typed = {{"StartX", "1.25"}},
             .edits = {{kHeader, "(-----< ID.FINISH >-----)\nN000 MT=1 TG=3\nN000 M421"},
                       {kToolCall, "N000 G00 X1.25 Z0.2 TG=3 OG=1 M602 M42 S1020 M03 M63 M08"},
                       {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-0.04 G91\nN000 G00 Z0.2 G90"},
                       {kRetreat, "N000     X12 G97 S1020 M63"}, {kHome, "N000 G21 HP=4 M05 M63 M09"}}},
        // The boring bar's data under the tool-life names: the end Z is hidden, so the
        // length is the start Z plus 0.8.
        CycleCase{.name = "InnerToolLifeShape", .generator = finishInnerGenerator,
             .machine = {.kind = kOth, .toolLife = true, .toolShape = true}, .typed = {{"StartX", "1.25"}, {"StartZ", "0.2"}},
             .edits = {{kHeader, "(-----< ID.FINISH >-----)\nNOEX VGRIN[3]=8 VGRFN[3]=1 VGRA1[3]=60\n"
                        "NOEX VGRA2[3]=3 VGRD[3]=0.8 VGRL[3]=1"},
              {kToolCall, "N000 G00 X1.25 Z0.2 TG=3 OG=1 M42 S1020 M03 M63 M08"}, {kApproach, "NT03     Z0.28 G96 S400"},
              {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-0.04 G91\nN000 G00 Z0.2 G90"}, {kRetreat, ""},
              {kHome, "N000     X20 Z10 G97 S1020 M63"}}},
        // The approach Z would write as -1E+15.
        CycleCase{.name = "ApproachZBeyondPlainDigits", .generator = finishOuterGenerator, .machine = {kOth},
             .typed = {{"StartX", "2"}, {"StartZ", "-999999999999999.9"}}, .error = "Error 6"},
        // -0.2362204724409449 × 25.4 + 6 is exactly 0.
        CycleCase{.name = "ZeroSpeedDiameter", .generator = finishFaceGenerator, .machine = {kOth},
             .typed = {{"StartX", "-0.2362204724409449"}}, .error = "Error 11"}),
    caseName);

// The face & O.D. end X and the inner start X take the work's bore, 0 before any
// workpiece input.
TEST(FinishingDialog, KeepsTheFacingBoxesAndPrefillsTheBore) {
    const ProcessDialogView faceOuter = dialogShown(finishFaceOuterGenerator, {{}, {}, 1.25f});
    EXPECT_EQ(faceOuter.text("EndX") + " " + faceOuter.text("StartZ"), QStringLiteral("1.25 0"));
    const ProcessDialogView inner = dialogShown(finishInnerGenerator, {});
    EXPECT_EQ(inner.text("StartX") + " " + inner.text("StartZ"), QStringLiteral("0 0"));
}

}  // namespace

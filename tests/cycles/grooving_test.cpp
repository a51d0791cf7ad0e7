#include <gtest/gtest.h>

#include "cycles/grooving.h"
#include "cycle_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using Edits = std::vector<Edit>;
const Machine kMacTurn{kMac};
const Machine kMultus{kMul};

// O.D. groove on a MacTurn: tool 5, V 300 at the opening diameter 2
// (S = floor(300 × 1000 ÷ 3.14 ÷ 3.28 ÷ 54.8 ÷ 10) × 10 = 530), walls at Z -0.2 and 0,
// bottom at X 1.8, insert 0.12, chamfers of 0.03 held in single precision.
const char* const kOuterBlock = R"(
(-----< OD.GROOVE W0.2 >-----)
N000 MT=501
N000 M421
N000 G00 X12 Z-0.198 TL=0505 M602 M42 S530 M03 M63 M08
NT05     X2.16
N000 G96 S300
N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T25
N000 G00 Z-0.25
N000 G01 X2.04 G41 F0.012
N000     Z-0.2 A-45 F0.003
N000     X1.8 G40 I-1
N000     Z-0.198
N000 G00 X2.16
N000     Z0.05 TL=250525
N000 G01 X2.04 G42 F0.012
N000     Z0 A-135 F0.003
N000     X1.8 G40 I-1
N000     Z-0.198 TL=50505
N000 G00 X12 G97 S530 M63
N000 G21 HP=4 M05 M63 M09
<TAB>
)";

const char* const kHeader = "(-----< OD.GROOVE W0.2 >-----)";
const char* const kToolCall = "N000 G00 X12 Z-0.198 TL=0505 M602 M42 S530 M03 M63 M08";
const char* const kCycle = "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T25";
const char* const kFirstSwitch = "N000     Z0.05 TL=250525";
const char* const kSecondSwitch = "N000     Z-0.198 TL=50505";
const char* const kRetreat = "N000 G00 X12 G97 S530 M63";
const char* const kMacTurnEnd = "N000 G21 HP=4 M05 M63 M09";

const Typing kOuterInput = {{"StartX", "2"}, {"StartZ", "-0.2"}, {"EndX", "1.8"}, {"EndZ", "0"}};
// The inner groove opens at 1 and goes to 1.2 (S = 1360 at 25.4 − 4 mm); the face groove
// lies between X 2 and 2.5 and goes to Z -0.2 (S = 570 at 2 ÷ 25.4).
const Typing kInnerInput = {{"StartX", "1"}, {"StartZ", "-0.2"}, {"EndX", "1.2"}, {"EndZ", "0"}};
const Typing kFaceInput = {{"StartX", "2"}, {"StartZ", "0"}, {"EndX", "2.5"}, {"EndZ", "-0.2"}};

const Edits kRadius = {{"N000 G00 Z-0.25", "N000 G00 Z-0.23"}, {"N000 G01 X2.04 G41 F0.012", "N000 G01 X2 G41 F0.008"},
                       {"N000     Z-0.2 A-45 F0.003", "N000 G02 X1.94 Z-0.2 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1<#1>", "N000 G01 X1.8 G40 I-1"},
                       {kFirstSwitch, "N000     Z0.03 TL=250525"},
                       {"N000 G01 X2.04 G42 F0.012", "N000 G01 X2 G42 F0.008"},
                       {"N000     Z0 A-135 F0.003", "N000 G03 X1.94 Z0 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1", "N000 G01 X1.8 G40 I-1"}};

const Edits kInner = {
    {kHeader, "(-----< ID.GROOVE W0.2 >-----)"}, {kToolCall, "N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08"},
    {"NT05     X2.16", "NT05     Z-0.198"}, {kCycle, "N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 T25"},
    {"N000 G01 X2.04 G41 F0.012", "N000 G01 X0.96 G42 F0.012"},
    {"N000     Z-0.2 A-45 F0.003", "N000     Z-0.2 A45 F0.003"}, {"N000     X1.8 G40 I-1<#1>", "N000     X1.2 G40 I1"},
    {"N000 G00 X2.16", "N000 G00 X0.84"}, {"N000 G01 X2.04 G42 F0.012", "N000 G01 X0.96 G41 F0.012"},
    {"N000     Z0 A-135 F0.003", "N000     Z0 A135 F0.003"}, {"N000     X1.8 G40 I-1", "N000     X1.2 G40 I1"},
    {kRetreat, "N000 G00 X0.84\nN000     Z0.2 G97 S1360 M63\nN000     X12"}};

const Edits kInnerRadius = {{"N000 G00 Z-0.25", "N000 G00 Z-0.23"},
                            {"N000 G01 X0.96 G42 F0.012", "N000 G01 X1 G42 F0.008"},
                            {"N000     Z-0.2 A45 F0.003", "N000 G03 X1.06 Z-0.2 L0.03 F0.003"},
                            {"N000     X1.2 G40 I1<#1>", "N000 G01 X1.2 G40 I1"},
                            {kFirstSwitch, "N000     Z0.03 TL=250525"},
                            {"N000 G01 X0.96 G41 F0.012", "N000 G01 X1 G41 F0.008"},
                            {"N000     Z0 A135 F0.003", "N000 G02 X1.06 Z0 L0.03 F0.003"},
                            {"N000     X1.2 G40 I1", "N000 G01 X1.2 G40 I1"}};

// The face groove's walls run along X; it leaves along Z, then stops the speed at the end.
const Edits kFace = {
    {kHeader, "(-----< OD.GROOVE FACE W0.25 >-----)"},
    {kToolCall, "N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08"},
    {"NT05     X2.16", "NT05     Z0.08 G96 S300"}, {"N000 G96 S300", ""},
    {kCycle, "N000 G74 X2.496 Z-0.198 D0.02 I0.1 F0.003 T25"}, {"N000 G00 Z-0.25", "N000 G00 X1.9"},
    {"N000 G01 X2.04 G41 F0.012", "N000 G01 Z0.02 G42 F0.012"},
    {"N000     Z-0.2 A-45 F0.003", "N000     X2 A135 F0.003"}, {"N000     X1.8 G40 I-1<#1>", "N000     Z-0.2 G40 K-1"},
    {"N000     Z-0.198", "N000     X2.004"}, {"N000 G00 X2.16", "N000 G00 Z0.08"},
    {kFirstSwitch, "N000     X2.6 TL=250525"}, {"N000 G01 X2.04 G42 F0.012", "N000 G01 Z0.02 G41 F0.012"},
    {"N000     Z0 A-135 F0.003", "N000     X2.5 A-135 F0.003"}, {"N000     X1.8 G40 I-1", "N000     Z-0.2 G40 K-1"},
    {kSecondSwitch, "N000     X2.004 TL=50505"}, {kRetreat, "N000 G00 Z0.2\nN000     X12 G97 S570 M63"}};

class Grooving : public ::testing::TestWithParam<CycleCase> {};

TEST_P(Grooving, WholeBlock) { expectWorkCase(GetParam(), block(kOuterBlock), 12); }

INSTANTIATE_TEST_SUITE_P(
    Table, Grooving,
    ::testing::Values(
        // C 0.03 at EndZ 0 gives Z0.05, and an insert of 0.12 gives K0.1.
        CycleCase{.name = "OuterMacTurn", .generator = grooveOuterGenerator, .machine = kMacTurn, .typed = kOuterInput,
             .speedAfter = 530},
        // The offset words are whole-number words: 300000 × 10101 lies beyond 32 bits.
        CycleCase{.name = "OuterOffsetWordBeyond32Bits", .generator = grooveOuterGenerator, .machine = kMacTurn,
                  .typed = plus(kOuterInput, {{"ToolNumber", "300000"}}), .error = "Error 6"},
        CycleCase{.name = "OuterMacTurnRadius", .generator = grooveOuterGenerator, .machine = kMacTurn,
             .typed = plus(kOuterInput, {{"Option2", nullptr}}), .edits = kRadius},
        CycleCase{.name = "OuterOther", .generator = grooveOuterGenerator, .machine = {kOth}, .typed = kOuterInput,
             .edits = {{"N000 MT=501", ""}, {"N000 M421", ""},
                       {kToolCall, "N000 G00 X12 Z-0.198 T050505 M42 S530 M03 M63 M08"},
                       {kFirstSwitch, "N000     Z0.05 T250525"}, {kSecondSwitch, "N000     Z-0.198 T50505"},
                       {kMacTurnEnd, "N000     X20 Z10"}}},
        // The approach point is written through copies: 1.00015 is X1.0001 and stays.
        CycleCase{.name = "OuterMultusStopApproachWrittenFromACopy", .generator = grooveOuterGenerator,
             .machine = {.kind = kMul, .optionalStop = true, .approachX = 1.00015}, .typed = kOuterInput,
             .edits = {{kToolCall, "N000 G00 X1.0001 Z-0.198 TL=0505 M602 M42 S530 M03 M63 M08 M263"},
                       {kRetreat, "N000 G00 X1.0001 G97 S530 M63"},
                       {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866\nNSTP M01"}}},
        // Grooving writes no load-monitor lines.
        CycleCase{.name = "OuterMacTurnShapeMonitorB45", .generator = grooveOuterGenerator,
             .machine = {.kind = kMac, .toolShape = true, .loadMonitor = true},
             .typed = plus(kOuterInput, {{"B", "45"}}),
             .edits = {{"+(-----< OD.GROOVE W0.2 >-----)",
                        "NOEX VTLIN[5]=19 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLW[5]=0.12 VTLL[5]=1.6"},
                       {kToolCall, "N000 G00 X12 Z-0.198 TL=0505 BA=45 M602 M42 S530 M03 M63 M08"},
                       {kFirstSwitch, "N000     Z0.05 TL=250525 BA=45"},
                       {kSecondSwitch, "N000     Z-0.198 TL=50505 BA=45"}}},
        // Offset groups instead of offset numbers, and no B word in the switch lines.
        CycleCase{.name = "OuterMacTurnToolLifeShapeB45", .generator = grooveOuterGenerator,
             .machine = {.kind = kMac, .toolLife = true, .toolShape = true}, .typed = plus(kOuterInput, {{"B", "45"}}),
             .edits = {{"N000 MT=501", "NOEX VGRIN[5]=19 VGRFN[5]=1 VGRA1[5]=180\nNOEX VGRW[5]=0.12 VGRL[5]=1.6\n"
                                   "N000 MT=1 TG=5"},
                   {kToolCall, "N000 G00 X12 Z-0.198 TG=5 OG=1 BA=45 M602 M42 S530 M03 M63 M08"},
                   {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 OG=2"}, {kFirstSwitch, "N000     Z0.05 OG=2"},
                   {kSecondSwitch, "N000     Z-0.198 OG=1"}}},
        // The radius word cuts C to 0.03 in place: the first arc still sees 0.03005 (X1.9399),
        // every later word the cut value; EndZ 0.00005 is cut only at the second wall. The
        // offset words take the tool's whole part; only the tool change keeps it as typed.
        CycleCase{.name = "OuterRadiusCutInPlaceFractionalTool", .generator = grooveOuterGenerator, .machine = kMacTurn,
             .typed = plus(kOuterInput,
                           {{"Option2", nullptr}, {"C", "0.03005"}, {"EndZ", "0.00005"}, {"ToolNumber", "5.5"}}),
             .edits = plus(kRadius, {{"N000 MT=501", "N000 MT=5.501"}, {"N000 G00 Z-0.23", "N000 G00 Z-0.2301"},
                                     {"N000 G02 X1.94 Z-0.2 L0.03 F0.003", "N000 G02 X1.9399 Z-0.2 L0.03 F0.003"}})},

        CycleCase{.name = "InnerMacTurnShape", .generator = grooveInnerGenerator,
             .machine = {.kind = kMac, .toolShape = true}, .typed = kInnerInput,
             .edits = plus(kInner, {{"+(-----< ID.GROOVE W0.2 >-----)",
                                 "NOEX VTLIN[5]=20 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLD[5]=0.8 VTLW[5]=0.12 VTLL[5]=0.6"}})},
        CycleCase{.name = "InnerMacTurnToolLifeShape", .generator = grooveInnerGenerator,
             .machine = {.kind = kMac, .toolLife = true, .toolShape = true}, .typed = kInnerInput,
             .edits = plus(kInner, {{"N000 MT=501", "NOEX VGRIN[5]=20 VGRFN[5]=1 VGRA1[5]=180\n"
                                                   "NOEX VGRD[5]=0.8 VGRW[5]=0.12 VGRL[5]=0.6\nN000 MT=1 TG=5"},
                                 {"N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08",
                                  "N000 G00 X0.84 Z0.2 TG=5 OG=1 M602 M42 S1360 M03 M63 M08"},
                                 {"N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 T25",
                                  "N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 OG=2"},
                                 {kFirstSwitch, "N000     Z0.05 OG=2"}, {kSecondSwitch, "N000     Z-0.198 OG=1"}})},
        CycleCase{.name = "InnerMultusRadius", .generator = grooveInnerGenerator, .machine = kMultus,
             .typed = plus(kInnerInput, {{"Option2", nullptr}}),
             .edits = plus(plus(kInner, kInnerRadius),
                           {{"N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08",
                             "N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08 M263"}, {"N000     X12", ""},
                            {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}})},

        CycleCase{.name = "FaceMacTurn", .generator = grooveFaceGenerator, .machine = kMacTurn, .typed = kFaceInput,
             .edits = kFace},
        // A fine feed keeps its ten-thousandths in the cycle and on both walls.
        CycleCase{.name = "FaceFineFeed", .generator = grooveFaceGenerator, .machine = kMacTurn,
             .typed = plus(kFaceInput, {{"F", "0.0008"}}),
             .edits = plus(kFace, {{"N000 G74 X2.496 Z-0.198 D0.02 I0.1 F0.003 T25",
                                    "N000 G74 X2.496 Z-0.198 D0.02 I0.1 F0.0008 T25"},
                                   {"N000     X2 A135 F0.003", "N000     X2 A135 F0.0008"},
                                   {"N000     X2.5 A-135 F0.003", "N000     X2.5 A-135 F0.0008"}})},
        CycleCase{.name = "FaceMultus", .generator = grooveFaceGenerator, .machine = kMultus, .typed = kFaceInput,
             .edits = plus(kFace, {{"N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08",
                                    "N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08 M263"},
                                   {"N000     X12 G97 S570 M63", ""},
                                   {kMacTurnEnd, "N000 G20 HP=4 M867 G97 S570 M05 M63 M09\nN000 M866"}})},
        CycleCase{.name = "FaceOtherRadius", .generator = grooveFaceGenerator, .machine = {kOth},
             .typed = plus(kFaceInput, {{"Option2", nullptr}}),
             .edits = plus(kFace, {{"N000 MT=501", ""}, {"N000 M421", ""},
                                   {"N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08",
                                    "N000 G00 X2.004 Z0.2 T050505 M42 S570 M03 M63 M08"},
                                   {"N000 G00 X1.9", "N000 G00 X1.94"},
                                   {"N000 G01 Z0.02 G42 F0.012", "N000 G01 Z0 G42 F0.012"},
                                   {"N000     X2 A135 F0.003", "N000 G03 X2 Z-0.03 L0.03 F0.003"},
                                   {"N000     Z-0.2 G40 K-1<#1>", "N000 G01 Z-0.2 G40 K-1"},
                                   {"N000     X2.6 TL=250525", "N000     X2.56 T250525"},
                                   {"N000 G01 Z0.02 G41 F0.012", "N000 G01 Z0 G41 F0.012"},
                                   {"N000     X2.5 A-135 F0.003", "N000 G02 X2.5 Z-0.03 L0.03 F0.003"},
                                   {"N000     Z-0.2 G40 K-1", "N000 G01 Z-0.2 G40 K-1"},
                                   {"N000     X2.004 TL=50505", "N000     X2.004 T50505"},
                                   {"N000     X12 G97 S570 M63", "N000     X20 Z10 G97 S570 M63"}, {kMacTurnEnd, ""}})}),
    caseName);

// The speed a command leaves and writes, after a cycle that left 1230.
TEST(GroovingSpeed, IsComputedOrKeptByTheGuards) {
    const struct {
        ProcessGenerator (*generator)();
        Typing typed;
        double expected;
    } cases[] = {
        // Below 4 mm the divisor is negative: 100 × 1000 ÷ 3.14 ÷ 3.28 ÷ -1.46 ÷ 10 is -665.1.
        {grooveInnerGenerator, {{"StartX", "0.1"}, {"V", "100"}}, -6660},
        {grooveFaceGenerator, {{"StartX", "0.00004"}}, kEarlierSpeed},
    };
    for (const auto& c : cases) {
        SharedState s = cycleState({kOth}, {});
        Document doc;
        FakeProcessDialog user;
        enter(user, c.typed);
        runProcessGenerator(c.generator(), s, &doc.box, nullptr);
        const QString speed = QString::number(c.expected, 'f', 0), text = doc.box.Text();
        EXPECT_EQ(s.gSpindleSpeed, c.expected);
        EXPECT_TRUE(text.contains(" M42 S" + speed + " M03") && text.contains(" G97 S" + speed + " M63"))
            << text.toStdString();
    }
}

}  // namespace

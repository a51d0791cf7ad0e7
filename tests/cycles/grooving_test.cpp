#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/shared_state.h"
#include "cycles/grooving.h"
#include "turning_fixture.h"

using namespace quillmar;
using test::Edit;
using test::Typing;

namespace {

using Machine = test::TurningMachine;
using Edits = std::vector<Edit>;
constexpr Machine kOther{};
constexpr Machine kMacTurn{true};
constexpr Machine kMultus{false, true};

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

Typing with(Typing typed, const Typing& more) {
    typed.insert(typed.end(), more.begin(), more.end());
    return typed;
}

Edits plus(Edits edits, const Edits& more) {
    edits.insert(edits.end(), more.begin(), more.end());
    return edits;
}

const Edits kRadius = {{"N000 G00 Z-0.25", "N000 G00 Z-0.23"},
                       {"N000 G01 X2.04 G41 F0.012", "N000 G01 X2 G41 F0.008"},
                       {"N000     Z-0.2 A-45 F0.003", "N000 G02 X1.94 Z-0.2 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1<#1>", "N000 G01 X1.8 G40 I-1"},
                       {kFirstSwitch, "N000     Z0.03 TL=250525"},
                       {"N000 G01 X2.04 G42 F0.012", "N000 G01 X2 G42 F0.008"},
                       {"N000     Z0 A-135 F0.003", "N000 G03 X1.94 Z0 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1", "N000 G01 X1.8 G40 I-1"}};

const Edits kTools = {{"N000 MT=501", "N000 MT=1 TG=5"}};

const Edits kInner = {
    {kHeader, "(-----< ID.GROOVE W0.2 >-----)"},
    {kToolCall, "N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08"},
    {"NT05     X2.16", "NT05     Z-0.198"},
    {kCycle, "N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 T25"},
    {"N000 G01 X2.04 G41 F0.012", "N000 G01 X0.96 G42 F0.012"},
    {"N000     Z-0.2 A-45 F0.003", "N000     Z-0.2 A45 F0.003"},
    {"N000     X1.8 G40 I-1<#1>", "N000     X1.2 G40 I1"},
    {"N000 G00 X2.16", "N000 G00 X0.84"},
    {"N000 G01 X2.04 G42 F0.012", "N000 G01 X0.96 G41 F0.012"},
    {"N000     Z0 A-135 F0.003", "N000     Z0 A135 F0.003"},
    {"N000     X1.8 G40 I-1", "N000     X1.2 G40 I1"},
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
    {"NT05     X2.16", "NT05     Z0.08 G96 S300"},
    {"N000 G96 S300", ""},
    {kCycle, "N000 G74 X2.496 Z-0.198 D0.02 I0.1 F0.003 T25"},
    {"N000 G00 Z-0.25", "N000 G00 X1.9"},
    {"N000 G01 X2.04 G41 F0.012", "N000 G01 Z0.02 G42 F0.012"},
    {"N000     Z-0.2 A-45 F0.003", "N000     X2 A135 F0.003"},
    {"N000     X1.8 G40 I-1<#1>", "N000     Z-0.2 G40 K-1"},
    {"N000     Z-0.198", "N000     X2.004"},
    {"N000 G00 X2.16", "N000 G00 Z0.08"},
    {kFirstSwitch, "N000     X2.6 TL=250525"},
    {"N000 G01 X2.04 G42 F0.012", "N000 G01 Z0.02 G41 F0.012"},
    {"N000     Z0 A-135 F0.003", "N000     X2.5 A-135 F0.003"},
    {"N000     X1.8 G40 I-1", "N000     Z-0.2 G40 K-1"},
    {kSecondSwitch, "N000     X2.004 TL=50505"},
    {kRetreat, "N000 G00 Z0.2\nN000     X12 G97 S570 M63"}};

struct GrooveCase {
    const char* name;
    ProcessGenerator (*generator)();
    Machine machine;
    Typing typed;
    Edits edits;
    double previousSpeed = 0;
};

class Grooving : public ::testing::TestWithParam<GrooveCase> {};

TEST_P(Grooving, WritesTheWholeBlockAtTheCaret) {
    const GrooveCase& c = GetParam();
    SharedState s = test::turningState(c.machine);
    s.gSpindleSpeed = c.previousSpeed;
    test::TurningRun run;
    test::enter(run.user, c.typed);

    runProcessGenerator(c.generator(), s, &run.doc.box, nullptr);

    EXPECT_TRUE(run.user.messages.empty());
    const QString expected = test::edited(test::block(kOuterBlock), c.edits);
    EXPECT_EQ(run.inserted().toStdString(), expected.toStdString());
    EXPECT_EQ(run.doc.box.SelStart(), run.before.size() + expected.size());
    EXPECT_EQ(run.doc.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Grooving,
    ::testing::Values(
        // C 0.03 at EndZ 0 gives Z0.05, and an insert of 0.12 gives K0.1.
        GrooveCase{"OuterMacTurn", grooveOuterGenerator, kMacTurn, kOuterInput, {}},
        GrooveCase{"OuterMacTurnRadius", grooveOuterGenerator, kMacTurn, with(kOuterInput, {{"Option2", nullptr}}),
                   kRadius},
        GrooveCase{"OuterOther",
                   grooveOuterGenerator,
                   kOther,
                   kOuterInput,
                   {{"N000 MT=501", ""},
                    {"N000 M421", ""},
                    {kToolCall, "N000 G00 X12 Z-0.198 T050505 M42 S530 M03 M63 M08"},
                    {kFirstSwitch, "N000     Z0.05 T250525"},
                    {kSecondSwitch, "N000     Z-0.198 T50505"},
                    {kMacTurnEnd, "N000     X20 Z10"}}},
        GrooveCase{"OuterMultusOptionalStop",
                   grooveOuterGenerator,
                   {false, true, false, false, false, true},
                   kOuterInput,
                   {{kToolCall, "N000 G00 X12 Z-0.198 TL=0505 M602 M42 S530 M03 M63 M08 M263"},
                    {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866\nNSTP M01"}}},
        // The load monitor is not grooving's: no VLMON lines.
        GrooveCase{"OuterMacTurnShapeB45Monitor",
                   grooveOuterGenerator,
                   {true, false, false, true, true},
                   with(kOuterInput, {{"B", "45"}}),
                   {{"+(-----< OD.GROOVE W0.2 >-----)",
                     "NOEX VTLIN[5]=19 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLW[5]=0.12 VTLL[5]=1.6"},
                    {kToolCall, "N000 G00 X12 Z-0.198 TL=0505 BA=45 M602 M42 S530 M03 M63 M08"},
                    {kFirstSwitch, "N000     Z0.05 TL=250525 BA=45"},
                    {kSecondSwitch, "N000     Z-0.198 TL=50505 BA=45"}}},
        GrooveCase{"OuterMacTurnB90",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"B", "90"}, {"M603", nullptr}}),
                   {{kToolCall, "N000 G00 X12 Z-0.198 TL=0505 BT=1 M603 M42 S530 M03 M63 M08"},
                    {kFirstSwitch, "N000     Z0.05 TL=250525 BT=1"},
                    {kSecondSwitch, "N000     Z-0.198 TL=50505 BT=1"}}},
        // Offset groups instead of offset numbers, and no B word in the switch lines.
        GrooveCase{"OuterMacTurnToolLifeShapeB45",
                   grooveOuterGenerator,
                   {true, false, true, true},
                   with(kOuterInput, {{"B", "45"}, {"SpindleCCW", nullptr}, {"CoolantOFF", nullptr}}),
                   plus(kTools,
                        {{"^N000 MT=1 TG=5",
                          "NOEX VGRIN[5]=19 VGRFN[5]=1 VGRA1[5]=180\nNOEX VGRW[5]=0.12 VGRL[5]=1.6"},
                         {kToolCall, "N000 G00 X12 Z-0.198 TG=5 OG=1 BA=45 M602 M42 S530 M04 M63 M09"},
                         {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 OG=2"},
                         {kFirstSwitch, "N000     Z0.05 OG=2"},
                         {kSecondSwitch, "N000     Z-0.198 OG=1"}})},
        GrooveCase{"OuterBothMachineFlags", grooveOuterGenerator, {true, true}, kOuterInput, {}},
        GrooveCase{"OuterWithoutSpeedRepeatsThePrevious",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"V", "0"}}),
                   {{kToolCall, "N000 G00 X12 Z-0.198 TL=0505 M602 M42 S770 M03 M63 M08"},
                    {"N000 G96 S300", "N000 G96 S0"},
                    {kRetreat, "N000 G00 X12 G97 S770 M63"}},
                   770},

        GrooveCase{"OuterTool0",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"ToolNumber", "0"}}),
                   {{"N000 MT=501", "N000 MT=001"},
                    {kToolCall, "N000 G00 X12 Z-0.198 TL=0000 M602 M42 S530 M03 M63 M08"},
                    {"NT05     X2.16", "NT00     X2.16"},
                    {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T20"},
                    {kFirstSwitch, "N000     Z0.05 TL=200020"},
                    {kSecondSwitch, "N000     Z-0.198 TL=0"}}},
        // The index and the request take 5.5; the words after the tool word its whole part.
        GrooveCase{"OuterTool5_5Shape",
                   grooveOuterGenerator,
                   {true, false, false, true},
                   with(kOuterInput, {{"ToolNumber", "5.5"}}),
                   {{"N000 MT=501",
                     "NOEX VTLIN[5.5]=19 VTLFN[5.5]=1 VTLA1[5.5]=180\nNOEX VTLW[5.5]=0.12 VTLL[5.5]=1.6\n"
                     "N000 MT=5.501"}}},
        GrooveCase{"OuterTool79",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"ToolNumber", "79"}}),
                   {{"N000 MT=501", "N000 MT=7901"},
                    {kToolCall, "N000 G00 X12 Z-0.198 TL=7979 M602 M42 S530 M03 M63 M08"},
                    {"NT05     X2.16", "NT79     X2.16"},
                    {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T99"},
                    {kFirstSwitch, "N000     Z0.05 TL=997999"},
                    {kSecondSwitch, "N000     Z-0.198 TL=797979"}}},
        // From tool 80 on the pairs run into each other.
        GrooveCase{"OuterTool80Other",
                   grooveOuterGenerator,
                   kOther,
                   with(kOuterInput, {{"ToolNumber", "80"}}),
                   {{"N000 MT=501", ""},
                    {"N000 M421", ""},
                    {kToolCall, "N000 G00 X12 Z-0.198 T808080 M42 S530 M03 M63 M08"},
                    {"NT05     X2.16", "NT80     X2.16"},
                    {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T100"},
                    {kFirstSwitch, "N000     Z0.05 T1008100"},
                    {kSecondSwitch, "N000     Z-0.198 T808080"},
                    {kMacTurnEnd, "N000     X20 Z10"}}},
        GrooveCase{"OuterTool100",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"ToolNumber", "100"}}),
                   {{"N000 MT=501", "N000 MT=10001"},
                    {kToolCall, "N000 G00 X12 Z-0.198 TL=100100 M602 M42 S530 M03 M63 M08"},
                    {"NT05     X2.16", "NT100     X2.16"},
                    {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 T120"},
                    {kFirstSwitch, "N000     Z0.05 TL=1210120"},
                    {kSecondSwitch, "N000     Z-0.198 TL=1010100"}}},
        // The radius word cuts C to 0.03 in place: the first arc still sees 0.0305 (X1.939),
        // every later word the cut value; the end Z 0.0005 is cut at the second wall.
        GrooveCase{"OuterRadiusCutInPlace",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"Option2", nullptr}, {"C", "0.0305"}, {"EndZ", "0.0005"}}),
                   {{"N000 G00 Z-0.25", "N000 G00 Z-0.231"},
                    {"N000 G01 X2.04 G41 F0.012", "N000 G01 X2 G41 F0.008"},
                    {"N000     Z-0.2 A-45 F0.003", "N000 G02 X1.939 Z-0.2 L0.03 F0.003"},
                    {"N000     X1.8 G40 I-1<#1>", "N000 G01 X1.8 G40 I-1"},
                    {kFirstSwitch, "N000     Z0.03 TL=250525"},
                    {"N000 G01 X2.04 G42 F0.012", "N000 G01 X2 G42 F0.008"},
                    {"N000     Z0 A-135 F0.003", "N000 G03 X1.94 Z0 L0.03 F0.003"},
                    {"N000     X1.8 G40 I-1", "N000 G01 X1.8 G40 I-1"}}},
        GrooveCase{"OuterRadiusZero",
                   grooveOuterGenerator,
                   kMacTurn,
                   with(kOuterInput, {{"Option2", nullptr}, {"C", "0"}}),
                   {{"N000 G00 Z-0.25", "N000 G00 Z-0.2"},
                    {"N000 G01 X2.04 G41 F0.012", "N000 G01 X2 G41 F0.008"},
                    {"N000     Z-0.2 A-45 F0.003", "N000 G02 X2 Z-0.2 L0 F0.003"},
                    {"N000     X1.8 G40 I-1<#1>", "N000 G01 X1.8 G40 I-1"},
                    {kFirstSwitch, "N000     Z0 TL=250525"},
                    {"N000 G01 X2.04 G42 F0.012", "N000 G01 X2 G42 F0.008"},
                    {"N000     Z0 A-135 F0.003", "N000 G03 X2 Z0 L0 F0.003"},
                    {"N000     X1.8 G40 I-1", "N000 G01 X1.8 G40 I-1"}}},

        GrooveCase{"InnerMacTurn", grooveInnerGenerator, kMacTurn, kInnerInput, kInner},
        GrooveCase{"InnerMultusRadius",
                   grooveInnerGenerator,
                   kMultus,
                   with(kInnerInput, {{"Option2", nullptr}}),
                   plus(plus(kInner, kInnerRadius),
                        {{"N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08",
                          "N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08 M263"},
                         {"N000     X12", ""},
                         {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}})},
        GrooveCase{"InnerOtherToolLife",
                   grooveInnerGenerator,
                   {false, false, true},
                   kInnerInput,
                   plus(kInner,
                        {{"N000 MT=501", ""},
                         {"N000 M421", ""},
                         {"N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08",
                          "N000 G00 X0.84 Z0.2 TG=5 OG=1 M42 S1360 M03 M63 M08"},
                         {"N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 T25",
                          "N000 G73 X1.196 Z-0.002 D0.02 K0.1 F0.003 OG=2"},
                         {kFirstSwitch, "N000     Z0.05 OG=2"},
                         {kSecondSwitch, "N000     Z-0.198 OG=1"},
                         {"N000     X12", ""},
                         {kMacTurnEnd, "N000     X20 Z10"}})},
        // The bar's length reaches 20 past the groove's depth in Z.
        GrooveCase{"InnerMacTurnShape",
                   grooveInnerGenerator,
                   {true, false, false, true},
                   kInnerInput,
                   plus(kInner, {{"+(-----< ID.GROOVE W0.2 >-----)",
                                  "NOEX VTLIN[5]=20 VTLFN[5]=1 VTLA1[5]=180\n"
                                  "NOEX VTLD[5]=20 VTLW[5]=0.12 VTLL[5]=19.8"}})},

        GrooveCase{"FaceMacTurn", grooveFaceGenerator, kMacTurn, kFaceInput, kFace},
        GrooveCase{"FaceOtherRadiusShape",
                   grooveFaceGenerator,
                   {false, false, false, true},
                   with(kFaceInput, {{"Option2", nullptr}}),
                   plus(kFace,
                        {{"N000 MT=501", "NOEX VTLIN[5]=21 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLW[5]=0.12 VTLL[5]=1.6"},
                         {"N000 M421", ""},
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
                         {"N000     X12 G97 S570 M63", "N000     X20 Z10 G97 S570 M63"},
                         {kMacTurnEnd, ""}})},
        GrooveCase{"FaceMultus",
                   grooveFaceGenerator,
                   kMultus,
                   kFaceInput,
                   plus(kFace, {{"N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08",
                                 "N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08 M263"},
                                {"N000     X12 G97 S570 M63", ""},
                                {kMacTurnEnd, "N000 G20 HP=4 M867 G97 S570 M05 M63 M09\nN000 M866"}})},
        // At a small diameter of 0 or below there is no speed to compute.
        GrooveCase{"FaceAtTheCentreRepeatsTheSpeed",
                   grooveFaceGenerator,
                   kMacTurn,
                   with(kFaceInput, {{"StartX", "0.0004"}, {"EndX", "0.5004"}}),
                   {{kHeader, "(-----< OD.GROOVE FACE W0.25 >-----)"},
                    {kToolCall, "N000 G00 X0.004 Z0.2 TL=0505 M602 M42 S770 M03 M63 M08"},
                    {"NT05     X2.16", "NT05     Z0.08 G96 S300"},
                    {"N000 G96 S300", ""},
                    {kCycle, "N000 G74 X0.496 Z-0.198 D0.02 I0.1 F0.003 T25"},
                    {"N000 G00 Z-0.25", "N000 G00 X-0.1"},
                    {"N000 G01 X2.04 G41 F0.012", "N000 G01 Z0.02 G42 F0.012"},
                    {"N000     Z-0.2 A-45 F0.003", "N000     X0 A135 F0.003"},
                    {"N000     X1.8 G40 I-1<#1>", "N000     Z-0.2 G40 K-1"},
                    {"N000     Z-0.198", "N000     X0.004"},
                    {"N000 G00 X2.16", "N000 G00 Z0.08"},
                    {kFirstSwitch, "N000     X0.6 TL=250525"},
                    {"N000 G01 X2.04 G42 F0.012", "N000 G01 Z0.02 G41 F0.012"},
                    {"N000     Z0 A-135 F0.003", "N000     X0.5 A-135 F0.003"},
                    {"N000     X1.8 G40 I-1", "N000     Z-0.2 G40 K-1"},
                    {kSecondSwitch, "N000     X0.004 TL=50505"},
                    {kRetreat, "N000 G00 Z0.2\nN000     X12 G97 S770 M63"}},
                   770}),
    [](const ::testing::TestParamInfo<GrooveCase>& info) { return std::string(info.param.name); });

// --- the spindle speed and its guards -------------------------------------------------------

struct SpeedCase {
    const char* name;
    ProcessGenerator (*generator)();
    Typing typed;
    double previous;
    double expected;
};

class GroovingSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(GroovingSpeed, IsComputedOrKept) {
    const SpeedCase& c = GetParam();
    SharedState s = test::turningState(kOther);
    s.gSpindleSpeed = c.previous;
    test::TurningRun run;
    test::enter(run.user, c.typed);

    runProcessGenerator(c.generator(), s, &run.doc.box, nullptr);

    EXPECT_TRUE(run.user.messages.empty());
    EXPECT_EQ(s.gSpindleSpeed, c.expected);
    const QString speed = QString::number(c.expected, 'f', 0);
    EXPECT_TRUE(run.inserted().contains(" M42 S" + speed + " M03")) << run.inserted().toStdString();
    EXPECT_TRUE(run.inserted().contains(" G97 S" + speed + " M63")) << run.inserted().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroovingSpeed,
    ::testing::Values(
        SpeedCase{"Outer", grooveOuterGenerator, {{"StartX", "2"}}, 770, 530},
        SpeedCase{"OuterWithoutSpeedAfterStartUp", grooveOuterGenerator, {{"StartX", "2"}, {"V", "0"}}, 0, 0},
        SpeedCase{"OuterSpeedWrittenAsZero", grooveOuterGenerator, {{"StartX", "2"}, {"V", "0.0004"}}, 770, 770},
        SpeedCase{"Inner", grooveInnerGenerator, {{"StartX", "1"}}, 770, 1360},
        // Below 4 mm the divisor is negative: 100 × 1000 ÷ 3.14 ÷ 3.28 ÷ -1.46 ÷ 10 is -665.1.
        SpeedCase{"InnerBelowFourMillimetres", grooveInnerGenerator, {{"StartX", "0.1"}, {"V", "100"}}, 770, -6660},
        SpeedCase{"InnerWithoutSpeed", grooveInnerGenerator, {{"StartX", "1"}, {"V", ""}}, 770, 770},
        SpeedCase{"Face", grooveFaceGenerator, {{"StartX", "2"}}, 770, 570},
        SpeedCase{"FaceAtTheCentre", grooveFaceGenerator, {{"StartX", "0"}}, 770, 770},
        SpeedCase{"FaceBelowTheCentre", grooveFaceGenerator, {{"StartX", "-1"}}, 770, 770},
        SpeedCase{"FaceWithoutSpeed", grooveFaceGenerator, {{"StartX", "2"}, {"V", "0"}}, 770, 770}),
    [](const ::testing::TestParamInfo<SpeedCase>& info) { return std::string(info.param.name); });

// --- the dialog -----------------------------------------------------------------------------

struct ViewCase {
    const char* name;
    ProcessGenerator (*generator)();
    const char* caption;
    const char* insertLabel;
    const char* insertLetter;
    const char* attention;
    const char* tool;
};

class GroovingDialog : public ::testing::TestWithParam<ViewCase> {};

TEST_P(GroovingDialog, ComesUpRelabelledWithTheCornerOptions) {
    const ViewCase& c = GetParam();
    SharedState s = test::turningState(kMacTurn);
    s.workShape.gMaterialID = 1.25f;
    s.workShape.gMaterialOD = 3.0;
    test::TurningRun run;
    run.user.leaveBy(test::FakeProcessDialog::Leave::Cancel);

    runProcessGenerator(c.generator(), s, &run.doc.box, nullptr);

    const test::ProcessDialogView& v = run.user.seen;
    EXPECT_EQ(v.caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(v.text("LabelL"), QString::fromUtf8(c.insertLabel));
    EXPECT_EQ(v.text("LabelL2"), QString::fromUtf8(c.insertLetter));
    EXPECT_EQ(v.text("LabelAttn"), QString::fromUtf8(c.attention));
    EXPECT_EQ(v.text("LabelStartC"), QString());
    EXPECT_EQ(v.text("LabelEndC"), QString());
    EXPECT_TRUE(v.isHidden("StartC") && v.isHidden("EndC"));
    EXPECT_FALSE(v.isHidden("Frame3") || v.isHidden("B") || v.isHidden("L") || v.isHidden("C"));
    EXPECT_TRUE(v.isChecked("Option1"));
    // Nothing comes from the work shape.
    for (const char* box : {"StartX", "StartZ", "EndX", "EndZ"})
        EXPECT_EQ(v.text(box), QString()) << box;
    EXPECT_EQ(v.text("ToolNumber"), QString::fromLatin1(c.tool));
    EXPECT_EQ(v.text("L"), QStringLiteral("0.12"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroovingDialog,
    ::testing::Values(
        ViewCase{"Outer", grooveOuterGenerator, "O.D.Groove", "Insert Width", "K", "Attn.Start Z-axis is munes", "5"},
        ViewCase{"Inner", grooveInnerGenerator, "I.D.Groove", "バイト巾", "K", "注：開始点のZ軸はマイナス側です。", "5"},
        ViewCase{"Face", grooveFaceGenerator, "Face Groove", "Tip Width", "W", "Attn. Start point is small diameter.",
                 "5"}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.name); });

// --- the profile is written, never changed --------------------------------------------------

TEST(Grooving, WritesTheApproachPointThroughCopies) {
    SharedState s = test::turningState(kMacTurn);
    s.profile.gApproachX = 1.0015;
    test::TurningRun run;
    test::enter(run.user, kOuterInput);

    runProcessGenerator(grooveOuterGenerator(), s, &run.doc.box, nullptr);

    const QString block = run.inserted();
    EXPECT_TRUE(block.contains("N000 G00 X1.001 Z-0.198 TL=0505")) << block.toStdString();
    EXPECT_TRUE(block.contains("N000 G00 X1.001 G97 S530 M63")) << block.toStdString();
    EXPECT_EQ(s.profile.gApproachX, 1.0015);
}

// --- failures -------------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    ProcessGenerator (*generator)();
    Typing typed;
    const char* title;
};

class GroovingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GroovingFailure, IsReportedAndChangesNothing) {
    const FailureCase& c = GetParam();
    SharedState s = test::turningState(kOther);
    s.gSpindleSpeed = 770;
    test::TurningRun run;
    test::enter(run.user, c.typed);

    runProcessGenerator(c.generator(), s, &run.doc.box, nullptr);

    ASSERT_EQ(run.user.messages.size(), 1u);
    EXPECT_EQ(run.user.messages[0].title, QString::fromLatin1(c.title));
    EXPECT_EQ(run.inserted(), QString());
    EXPECT_EQ(run.doc.changes, 0);
    EXPECT_EQ(s.gSpindleSpeed, 770);
    EXPECT_EQ(s.gOutputText, QString());
}

// ±0.15748031496062995 × 25.4 is exactly 4.
INSTANTIATE_TEST_SUITE_P(
    Table, GroovingFailure,
    ::testing::Values(
        FailureCase{"SpeedOverflows", grooveOuterGenerator, with(kOuterInput, {{"V", "1E306"}}), "Error 6"},
        FailureCase{"StartXOverflowsItsWord", grooveOuterGenerator, with(kOuterInput, {{"StartX", "1E306"}}),
                    "Error 6"},
        // The speed is computed (570) before the header fails; it is put back.
        FailureCase{"FaceEndXOverflowsTheHeader", grooveFaceGenerator, with(kFaceInput, {{"EndX", "1E306"}}),
                    "Error 6"},
        FailureCase{"ChamferOverflowsItsWord", grooveInnerGenerator, with(kInnerInput, {{"C", "3E38"}}), "Error 6"},
        FailureCase{"RadiusDoubledBeyondSingle", grooveFaceGenerator,
                    with(kFaceInput, {{"C", "3E38"}, {"Option2", nullptr}}), "Error 6"},
        FailureCase{"OuterZeroSpeedDiameter", grooveOuterGenerator,
                    with(kOuterInput, {{"StartX", "-0.15748031496062995"}}), "Error 11"},
        FailureCase{"InnerZeroSpeedDiameter", grooveInnerGenerator,
                    with(kInnerInput, {{"StartX", "0.15748031496062995"}}), "Error 11"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ExpectedText, NamesOneOfTwoEqualLinesByItsNumber) {
    const QString base = test::crlf("A\nB\nA\n");
    EXPECT_EQ(test::edited(base, {{"A<#2>", "C"}}), test::crlf("A\nB\nC\n"));
    EXPECT_EQ(test::edited(base, {{"+A<#1>", "D"}}), test::crlf("A\nD\nB\nA\n"));
    EXPECT_THROW(test::edited(base, {{"A", "C"}}), std::logic_error);
    EXPECT_THROW(test::edited(base, {{"A<#3>", "C"}}), std::logic_error);
}

}  // namespace

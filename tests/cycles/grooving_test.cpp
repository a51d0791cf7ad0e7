#include <gtest/gtest.h>

#include "cycles/grooving.h"
#include "turning_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using Edits = std::vector<Edit>;
constexpr TurningMachine kMacTurn{true};
constexpr TurningMachine kMultus{false, true};

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

const Edits kRadius = {{"N000 G00 Z-0.25", "N000 G00 Z-0.23"},
                       {"N000 G01 X2.04 G41 F0.012", "N000 G01 X2 G41 F0.008"},
                       {"N000     Z-0.2 A-45 F0.003", "N000 G02 X1.94 Z-0.2 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1<#1>", "N000 G01 X1.8 G40 I-1"},
                       {kFirstSwitch, "N000     Z0.03 TL=250525"},
                       {"N000 G01 X2.04 G42 F0.012", "N000 G01 X2 G42 F0.008"},
                       {"N000     Z0 A-135 F0.003", "N000 G03 X1.94 Z0 L0.03 F0.003"},
                       {"N000     X1.8 G40 I-1", "N000 G01 X1.8 G40 I-1"}};

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

class Grooving : public ::testing::TestWithParam<TurningCase> {};

TEST_P(Grooving, WritesTheWholeBlockAtTheCaret) { expectBlock(kOuterBlock, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Table, Grooving,
    ::testing::Values(
        // C 0.03 at EndZ 0 gives Z0.05, and an insert of 0.12 gives K0.1.
        TurningCase{"OuterMacTurn", grooveOuterGenerator, kMacTurn, kOuterInput, {}},
        TurningCase{"OuterBothMachineFlags", grooveOuterGenerator, {true, true}, kOuterInput, {}},
        TurningCase{"OuterMacTurnRadius", grooveOuterGenerator, kMacTurn, with(kOuterInput, {{"Option2", nullptr}}),
                  kRadius},
        TurningCase{"OuterOther", grooveOuterGenerator, {}, kOuterInput,
                  {{"N000 MT=501", ""},
                   {"N000 M421", ""},
                   {kToolCall, "N000 G00 X12 Z-0.198 T050505 M42 S530 M03 M63 M08"},
                   {kFirstSwitch, "N000     Z0.05 T250525"},
                   {kSecondSwitch, "N000     Z-0.198 T50505"},
                   {kMacTurnEnd, "N000     X20 Z10"}}},
        TurningCase{"OuterMultusStop", grooveOuterGenerator, {false, true, false, false, false, true}, kOuterInput,
                  {{kToolCall, "N000 G00 X12 Z-0.198 TL=0505 M602 M42 S530 M03 M63 M08 M263"},
                   {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866\nNSTP M01"}}},
        // Grooving writes no load-monitor lines.
        TurningCase{"OuterMacTurnShapeMonitorB45", grooveOuterGenerator, {true, false, false, true, true},
                  with(kOuterInput, {{"B", "45"}}),
                  {{"+(-----< OD.GROOVE W0.2 >-----)",
                    "NOEX VTLIN[5]=19 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLW[5]=0.12 VTLL[5]=1.6"},
                   {kToolCall, "N000 G00 X12 Z-0.198 TL=0505 BA=45 M602 M42 S530 M03 M63 M08"},
                   {kFirstSwitch, "N000     Z0.05 TL=250525 BA=45"},
                   {kSecondSwitch, "N000     Z-0.198 TL=50505 BA=45"}}},
        // Offset groups instead of offset numbers, and no B word in the switch lines.
        TurningCase{"OuterMacTurnToolLifeShapeB45", grooveOuterGenerator, {true, false, true, true},
                  with(kOuterInput, {{"B", "45"}}),
                  {{"N000 MT=501", "NOEX VGRIN[5]=19 VGRFN[5]=1 VGRA1[5]=180\nNOEX VGRW[5]=0.12 VGRL[5]=1.6\n"
                                   "N000 MT=1 TG=5"},
                   {kToolCall, "N000 G00 X12 Z-0.198 TG=5 OG=1 BA=45 M602 M42 S530 M03 M63 M08"},
                   {kCycle, "N000 G73 X1.804 Z-0.002 D0.02 K0.1 F0.003 OG=2"},
                   {kFirstSwitch, "N000     Z0.05 OG=2"},
                   {kSecondSwitch, "N000     Z-0.198 OG=1"}}},
        // The radius word cuts C to 0.03 in place: the first arc still sees 0.0305 (X1.939),
        // every later word the cut value; EndZ 0.0005 is cut only at the second wall.
        TurningCase{"OuterRadiusCutInPlace", grooveOuterGenerator, kMacTurn,
                  with(kOuterInput, {{"Option2", nullptr}, {"C", "0.0305"}, {"EndZ", "0.0005"}}),
                  plus(kRadius, {{"N000 G00 Z-0.23", "N000 G00 Z-0.231"},
                                 {"N000 G02 X1.94 Z-0.2 L0.03 F0.003", "N000 G02 X1.939 Z-0.2 L0.03 F0.003"}})},

        TurningCase{"InnerMacTurnShape", grooveInnerGenerator, {true, false, false, true}, kInnerInput,
                  plus(kInner, {{"+(-----< ID.GROOVE W0.2 >-----)",
                                 "NOEX VTLIN[5]=20 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLD[5]=20 VTLW[5]=0.12 VTLL[5]=19.8"}})},
        TurningCase{"InnerMultusRadius", grooveInnerGenerator, kMultus, with(kInnerInput, {{"Option2", nullptr}}),
                  plus(plus(kInner, kInnerRadius),
                       {{"N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08",
                         "N000 G00 X0.84 Z0.2 TL=0505 M602 M42 S1360 M03 M63 M08 M263"},
                        {"N000     X12", ""},
                        {kMacTurnEnd, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}})},

        TurningCase{"FaceMacTurn", grooveFaceGenerator, kMacTurn, kFaceInput, kFace},
        TurningCase{"FaceMultus", grooveFaceGenerator, kMultus, kFaceInput,
                  plus(kFace, {{"N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08",
                                "N000 G00 X2.004 Z0.2 TL=0505 M602 M42 S570 M03 M63 M08 M263"},
                               {"N000     X12 G97 S570 M63", ""},
                               {kMacTurnEnd, "N000 G20 HP=4 M867 G97 S570 M05 M63 M09\nN000 M866"}})},
        TurningCase{"FaceOtherRadius", grooveFaceGenerator, {}, with(kFaceInput, {{"Option2", nullptr}}),
                  plus(kFace, {{"N000 MT=501", ""},
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
                               {kMacTurnEnd, ""}})}),
    caseName<TurningCase>);

// The offset words of whole and fractional tool numbers, on MacTurn: the tool word, the
// cycle's offset t + 20, and the switch numbers t × 10101 + 200020 and t × 10101.
TEST(GroovingTools, OffsetWordsFollowTheWholeToolNumber) {
    const struct {
        const char* tool;
        std::vector<const char*> words;
    } cases[] = {
        {"0", {"MT=001\r", "TL=0000 ", "NT00 ", " T20\r", "Z0.05 TL=200020\r", "Z-0.198 TL=0\r"}},
        {"5.5", {"MT=5.501\r", "TL=0505 ", "NT05 ", " T25\r", "Z0.05 TL=250525\r", "Z-0.198 TL=50505\r"}},
        {"79", {"MT=7901\r", "TL=7979 ", "NT79 ", " T99\r", "Z0.05 TL=997999\r", "Z-0.198 TL=797979\r"}},
        {"80", {"MT=8001\r", "TL=8080 ", "NT80 ", " T100\r", "Z0.05 TL=1008100\r", "Z-0.198 TL=808080\r"}},
        {"100", {"MT=10001\r", "TL=100100 ", "NT100 ", " T120\r", "Z0.05 TL=1210120\r", "Z-0.198 TL=1010100\r"}},
    };
    for (const auto& c : cases) {
        TurningRun run(kMacTurn, grooveOuterGenerator, with(kOuterInput, {{"ToolNumber", c.tool}}));
        for (const char* word : c.words)
            EXPECT_TRUE(run.inserted().contains(QString::fromLatin1(word))) << c.tool << ": " << word;
    }
}

// The speed a command leaves and writes, after a cycle that left 770.
TEST(GroovingSpeed, IsComputedOrKeptByTheGuards) {
    const struct {
        ProcessGenerator (*generator)();
        Typing typed;
        double expected;
    } cases[] = {
        {grooveOuterGenerator, {{"StartX", "2"}, {"V", "0.0004"}}, 770},
        // Below 4 mm the divisor is negative: 100 × 1000 ÷ 3.14 ÷ 3.28 ÷ -1.46 ÷ 10 is -665.1.
        {grooveInnerGenerator, {{"StartX", "0.1"}, {"V", "100"}}, -6660},
        {grooveFaceGenerator, {{"StartX", "0"}}, 770},
        {grooveFaceGenerator, {{"StartX", "0.0004"}}, 770},
        {grooveFaceGenerator, {{"StartX", "2"}, {"V", "0"}}, 770},
    };
    for (const auto& c : cases) {
        TurningRun run({}, c.generator, c.typed, 770);
        const QString speed = QString::number(c.expected, 'f', 0), block = run.inserted();
        EXPECT_EQ(run.s.gSpindleSpeed, c.expected);
        EXPECT_TRUE(block.contains(" M42 S" + speed + " M03") && block.contains(" G97 S" + speed + " M63"))
            << block.toStdString();
    }
}

// Nothing is pre-filled from the work shape; the corner options come up on "C".
TEST(GroovingDialog, ShowsTheCornerOptionsAndNoWorkShape) {
    for (auto generator : {grooveOuterGenerator, grooveInnerGenerator, grooveFaceGenerator}) {
        TurningRun run({}, generator, {}, 0, 1.25f);
        const ProcessDialogView& v = run.user.seen;
        EXPECT_TRUE(!v.isHidden("Frame3") && v.isChecked("Option1") && v.isHidden("StartC") && v.isHidden("EndC"));
        EXPECT_EQ(v.text("StartX") + v.text("StartZ") + v.text("EndX") + v.text("EndZ"), QString());
    }
}

// The profile is written through copies: approach X 1.0015 is X1.001 in the tool call and
// in the retreat, and stays as entered.
TEST(Grooving, WritesTheApproachPointThroughCopies) {
    SharedState s;
    s.profile.gMacTurn = true;
    s.profile.gApproachX = 1.0015;
    fillRow(s, 12, {"", "Groove", "5", "0", "1", "300", "0.003", "0.02", "0.12", "0.004", "0.002", "0.03"});
    Document doc;
    FakeProcessDialog user;
    enter(user, kOuterInput);
    runProcessGenerator(grooveOuterGenerator(), s, &doc.box, nullptr);
    const QString block = doc.box.Text();
    EXPECT_TRUE(block.contains("N000 G00 X1.001 Z-0.198 TL=0505 ") && block.contains("N000 G00 X1.001 G97 S530 M63\r"))
        << block.toStdString();
    EXPECT_EQ(s.profile.gApproachX, 1.0015);
}

class GroovingFailure : public ::testing::TestWithParam<TurningFailure> {};

TEST_P(GroovingFailure, IsReportedAndChangesNothing) { expectFailure(GetParam()); }

// ±0.15748031496062995 × 25.4 is exactly 4.
INSTANTIATE_TEST_SUITE_P(
    Table, GroovingFailure,
    ::testing::Values(
        TurningFailure{"SpeedOverflows", grooveOuterGenerator, with(kOuterInput, {{"V", "1E306"}}), "Error 6"},
        TurningFailure{"StartXOverflowsItsWord", grooveOuterGenerator, with(kOuterInput, {{"StartX", "1E306"}}),
                    "Error 6"},
        // The speed (570) is computed before the header fails, and put back.
        TurningFailure{"FaceEndXOverflowsTheHeader", grooveFaceGenerator, with(kFaceInput, {{"EndX", "1E306"}}),
                    "Error 6"},
        TurningFailure{"OuterZeroSpeedDiameter", grooveOuterGenerator,
                    with(kOuterInput, {{"StartX", "-0.15748031496062995"}}), "Error 11"},
        TurningFailure{"InnerZeroSpeedDiameter", grooveInnerGenerator,
                    with(kInnerInput, {{"StartX", "0.15748031496062995"}}), "Error 11"}),
    caseName<TurningFailure>);

TEST(ExpectedText, NamesOneOfTwoEqualLinesByItsNumber) {
    const QString base = crlf("A\nB\nA\n");
    EXPECT_EQ(edited(base, {{"A<#2>", "C"}}), crlf("A\nB\nC\n"));
    EXPECT_EQ(edited(base, {{"+A<#1>", "D"}}), crlf("A\nD\nB\nA\n"));
    EXPECT_THROW(edited(base, {{"A", "C"}}), std::logic_error);
    EXPECT_THROW(edited(base, {{"A<#3>", "C"}}), std::logic_error);
}

}  // namespace

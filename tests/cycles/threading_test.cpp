#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axis_cycles_fixture.h"
#include "cycles/threading.h"

using namespace quillmar;
using test::AxisMachine;
using test::AxisRun;
using test::block;
using test::edited;
using test::Typing;

namespace {

// The outer thread of a new machine programmer: M1 × 0.1 from the cycle point X1.2
// Z0.2 to Z−1, with a chamfer and two threads. S = floor(300 × 1000 ÷ 3.14 ÷ 3.28 ÷ 1 ÷
// 25.4 ÷ 10) × 10.
const QString kOuterThread = block(R"(
(-----< OD.THREAD M1*P0.1 >-----)
N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08
NT07     Z0.2
N000 G71 X0.87 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1
N000 G00 X200
N000     X500 Z500
<TAB>
)");

const Typing kThreadInput = {{"StartX", "1.2"}, {"StartZ", "0.2"}, {"EndX", "1"}, {"EndZ", "-1"}};

constexpr const char* kCycle = "N000 G71 X0.87 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1";
constexpr const char* kToolCall = "N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08";

struct ThreadCase {
    const char* name;
    ProcessGenerator (*generator)();
    AxisMachine machine;
    Typing typed;  // over the worked example's boxes
    std::vector<test::Edit> edits;
    double speedAfter = 1140;
    double speedBefore = 0;
};

void PrintTo(const ThreadCase& c, std::ostream* os) { *os << c.name; }

class Threading : public ::testing::TestWithParam<ThreadCase> {};

TEST_P(Threading, WritesTheBlockAndKeepsTheBore) {
    const ThreadCase& c = GetParam();
    SharedState s = test::axisCycleState(c.machine);
    s.gSpindleSpeed = c.speedBefore;
    AxisRun run(c.generator(), s, kThreadInput, c.typed);

    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.inserted().toStdString(), edited(kOuterThread, c.edits).toStdString());
    EXPECT_EQ(run.doc.changes, 1);
    EXPECT_EQ(s.gSpindleSpeed, c.speedAfter);
    EXPECT_EQ(s.workShape.gMaterialID.value(), 2.0f);
}

auto outer = threadOuterGenerator;
auto inner = threadInnerGenerator;
auto face = threadFaceGenerator;

INSTANTIATE_TEST_SUITE_P(
    Table, Threading,
    ::testing::Values(
        ThreadCase{"OuterOther", outer, test::kOther, {}, {}},
        // The header cuts the pitch first: X and H come from 0.062 (0.0625 gives X0.918
        // H0.081); no chamfer, and one thread needs no Q.
        ThreadCase{"OuterPitchCutByTheHeader", outer, test::kOther, {{"F", "0.0625"}, {"L", "0"}, {"C", "1"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< OD.THREAD M1*P0.062 >-----)"},
                    {kCycle, "N000 G71 X0.919 Z-1 H0.08 D0.01 F0.062"}}},
        // The header cuts the size too: 1 − 0.0806, where 1.0009 would give X0.92; the
        // speed was taken before, from the size as typed.
        ThreadCase{"OuterSizeCutByTheHeader", outer, test::kOther, {{"EndX", "1.0009"}, {"F", "0.0625"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< OD.THREAD M1*P0.062 >-----)"},
                    {kCycle, "N000 G71 X0.919 Z-1 H0.08 D0.01 L0.05 M23 Q2 F0.062"}}},
        // Each word's condition on the value as written: 0.0004 is 0, 1.0004 one thread.
        ThreadCase{"OuterWordsThatWriteAsNothing", outer, test::kOther,
                   {{"U", "0.0004"}, {"L", "0.0004"}, {"C", "1.0004"}},
                   {{kCycle, "N000 G71 X0.87 Z-1 H0.13 D0.01 F0.1"}}},
        ThreadCase{"OuterAllowanceAndThreeThreads", outer, test::kOther, {{"U", "0.002"}, {"C", "3"}},
                   {{kCycle, "N000 G71 X0.87 Z-1 H0.13 D0.01 U0.002 L0.05 M23 Q3 F0.1"}}},
        // Without a speed, or a size to take it at, the block carries the last speed; a
        // value that writes as 0 is none.
        ThreadCase{"OuterSpeedThatWritesAsNothing", outer, test::kOther, {{"V", "0.0004"}},
                   {{kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S777 M03 M63 M08"}}, 777, 777},
        // A size that writes as 0 is no size: no speed from 0.0004 inches.
        ThreadCase{"OuterSizeThatWritesAsNothing", outer, test::kOther, {{"EndX", "0.0004"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< OD.THREAD M0*P0.1 >-----)"},
                    {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S777 M03 M63 M08"},
                    {kCycle, "N000 G71 X-0.13 Z-1 H0.13 D0.01 L0.05 M23 Q2 F0.1"}},
                   777, 777},
        ThreadCase{"OuterMacTurnCounterClockwiseStop", outer, {true, false, false, false, false, true},
                   {{"SpindleCCW", nullptr}, {"B", "90"}},
                   {{"^N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08", "N000 MT=701\nN000 M421"},
                    {kToolCall, "N000 G00 X1.2 Z50 TL=0707 BT=1 M602 M42 S1140 M04 M63 M08"},
                    {"N000     X500 Z500", "N000 G21 HP=4 M05 M63 M09\nNSTP M01"}}},
        ThreadCase{"OuterMultusToolLifeAndShape", outer, {false, true, true, true}, {{"M603", nullptr}},
                   {{"+(-----< OD.THREAD M1*P0.1 >-----)",
                     "NOEX VGRIN[7]=13 VGRFN[7]=1 VGRA1[7]=60\nNOEX VGRL[7]=1.6\nN000 MT=1 TG=7\nN000 M421"},
                    {kToolCall, "N000 G00 X1.2 Z50 TG=7 OG=1 M603 M42 S1140 M03 M63 M08 M263"},
                    {"N000     X500 Z500", "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}},
        // Both machine flags: MacTurn's words, no MULTUS word.
        ThreadCase{"OuterBothMachineFlags", outer, {true, true}, {},
                   {{"^N000 G00 X1.2 Z50 T0707 M42 S1140 M03 M63 M08", "N000 MT=701\nN000 M421"},
                    {kToolCall, "N000 G00 X1.2 Z50 TL=0707 M602 M42 S1140 M03 M63 M08"},
                    {"N000     X500 Z500", "N000 G21 HP=4 M05 M63 M09"}}},
        // The inner thread is the size itself, one pitch deep on the diameter; the tool
        // length is the thread's length plus 20.
        ThreadCase{"InnerToolShape", inner, {false, false, false, true}, {},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)",
                     "(-----< ID.THREAD M1*P0.1 >-----)\nNOEX VTLIN[7]=14 VTLFN[7]=1 VTLA1[7]=60\n"
                     "NOEX VTLD[7]=20 VTLL[7]=21.2"},
                    {kCycle, "N000 G71 X1 Z-1 H0.1 D0.01 L0.05 M23 Q2 F0.1"},
                    {"N000 G00 X200", "N000 G00 Z50"}}},
        ThreadCase{"InnerMacTurn", inner, test::kMacTurn, {},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< ID.THREAD M1*P0.1 >-----)\nN000 MT=701\nN000 M421"},
                    {kToolCall, "N000 G00 X1.2 Z50 TL=0707 M602 M42 S1140 M03 M63 M08"},
                    {kCycle, "N000 G71 X1 Z-1 H0.1 D0.01 L0.05 M23 Q2 F0.1"},
                    {"N000 G00 X200", "N000 G00 Z50"},
                    {"N000     X500 Z500", "N000 G21 HP=4 M05 M63 M09"}}},
        // The face thread takes its speed at the start diameter 1.2 and goes 0.65 of the
        // pitch deep in Z; its allowance is W.
        ThreadCase{"FaceAllowance", face, test::kOther, {{"W", "0.002"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< OD.THREAD FACE P0.1 >-----)"},
                    {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S950 M03 M63 M08"},
                    {kCycle, "N000 G72 X1 Z-1 H0.065 D0.01 W0.002 L0.05 M23 Q2 F0.1"},
                    {"N000 G00 X200", "N000 G00 Z50"}},
                   950},
        ThreadCase{"FacePitchCutToolShape", face, {false, false, false, true}, {{"F", "0.0625"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)",
                     "(-----< OD.THREAD FACE P0.062 >-----)\nNOEX VTLIN[7]=10.2 VTLFN[7]=1 VTLA1[7]=60\n"
                     "NOEX VTLL[7]=1.6"},
                    {kToolCall, "N000 G00 X1.2 Z50 T0707 M42 S950 M03 M63 M08"},
                    {kCycle, "N000 G72 X1 Z-1 H0.04 D0.01 L0.05 M23 Q2 F0.062"},
                    {"N000 G00 X200", "N000 G00 Z50"}},
                   950},
        ThreadCase{"FaceNoStartDiameterKeepsTheSpeed", face, test::kOther, {{"StartX", "0"}},
                   {{"(-----< OD.THREAD M1*P0.1 >-----)", "(-----< OD.THREAD FACE P0.1 >-----)"},
                    {kToolCall, "N000 G00 X0 Z50 T0707 M42 S777 M03 M63 M08"},
                    {kCycle, "N000 G72 X1 Z-1 H0.065 D0.01 L0.05 M23 Q2 F0.1"},
                    {"N000 G00 X200", "N000 G00 Z50"}},
                   777, 777}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Threading, TheDialogIsRelabelledForTheThread) {
    SharedState s = test::axisCycleState(test::kOther);
    AxisRun outerRun(threadOuterGenerator(), s, {}, {});
    const test::ProcessDialogView& seen = outerRun.user.seen;
    EXPECT_EQ(seen.caption, QStringLiteral("O.D.Thread"));
    EXPECT_EQ(seen.text("LabelEnd"), QStringLiteral("Size"));
    EXPECT_EQ(seen.text("StartC"), QStringLiteral("0"));
    EXPECT_TRUE(seen.isHidden("W"));
    EXPECT_FALSE(seen.isHidden("U"));

    AxisRun faceRun(threadFaceGenerator(), s, {}, {});
    EXPECT_EQ(faceRun.user.seen.text("LabelC"), QStringLiteral("Thread No."));
    EXPECT_TRUE(faceRun.user.seen.isHidden("U"));
    EXPECT_FALSE(faceRun.user.seen.isHidden("W"));
}

// A speed too large for any number is an overflow, reported with nothing changed.
TEST(Threading, AnOverflowingSpeedChangesNothing) {
    SharedState s = test::axisCycleState(test::kOther);
    s.gSpindleSpeed = 777;
    s.gOutputText = QStringLiteral("earlier");
    AxisRun run(threadOuterGenerator(), s, kThreadInput, {{"V", "1E306"}});

    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].title, QStringLiteral("Error 6"));
    EXPECT_EQ(run.doc.box.Text(), QStringLiteral("AB"));
    EXPECT_EQ(s.gSpindleSpeed, 777);
    EXPECT_EQ(s.gOutputText, QStringLiteral("earlier"));
}

}  // namespace

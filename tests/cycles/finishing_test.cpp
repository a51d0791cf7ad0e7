#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/shared_state.h"
#include "cycles/finishing.h"
#include "turning_fixture.h"

using namespace quillmar;
using test::Edit;
using test::Typing;

namespace {

using Machine = test::TurningMachine;
constexpr Machine kOther{};
constexpr Machine kMacTurn{true};
constexpr Machine kMultus{false, true};

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

const char* const kToolCall = "N000 G00 X2.16 Z0.2 T030303 M42 S680 M03 M63 M08";
const char* const kApproach = "NT03     Z0.08 G96 S400";
const char* const kCycle = "N000 G87 NAP2 U0.01 W0.004";
const char* const kRetreat = "N000 G00 X12 G97 S680 M63";
const char* const kHome = "N000     X20 Z10";

const Typing kStart = {{"StartX", "2"}, {"StartZ", "0"}};

Typing with(Typing typed, const Typing& more) {
    typed.insert(typed.end(), more.begin(), more.end());
    return typed;
}

struct FinishCase {
    const char* name;
    ProcessGenerator (*generator)();
    Machine machine;
    Typing typed;
    std::vector<Edit> edits;
    double previousSpeed = 0;
    float innerDiameter = 0;
};

class Finishing : public ::testing::TestWithParam<FinishCase> {};

TEST_P(Finishing, WritesTheWholeBlockAtTheCaret) {
    const FinishCase& c = GetParam();
    SharedState s = test::turningState(c.machine);
    s.gSpindleSpeed = c.previousSpeed;
    s.workShape.gMaterialID = c.innerDiameter;
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
    Table, Finishing,
    ::testing::Values(
        FinishCase{"OuterOther", finishOuterGenerator, kOther, kStart, {}},
        FinishCase{"OuterMacTurnShapeMonitorStop",
                   finishOuterGenerator,
                   {true, false, false, true, true, true},
                   kStart,
                   {{"+(-----< OD.FINISH >-----)",
                     "NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55\nNOEX VTLA2[3]=0.2 VTLL[3]=1.6\nN000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 M602 M42 S680 M03 M63 M08"},
                    {"+NT03     Z0.08 G96 S400", "N000 VLMON[3]=8"},
                    {"+N000 G87 NAP2 U0.01 W0.004", "N000 VLMON[3]=0"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09\nNSTP M01"}}},
        FinishCase{"OuterMultusToolLifeShapeB45",
                   finishOuterGenerator,
                   {false, true, true, true},
                   with(kStart, {{"B", "45"}, {"SpindleCCW", nullptr}, {"CoolantOFF", nullptr}}),
                   {{"+(-----< OD.FINISH >-----)",
                     "NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55\nNOEX VGRA2[3]=0.2 VGRL[3]=1.6\nN000 MT=1 TG=3\n"
                     "N000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TG=3 OG=1 BA=45 M602 M42 S680 M04 M63 M09 M263"},
                    {kHome, "N000 G20 HP=4 M867 G97 S680 M05 M63 M09\nN000 M866"}}},
        // Both machine flags: MacTurn's words, and no M263.
        FinishCase{"OuterBothMachineFlagsB90",
                   finishOuterGenerator,
                   {true, true},
                   with(kStart, {{"B", "90"}, {"M603", nullptr}}),
                   {{"+(-----< OD.FINISH >-----)", "N000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 BT=1 M603 M42 S680 M03 M63 M08"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09"}}},
        FinishCase{"OuterWithoutSpeedRepeatsThePrevious",
                   finishOuterGenerator,
                   kOther,
                   with(kStart, {{"V", "0"}}),
                   {{kToolCall, "N000 G00 X2.16 Z0.2 T030303 M42 S770 M03 M63 M08"},
                    {kApproach, "NT03     Z0.08 G96 S0"},
                    {kRetreat, "N000 G00 X12 G97 S770 M63"}},
                   770},
        FinishCase{"OuterSpeedWrittenAsZeroRepeatsThePrevious",
                   finishOuterGenerator,
                   kOther,
                   with(kStart, {{"V", "0.0004"}}),
                   {{kToolCall, "N000 G00 X2.16 Z0.2 T030303 M42 S770 M03 M63 M08"},
                    {kApproach, "NT03     Z0.08 G96 S0"},
                    {kRetreat, "N000 G00 X12 G97 S770 M63"}},
                   770},
        FinishCase{"OuterWithoutSpeedAfterStartUp",
                   finishOuterGenerator,
                   kOther,
                   with(kStart, {{"V", ""}}),
                   {{kToolCall, "N000 G00 X2.16 Z0.2 T030303 M42 S0 M03 M63 M08"},
                    {kApproach, "NT03     Z0.08 G96 S0"},
                    {kRetreat, "N000 G00 X12 G97 S0 M63"}}},
        FinishCase{"OuterWithoutAllowances", finishOuterGenerator, kOther,
                   with(kStart, {{"U", "0"}, {"W", "-0.1"}}), {{kCycle, "N000 G87 NAP2"}}},
        FinishCase{"OuterAllowanceWrittenAsZero", finishOuterGenerator, kOther, with(kStart, {{"U", "0.0004"}}),
                   {{kCycle, "N000 G87 NAP2 W0.004"}}},
        FinishCase{"OuterTool0", finishOuterGenerator, kOther, with(kStart, {{"ToolNumber", "0"}}),
                   {{kToolCall, "N000 G00 X2.16 Z0.2 T000000 M42 S680 M03 M63 M08"},
                    {kApproach, "NT00     Z0.08 G96 S400"}}},
        // The tool-data index comes before the whole part is taken.
        FinishCase{"OuterTool5_5ShapeMonitor",
                   finishOuterGenerator,
                   {false, false, false, true, true},
                   with(kStart, {{"ToolNumber", "5.5"}}),
                   {{"+(-----< OD.FINISH >-----)",
                     "NOEX VTLIN[5.5]=7 VTLFN[5.5]=1 VTLA1[5.5]=55\nNOEX VTLA2[5.5]=0.2 VTLL[5.5]=1.6"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 T050505 M42 S680 M03 M63 M08"},
                    {kApproach, "NT05     Z0.08 G96 S400\nN000 VLMON[5]=8"},
                    {"+N000 G87 NAP2 U0.01 W0.004", "N000 VLMON[5]=0"}}},
        FinishCase{"OuterTool100MacTurn",
                   finishOuterGenerator,
                   kMacTurn,
                   with(kStart, {{"ToolNumber", "100"}}),
                   {{"+(-----< OD.FINISH >-----)", "N000 MT=10001\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=100100 M602 M42 S680 M03 M63 M08"},
                    {kApproach, "NT100     Z0.08 G96 S400"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09"}}},

        FinishCase{"FaceOtherMonitor",
                   finishFaceGenerator,
                   {false, false, false, false, true},
                   kStart,
                   {{"(-----< OD.FINISH >-----)", "(-----< OD.FINISH FACE >-----)"},
                    {"+NT03     Z0.08 G96 S400", "N000 VLMON[3]=1+8"},
                    {kCycle, "N000 G87 NAP1 U0.01 W0.004\nN000 VLMON[3]=0"},
                    {kRetreat, ""},
                    {kHome, "N000 G00 X20 Z10 G97 S680 M63"}}},
        FinishCase{"FaceMacTurn",
                   finishFaceGenerator,
                   kMacTurn,
                   kStart,
                   {{"(-----< OD.FINISH >-----)", "(-----< OD.FINISH FACE >-----)\nN000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 M602 M42 S680 M03 M63 M08"},
                    {kCycle, "N000 G87 NAP1 U0.01 W0.004"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09"}}},
        FinishCase{"FaceMultus",
                   finishFaceGenerator,
                   kMultus,
                   kStart,
                   {{"(-----< OD.FINISH >-----)", "(-----< OD.FINISH FACE >-----)\nN000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 M602 M42 S680 M03 M63 M08 M263"},
                    {kCycle, "N000 G87 NAP1 U0.01 W0.004"},
                    {kRetreat, ""},
                    {kHome, "N000 G20 HP=4 M867 G97 S680 M05 M63 M09\nN000 M866"}}},

        // The end X comes from the work's inner diameter; the facing pass stops there.
        FinishCase{"FaceOuterOtherToTheBore", finishFaceOuterGenerator, kOther, {{"StartX", "2"}},
                   {{kApproach, "NT03     Z0 G96 S400\nN000 G01 X1 F0.006\nN000 G00 X2 Z2"}}, 0, 1.0f},
        // S = floor(400 × 1000 ÷ 3.14 ÷ 3.28 ÷ 82.2 ÷ 10) × 10 = 470.
        FinishCase{"FaceOuterMacTurnStartX3Monitor",
                   finishFaceOuterGenerator,
                   {true, false, false, false, true},
                   {{"StartX", "3"}},
                   {{"+(-----< OD.FINISH >-----)", "N000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X3.16 Z0.2 TL=0303 M602 M42 S470 M03 M63 M08"},
                    {kApproach, "NT03     Z0 G96 S400\nN000 VLMON[3]=1+8\nN000 G01 X1 F0.006\nN000 G00 X3 Z2"},
                    {"+N000 G87 NAP2 U0.01 W0.004", "N000 VLMON[3]=0"},
                    {kRetreat, "N000 G00 X12 G97 S470 M63"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09"}},
                   0,
                   1.0f},
        // No bore: the pre-filled end X is 0, and the pass goes through the centre.
        FinishCase{"FaceOuterMultusThroughTheCentre",
                   finishFaceOuterGenerator,
                   kMultus,
                   {{"StartX", "2"}, {"F", "0.0055"}},
                   {{"+(-----< OD.FINISH >-----)", "N000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X2.16 Z0.2 TL=0303 M602 M42 S680 M03 M63 M08 M263"},
                    {kApproach,
                     "NT03     Z0 G96 S400\nN000 G01 X2 G41 F0.005\nN000     X0\nN000 G40 I-1\nN000 G00 X2 Z2"},
                    {kHome, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}},
        FinishCase{"FaceOuterEndWrittenAsZeroGoesThroughTheCentre",
                   finishFaceOuterGenerator,
                   kOther,
                   {{"StartX", "2"}, {"EndX", "0.0004"}},
                   {{kApproach, "NT03     Z0 G96 S400\nN000 G01 X2 G41 F0.006\nN000     X0\nN000 G40 I-1\nN000 G00 X2 Z2"}},
                   0,
                   1.0f},
        FinishCase{"FaceOuterNegativeEnd", finishFaceOuterGenerator, kOther, {{"StartX", "2"}, {"EndX", "-0.5"}},
                   {{kApproach, "NT03     Z0 G96 S400\nN000 G01 X-0.5 F0.006\nN000 G00 X2 Z2"}}},

        // S = floor(400 × 1000 ÷ 3.14 ÷ 3.28 ÷ 37.75 ÷ 10) × 10 = 1020 at the bore 1.25.
        FinishCase{"InnerOtherShapeTool5",
                   finishInnerGenerator,
                   {false, false, false, true},
                   {{"ToolNumber", "5"}, {"StartZ", "0.1"}},
                   {{"(-----< OD.FINISH >-----)",
                     "(-----< ID.FINISH >-----)\nNOEX VTLIN[5]=8 VTLFN[5]=1 VTLA1[5]=60\n"
                     "NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=20.1"},
                    {kToolCall, "N000 G00 X1.25 Z0.2 T050505 M42 S1020 M03 M63 M08"},
                    {kApproach, "NT05     Z0.18 G96 S400"},
                    {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-1 G91\nN000 G00 Z0.2 G90"},
                    {kRetreat, ""},
                    {kHome, "N000     X20 Z10 G97 S1020 M63"}},
                   0,
                   1.25f},
        FinishCase{"InnerMacTurnToolLifeShape",
                   finishInnerGenerator,
                   {true, false, true, true},
                   {{"StartX", "1.25"}},
                   {{"(-----< OD.FINISH >-----)",
                     "(-----< ID.FINISH >-----)\nNOEX VGRIN[3]=8 VGRFN[3]=1 VGRA1[3]=60\n"
                     "NOEX VGRA2[3]=3 VGRD[3]=20 VGRL[3]=20\nN000 MT=1 TG=3\nN000 M421"},
                    {kToolCall, "N000 G00 X1.25 Z0.2 TG=3 OG=1 M602 M42 S1020 M03 M63 M08"},
                    {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-1 G91\nN000 G00 Z0.2 G90"},
                    {kRetreat, "N000     X12 G97 S1020 M63"},
                    {kHome, "N000 G21 HP=4 M05 M63 M09"}}},
        FinishCase{"InnerMultusStop",
                   finishInnerGenerator,
                   {false, true, false, false, false, true},
                   {{"StartX", "1.25"}},
                   {{"(-----< OD.FINISH >-----)", "(-----< ID.FINISH >-----)\nN000 MT=301\nN000 M421"},
                    {kToolCall, "N000 G00 X1.25 Z0.2 TL=0303 M602 M42 S1020 M03 M63 M08 M263"},
                    {kCycle, "N000 G87 NAP3 U0.01 W0.004\nN000 G01 X-1 G91\nN000 G00 Z0.2 G90"},
                    {kRetreat, ""},
                    {kHome, "N000 G20 HP=4 M867 G97 S1020 M05 M63 M09\nN000 M866\nNSTP M01"}}}),
    [](const ::testing::TestParamInfo<FinishCase>& info) { return std::string(info.param.name); });

// --- the dialog as each command shows it ---------------------------------------------------

struct ViewCase {
    const char* name;
    ProcessGenerator (*generator)();
    float innerDiameter;
    const char* caption;
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<const char*> hidden;
    std::vector<const char*> shown;
};

class FinishingDialog : public ::testing::TestWithParam<ViewCase> {};

TEST_P(FinishingDialog, ComesUpRelabelledAndPrefilled) {
    const ViewCase& c = GetParam();
    SharedState s = test::turningState(kOther);
    s.workShape.gMaterialID = c.innerDiameter;
    test::TurningRun run;
    run.user.leaveBy(test::FakeProcessDialog::Leave::Cancel);

    runProcessGenerator(c.generator(), s, &run.doc.box, nullptr);

    ASSERT_EQ(run.user.showings, 1);
    EXPECT_EQ(run.user.seen.caption, QString::fromUtf8(c.caption));
    for (const auto& [name, text] : c.texts)
        EXPECT_EQ(run.user.seen.text(name), QString::fromUtf8(text)) << name;
    for (const char* name : c.hidden)
        EXPECT_TRUE(run.user.seen.isHidden(name)) << name;
    for (const char* name : c.shown)
        EXPECT_FALSE(run.user.seen.isHidden(name)) << name;
}

const std::vector<const char*> kFinishHidden = {"F", "D", "L", "C", "StartC", "EndX", "EndZ", "EndZ2", "EndC"};
const std::vector<const char*> kFinishShown = {"ToolNumber", "V", "U", "W", "StartX", "StartZ"};

INSTANTIATE_TEST_SUITE_P(
    Table, FinishingDialog,
    ::testing::Values(
        ViewCase{"Outer",
                 finishOuterGenerator,
                 1.25f,
                 "O.D.Finish",
                 {{"LabelF", ""}, {"LabelD", ""}, {"LabelL", ""}, {"LabelC", ""}, {"LabelEnd", ""},
                  {"LabelEndX", ""}, {"LabelEndZ", ""}, {"LabelU", "Finish X"}, {"StartX", ""}, {"StartZ", ""},
                  {"V", "400"}},
                 kFinishHidden,
                 kFinishShown},
        ViewCase{"Face", finishFaceGenerator, 1.25f, "O.D. & Face Finish", {{"StartX", ""}, {"StartZ", ""}},
                 kFinishHidden, kFinishShown},
        ViewCase{"FaceOuter",
                 finishFaceOuterGenerator,
                 1.25f,
                 "Face & O.D.Finish",
                 {{"LabelC", "Face"}, {"LabelC2", ""}, {"LabelF", "Feed(mm/rev)"}, {"LabelEnd", "End point"},
                  {"LabelEndX", "X"}, {"LabelEndZ", ""}, {"EndX", "1.25"}, {"StartZ", "0"}, {"StartX", ""},
                  {"F", "0.006"}},
                 {"D", "L", "C", "StartC", "EndZ", "EndZ2", "EndC"},
                 {"F", "EndX", "StartX", "StartZ"}},
        ViewCase{"FaceOuterBeforeAnyWorkpiece", finishFaceOuterGenerator, 0.0f, "Face & O.D.Finish",
                 {{"EndX", "0"}, {"StartZ", "0"}}, {}, {}},
        ViewCase{"Inner", finishInnerGenerator, 1.25f, "I.D.Finish", {{"StartX", "1.25"}, {"StartZ", "0"}},
                 kFinishHidden, kFinishShown},
        ViewCase{"InnerBeforeAnyWorkpiece", finishInnerGenerator, 0.0f, "I.D.Finish",
                 {{"StartX", "0"}, {"StartZ", "0"}}, {}, {}}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.name); });

// --- failures -------------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    ProcessGenerator (*generator)();
    Typing typed;
    const char* title;
};

class FinishingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FinishingFailure, IsReportedAndChangesNothing) {
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

// -0.2362204724409449 × 25.4 + 6 is exactly 0.
INSTANTIATE_TEST_SUITE_P(
    Table, FinishingFailure,
    ::testing::Values(FailureCase{"SpeedOverflows", finishOuterGenerator, {{"V", "1E306"}}, "Error 6"},
                      FailureCase{"StartXOverflowsItsWord", finishOuterGenerator, {{"StartX", "1E306"}}, "Error 6"},
                      FailureCase{"BoreOverflowsItsWord", finishInnerGenerator, {{"StartX", "1E306"}}, "Error 6"},
                      FailureCase{"ZeroSpeedDiameter", finishFaceGenerator, {{"StartX", "-0.2362204724409449"}},
                                  "Error 11"},
                      FailureCase{"ZeroSpeedDiameterFaceOuter", finishFaceOuterGenerator,
                                  {{"StartX", "-0.2362204724409449"}}, "Error 11"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace

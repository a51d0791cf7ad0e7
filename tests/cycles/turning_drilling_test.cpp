#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "axis_cycles_fixture.h"
#include "cycles/turning_drilling.h"

using namespace quillmar;
using test::AxisMachine;
using test::AxisRun;
using test::block;
using test::edited;
using test::Typing;

namespace {

// A 0.5 drill 1.5 deep from the face at Z0: one peck step for the whole part of the
// depth plus 0.16, K from the face to the approach Z less 0.12.
const QString kHssDrill = block(R"(
(-----< DRILL D0.5 >-----)
N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08
NT03 G74 X0 Z-1.5 K49.88 D1 F0.004
N000 G00 X500 Z500
<TAB>
)");

constexpr const char* kHeader = "(-----< DRILL D0.5 >-----)";
constexpr const char* kToolCall = "N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08";
constexpr const char* kPeck = "NT03 G74 X0 Z-1.5 K49.88 D1 F0.004";
constexpr const char* kHome = "N000 G00 X500 Z500";

// The insert drill of the same family, 1 in diameter, 2 deep: in over 0.2 and out over
// the last 0.1 at a fiftieth of the feed.
const QString kUDrill = edited(kHssDrill, {{kHeader, "(-----< DRILL D1 >-----)"},
                                           {kToolCall, "N000 G00 X0 Z50 T0505 M42 S1140 M03 M63 M08"},
                                           {kPeck, "NT05     Z0.12\n"
                                                   "N000 G01 Z-0.2 F0.002\n"
                                                   "N000     Z-1.9 F0.1\n"
                                                   "N000     Z-2 F0.002\n"
                                                   "N000 G00 Z50"},
                                           {kHome, "N000     X500 Z500"}});

const Typing kHoleInput = {{"EndZ", "-1.5"}};

struct DrillCase {
    const char* name;
    ProcessGenerator (*generator)();
    AxisMachine machine;
    Typing typed;
    std::vector<test::Edit> edits;
    float boreAfter = 0.5f;
    double speedAfter = 760;
    const QString* base = &kHssDrill;
    std::optional<double> pZero = 0.0;
    double approachZ = 50;
};

void PrintTo(const DrillCase& c, std::ostream* os) { *os << c.name; }

class TurningDrilling : public ::testing::TestWithParam<DrillCase> {};

TEST_P(TurningDrilling, WritesTheBlockAndLeavesTheBore) {
    const DrillCase& c = GetParam();
    SharedState s = test::axisCycleState(c.machine);
    s.workShape.gPZero = c.pZero;
    s.profile.gApproachZ = c.approachZ;
    AxisRun run(c.generator(), s, kHoleInput, c.typed);

    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.inserted().toStdString(), edited(*c.base, c.edits).toStdString());
    EXPECT_EQ(run.doc.changes, 1);
    EXPECT_EQ(s.workShape.gMaterialID.value(), c.boreAfter);
    EXPECT_EQ(s.gSpindleSpeed, c.speedAfter);
    EXPECT_EQ(s.profile.gApproachZ, c.approachZ);
}

auto hss = hssDrillGenerator;
auto uDrill = uDrillGenerator;

const Typing kUDrillHole = {{"EndZ", "-2"}};

INSTANTIATE_TEST_SUITE_P(
    Hss, TurningDrilling,
    ::testing::Values(
        DrillCase{"Other", hss, test::kOther, {}, {}},
        // The diameter is cut before the speed is taken: 0.496 gives S770 where 0.4969
        // gives S760, and the bore is the diameter as written.
        DrillCase{"DiameterCutBeforeTheSpeed", hss, test::kOther, {{"U", "0.4969"}},
                  {{kHeader, "(-----< DRILL D0.496 >-----)"}, {kToolCall, "N000 G00 X0 Z50 T0303 M42 S770 M03 M63 M08"}},
                  0.496f, 770},
        DrillCase{"StepAndStepBack", hss, test::kOther, {{"D", "0.25"}, {"L", "0.1"}},
                  {{kPeck, "NT03 G74 X0 Z-1.5 K49.88 D0.25 L0.1 F0.004"}}},
        // A step and a step back that write as 0 are none: a hole 0.5 deep is one step D0.
        DrillCase{"StepsThatWriteAsNothing", hss, test::kOther, {{"D", "0.0004"}, {"L", "0.0004"}, {"EndZ", "-0.5"}},
                  {{kPeck, "NT03 G74 X0 Z-0.5 K49.88 D0 F0.004"}}},
        // The approach Z is the machine's as entered: 50.0009 − 0.0005 − 0.12 writes 49.88.
        DrillCase{"ApproachAsEntered", hss, test::kOther, {{"StartZ", "0.0005"}}, {}, 0.5f, 760, &kHssDrill, 0.0,
                  50.0009},
        // The hole starts at the work's P-Zero; the depth it peck-steps counts from there.
        DrillCase{"StartsAtPZeroWithToolShape", hss, {false, false, false, true}, {},
                  {{"+(-----< DRILL D0.5 >-----)", "NOEX VTLIN[3]=22 VTLFN[3]=1 VTLA1[3]=118\nNOEX VTLD[3]=0.5 VTLL[3]=21.6"},
                   {kPeck, "NT03 G74 X0 Z-1.5 K49.78 D1 F0.004"}},
                  0.5f, 760, &kHssDrill, 0.1},
        DrillCase{"ToolLifeOnAnotherMachine", hss, {false, false, true, true}, {},
                  {{"+(-----< DRILL D0.5 >-----)", "NOEX VGRIN[3]=22 VGRFN[3]=1 VGRA1[3]=118\nNOEX VGRD[3]=0.5 VGRL[3]=21.5"},
                   {kToolCall, "N000 G00 X0 Z50 TG=3 OG=1 M42 S760 M03 M63 M08"}}},
        DrillCase{"MacTurnMonitorStop", hss, {true, false, false, false, true, true},
                  {{"CoolantOFF", nullptr}, {"SpindleCCW", nullptr}},
                  {{"^N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08", "N000 MT=301\nN000 M421"},
                   {kToolCall, "N000 G00 X0 Z50 TL=0303 M602 M42 S760 M04 M63 M09\nN000 VLMON[3]=2+8"},
                   {"+NT03 G74 X0 Z-1.5 K49.88 D1 F0.004", "N000 VLMON[3]=0"},
                   {kHome, "N000 G00 X200\nN000 G21 HP=4 M05 M63 M09\nNSTP M01"}}},
        DrillCase{"Multus", hss, test::kMultus, {{"B", "45"}},
                  {{"^N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08", "N000 MT=301\nN000 M421"},
                   {kToolCall, "N000 G00 X0 Z50 TL=0303 BA=45 M602 M42 S760 M03 M63 M08 M263"},
                   {kHome, "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UDrill, TurningDrilling,
    ::testing::Values(
        DrillCase{"Other", uDrill, test::kOther, kUDrillHole, {}, 1.0f, 1140, &kUDrill},
        DrillCase{"EntryOnly", uDrill, test::kOther, {{"EndZ", "-2"}, {"L", "0"}},
                  {{"N000     Z-1.9 F0.1", ""}, {"N000     Z-2 F0.002", "N000     Z-2 F0.1"}}, 1.0f, 1140, &kUDrill},
        DrillCase{"ExitOnly", uDrill, test::kOther, {{"EndZ", "-2"}, {"D", "0"}},
                  {{"N000 G01 Z-0.2 F0.002", ""}, {"N000     Z-1.9 F0.1", "N000 G01 Z-1.9 F0.1"}}, 1.0f, 1140,
                  &kUDrill},
        // Lengths that write as 0 are none: one straight feed to the bottom.
        DrillCase{"LengthsThatWriteAsNothing", uDrill, test::kOther, {{"EndZ", "-2"}, {"D", "0.0004"}, {"L", "0.0004"}},
                  {{"N000 G01 Z-0.2 F0.002", ""}, {"N000     Z-1.9 F0.1", ""}, {"N000     Z-2 F0.002", "N000 G01 Z-2 F0.1"}},
                  1.0f, 1140, &kUDrill},
        // F × 0.02, not 0.2: 0.0008 writes as F0.
        DrillCase{"SlowFeedWritesAsNothing", uDrill, test::kOther, {{"EndZ", "-2"}, {"F", "0.04"}},
                  {{"N000 G01 Z-0.2 F0.002", "N000 G01 Z-0.2 F0"},
                   {"N000     Z-1.9 F0.1", "N000     Z-1.9 F0.04"},
                   {"N000     Z-2 F0.002", "N000     Z-2 F0"}},
                  1.0f, 1140, &kUDrill},
        DrillCase{"MacTurnMonitor", uDrill, {true, false, false, false, true}, kUDrillHole,
                  {{"^N000 G00 X0 Z50 T0505 M42 S1140 M03 M63 M08", "N000 MT=501\nN000 M421"},
                   {"N000 G00 X0 Z50 T0505 M42 S1140 M03 M63 M08", "N000 G00 X0 Z50 TL=0505 M602 M42 S1140 M03 M63 M08"},
                   {"+NT05     Z0.12", "N000 VLMON[5]=2+8"},
                   {"^N000 G00 Z50", "N000 VLMON[5]=0"},
                   {"N000     X500 Z500", "N000     X200\nN000 G21 HP=4 M05 M63 M09"}},
                  1.0f, 1140, &kUDrill},
        DrillCase{"MultusToolShape", uDrill, {false, true, false, true}, kUDrillHole,
                  {{"+(-----< DRILL D1 >-----)", "NOEX VTLIN[5]=23 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLD[5]=1 VTLL[5]=22\n"
                                                 "N000 MT=501\nN000 M421"},
                   {"N000 G00 X0 Z50 T0505 M42 S1140 M03 M63 M08",
                    "N000 G00 X0 Z50 TL=0505 M602 M42 S1140 M03 M63 M08 M263"},
                   {"N000     X500 Z500", "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}},
                  1.0f, 1140, &kUDrill}),
    [](const auto& info) { return std::string(info.param.name); });

// A drill that cannot be computed is reported; the inner diameter of the drill before
// (2), the speed, the block and the document stay as they were.
struct FailedDrill {
    const char* name;
    ProcessGenerator (*generator)();
    Typing typed;
    const char* title;
};

void PrintTo(const FailedDrill& c, std::ostream* os) { *os << c.name; }

class TurningDrillFailure : public ::testing::TestWithParam<FailedDrill> {};

TEST_P(TurningDrillFailure, ChangesNothing) {
    const FailedDrill& c = GetParam();
    SharedState s = test::axisCycleState(test::kOther);
    s.gSpindleSpeed = 777;
    s.gOutputText = QStringLiteral("earlier");
    AxisRun run(c.generator(), s, kHoleInput, c.typed);

    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].title, QString::fromLatin1(c.title));
    EXPECT_EQ(run.doc.box.Text(), QStringLiteral("AB"));
    EXPECT_EQ(run.doc.changes, 0);
    EXPECT_EQ(s.workShape.gMaterialID.value(), 2.0f);
    EXPECT_EQ(s.gSpindleSpeed, 777);
    EXPECT_EQ(s.gOutputText, QStringLiteral("earlier"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TurningDrillFailure,
    ::testing::Values(FailedDrill{"HssNoDiameter", hss, {{"U", "0"}}, "Error 11"},
                      FailedDrill{"HssNoDiameterNoSpeed", hss, {{"U", "0"}, {"V", "0"}}, "Error 6"},
                      FailedDrill{"HssDiameterThatWritesAsNothing", hss, {{"U", "0.0004"}}, "Error 11"},
                      FailedDrill{"HssDiameterBeyondSingle", hss, {{"U", "1E39"}}, "Error 6"},
                      FailedDrill{"HssSpeedBeyondDouble", hss, {{"V", "1E306"}}, "Error 6"},
                      FailedDrill{"UDrillNoDiameter", uDrill, {{"U", ""}}, "Error 11"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TurningDrilling, TheHoleStartsAtTheFaceOnceThereIsOne) {
    SharedState s = test::axisCycleState(test::kOther);
    AxisRun fresh(hssDrillGenerator(), s, {}, {});
    const test::ProcessDialogView& seen = fresh.user.seen;
    EXPECT_EQ(seen.caption, QStringLiteral("Hss Drill"));
    EXPECT_EQ(seen.text("StartZ"), QString());
    EXPECT_EQ(seen.text("LabelU"), QStringLiteral("Drill Dia"));
    EXPECT_TRUE(seen.isHidden("EndX"));

    s.workShape.gPZero = 0.25;
    AxisRun afterWorkpiece(uDrillGenerator(), s, {}, {});
    EXPECT_EQ(afterWorkpiece.user.seen.caption, QStringLiteral("U-Drill"));
    EXPECT_EQ(afterWorkpiece.user.seen.text("StartZ"), QStringLiteral("0.25"));
    EXPECT_EQ(afterWorkpiece.user.seen.text("LabelD"), QStringLiteral("In side"));
}

}  // namespace

#include <gtest/gtest.h>

#include "cycle_fixture.h"
#include "cycles/turning_drilling.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// A 0.5 drill 1.5 deep from the face at Z0: one peck step for the depth plus 0.16; K
// from the face to the approach Z less 0.12.
const QString kHssDrill = block(R"(
(-----< DRILL D0.5 >-----)
N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08
NT03 G74 X0 Z-1.5 K49.88 D1.66 F0.004
N000 G00 X500 Z500
<TAB>
)");

constexpr const char* kHeader = "(-----< DRILL D0.5 >-----)";
constexpr const char* kToolCall = "N000 G00 X0 Z50 T0303 M42 S760 M03 M63 M08";
constexpr const char* kPeck = "NT03 G74 X0 Z-1.5 K49.88 D1.66 F0.004";
constexpr const char* kHome = "N000 G00 X500 Z500";

// The insert drill, 1 across and 2 deep: in over 0.2 and out over the last 0.1 at half
// the feed.
constexpr const char* kUToolCall = "N000 G00 X0 Z50 T0505 M42 S1140 M03 M63 M08";
const QString kUDrill = edited(kHssDrill, {{kHeader, "(-----< DRILL D1 >-----)"}, {kToolCall, kUToolCall},
                                                 {kPeck, "NT05     Z0.12\nN000 G01 Z-0.2 F0.05\nN000     Z-1.9 F0.1\n"
                                                         "N000     Z-2 F0.05\nN000 G00 Z50"},
                                                 {kHome, "N000     X500 Z500"}});

class TurningDrilling : public ::testing::TestWithParam<CycleCase> {};

TEST_P(TurningDrilling, WholeBlock) { expectAxisCase(GetParam(), kHssDrill, {{"EndZ", "-1.5"}}); }

const auto hss = hssDrillGenerator;
const auto uDrill = uDrillGenerator;

INSTANTIATE_TEST_SUITE_P(
    Hss, TurningDrilling,
    ::testing::Values(
        CycleCase{.name = "Other", .generator = hss, .machine = {kOth}, .speedAfter = 760, .boreAfter = 0.5f},
        // The diameter is cut before the speed: 0.4964 gives S770 where 0.49645 gives S760.
        // The machine's approach Z as entered: 50.00009 − 0.00005 − 0.12 writes 49.88.
        CycleCase{.name = "DiameterCutBeforeTheSpeedStepsApproachAsEntered", .generator = hss,
             .machine = {.approachZ = 50.00009},
             .typed = {{"U", "0.49645"}, {"D", "0.25"}, {"L", "0.1"}, {"StartZ", "0.00005"}},
             .edits = {{kHeader, "(-----< DRILL D0.4964 >-----)"},
                       {kToolCall, "N000 G00 X0 Z50 T0303 M42 S770 M03 M63 M08"},
                       {kPeck, "NT03 G74 X0 Z-1.5 K49.88 D0.25 L0.1 F0.004"}},
             .speedAfter = 770, .boreAfter = 0.4964f},
        // A 5/16 drill is written and left as the bore whole.
        CycleCase{.name = "FractionalDrill", .generator = hss, .machine = {kOth}, .typed = {{"U", "0.3125"}},
             .edits = {{kHeader, "(-----< DRILL D0.3125 >-----)"},
                       {kToolCall, "N000 G00 X0 Z50 T0303 M42 S1220 M03 M63 M08"}},
             .speedAfter = 1220, .boreAfter = 0.3125f},
        // Steps that write as 0 are none: a hole 0.5 deep is one step D0.66.
        CycleCase{.name = "StepsThatWriteAsNothing", .generator = hss, .machine = {kOth},
             .typed = {{"D", "0.00004"}, {"L", "0.00004"}, {"EndZ", "-0.5"}},
             .edits = {{kPeck, "NT03 G74 X0 Z-0.5 K49.88 D0.66 F0.004"}}, .speedAfter = 760, .boreAfter = 0.5f},
        // The hole starts at the work's P-Zero.
        CycleCase{.name = "FromPZeroWithToolShape", .generator = hss, .machine = {.kind = kOth, .toolShape = true},
             .edits = {{"+(-----< DRILL D0.5 >-----)",
                        "NOEX VTLIN[3]=22 VTLFN[3]=1 VTLA1[3]=118\nNOEX VTLD[3]=0.5 VTLL[3]=2.4"},
                       {kPeck, "NT03 G74 X0 Z-1.5 K49.78 D1.76 F0.004"}}, .speedAfter = 760, .work = {{}, 0.1, 2.0f},
             .boreAfter = 0.5f},
        CycleCase{.name = "MacTurnMonitorStop", .generator = hss,
             .machine = {.kind = kMac, .loadMonitor = true, .optionalStop = true},
             .typed = {{"CoolantOFF", nullptr}, {"SpindleCCW", nullptr}},
             .edits = {{kToolCall, "N000 MT=301\nN000 M421\nN000 G00 X0 Z50 TL=0303 M602 M42 S760 M04 M63 M09\n"
                                   "N000 VLMON[3]=2+8"}, {"+NT03 G74 X0 Z-1.5 K49.88 D1.66 F0.004", "N000 VLMON[3]=0"},
                       {kHome, "N000 G00 X200\nN000 G21 HP=4 M05 M63 M09\nNSTP M01"}}, .speedAfter = 760,
             .boreAfter = 0.5f},
        // Without tool-shape data the tool length is never written, however long.
        CycleCase{.name = "ToolLengthUnwrittenWithoutToolData", .generator = hss, .machine = {kOth},
             .typed = {{"StartZ", "999999999999990"}},
             .edits = {{kPeck, "NT03 G74 X0 Z-1.5 K-999999999999940 D999999999999992 F0.004"}}, .speedAfter = 760,
             .boreAfter = 0.5f},
        // Nothing to divide by: the bore of the drill before stays.
        CycleCase{.name = "NoDiameterNoSpeed", .generator = hss, .machine = {kOth}, .typed = {{"U", "0"}, {"V", "0"}},
             .error = "Error 6"},
        CycleCase{.name = "DiameterThatWritesAsNothing", .generator = hss, .machine = {kOth},
             .typed = {{"U", "0.00004"}}, .error = "Error 11"}),

    caseName);

INSTANTIATE_TEST_SUITE_P(
    UDrill, TurningDrilling,
    ::testing::Values(
        CycleCase{.name = "Other", .generator = uDrill, .machine = {kOth}, .typed = {{"EndZ", "-2"}},
             .speedAfter = 1140, .base = &kUDrill, .boreAfter = 1.0f},
        CycleCase{.name = "EntryOnlySlowFeed", .generator = uDrill, .machine = {kOth},
             .typed = {{"EndZ", "-2"}, {"L", "0"}, {"F", "0.04"}},
             .edits = {{"N000 G01 Z-0.2 F0.05", "N000 G01 Z-0.2 F0.02"}, {"N000     Z-1.9 F0.1", ""},
                       {"N000     Z-2 F0.05", "N000     Z-2 F0.04"}}, .speedAfter = 1140, .base = &kUDrill,
             .boreAfter = 1.0f},
        // The shipped table's feed: half of 0.004.
        CycleCase{.name = "HalfOfAFineFeed", .generator = uDrill, .machine = {kOth},
             .typed = {{"EndZ", "-2"}, {"F", "0.004"}},
             .edits = {{"N000 G01 Z-0.2 F0.05", "N000 G01 Z-0.2 F0.002"}, {"N000     Z-1.9 F0.1", "N000     Z-1.9 F0.004"},
                       {"N000     Z-2 F0.05", "N000     Z-2 F0.002"}}, .speedAfter = 1140, .base = &kUDrill,
             .boreAfter = 1.0f},
        // Half of 0.00019 would write as F0: the full feed, cut, instead.
        CycleCase{.name = "FeedTooFineToHalveStaysWhole", .generator = uDrill, .machine = {kOth},
             .typed = {{"EndZ", "-2"}, {"F", "0.00019"}},
             .edits = {{"N000 G01 Z-0.2 F0.05", "N000 G01 Z-0.2 F0.0001"},
                       {"N000     Z-1.9 F0.1", "N000     Z-1.9 F0.0001"},
                       {"N000     Z-2 F0.05", "N000     Z-2 F0.0001"}}, .speedAfter = 1140, .base = &kUDrill,
             .boreAfter = 1.0f},
        CycleCase{.name = "LengthsThatWriteAsNothing", .generator = uDrill, .machine = {kOth},
             .typed = {{"EndZ", "-2"}, {"D", "0.00004"}, {"L", "0.00004"}},
             .edits = {{"N000 G01 Z-0.2 F0.05", ""}, {"N000     Z-1.9 F0.1", ""},
                       {"N000     Z-2 F0.05", "N000 G01 Z-2 F0.1"}},
             .speedAfter = 1140, .base = &kUDrill, .boreAfter = 1.0f},
        // A length too large to write writes no line when it is not above 0.
        CycleCase{.name = "HugeNegativeExitLength", .generator = uDrill, .machine = {kOth},
             .typed = {{"EndZ", "-2"}, {"L", "-1E15"}},
             .edits = {{"N000     Z-1.9 F0.1", ""}, {"N000     Z-2 F0.05", "N000     Z-2 F0.1"}}, .speedAfter = 1140,
             .base = &kUDrill, .boreAfter = 1.0f},
        CycleCase{.name = "MacTurnMonitor", .generator = uDrill, .machine = {.kind = kMac, .loadMonitor = true},
             .typed = {{"EndZ", "-2"}},
             .edits = {{kUToolCall, "N000 MT=501\nN000 M421\nN000 G00 X0 Z50 TL=0505 M602 M42 S1140 M03 M63 M08"},
                       {"+NT05     Z0.12", "N000 VLMON[5]=2+8"}, {"^N000 G00 Z50", "N000 VLMON[5]=0"},
                       {"N000     X500 Z500", "N000     X200\nN000 G21 HP=4 M05 M63 M09"}}, .speedAfter = 1140,
             .base = &kUDrill, .boreAfter = 1.0f},
        CycleCase{.name = "OtherToolLifeShape", .generator = uDrill, .machine = {.kind = kOth, .toolLife = true, .toolShape = true},
             .typed = {{"EndZ", "-2"}},
             .edits = {{kUToolCall, "NOEX VGRIN[5]=23 VGRFN[5]=1 VGRA1[5]=180\nNOEX VGRD[5]=1 VGRL[5]=2.8\n"
                                    "N000 G00 X0 Z50 TG=5 OG=1 M42 S1140 M03 M63 M08"}}, .speedAfter = 1140,
             .base = &kUDrill, .boreAfter = 1.0f},
        CycleCase{.name = "MultusToolShape", .generator = uDrill, .machine = {.kind = kMul, .toolShape = true},
             .typed = {{"EndZ", "-2"}},
             .edits = {{kUToolCall, "NOEX VTLIN[5]=23 VTLFN[5]=1 VTLA1[5]=180\nNOEX VTLD[5]=1 VTLL[5]=2.8\nN000 MT=501\n"
                                    "N000 M421\nN000 G00 X0 Z50 TL=0505 M602 M42 S1140 M03 M63 M08 M263"},
                       {"N000     X500 Z500", "N000 G20 HP=4 M867 M05 M63 M09\nN000 M866"}}, .speedAfter = 1140,
             .base = &kUDrill, .boreAfter = 1.0f}),
    caseName);

// The hole starts at the work's face, which is unknown before the workpiece dialog.
TEST(TurningDrilling, StartsAtTheFaceOnceThereIsOne) {
    SharedState s = cycleState({kOth}, {});
    Document doc;
    FakeProcessDialog user;
    runProcessGenerator(hssDrillGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("StartZ"), QString());
    s.workShape.gPZero = 0.25;
    runProcessGenerator(uDrillGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("StartZ"), QStringLiteral("0.25"));
}

}  // namespace

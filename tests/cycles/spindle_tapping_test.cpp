#include <gtest/gtest.h>

#include "cycle_fixture.h"
#include "cycles/spindle_tapping.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// An M0.25 × 0.05 floating tap 0.5 deep from the face at Z0: S = floor(30 × 1000 ÷
// 3.14 ÷ 3.28 ÷ 0.25 ÷ 10 ÷ 25.4) × 10; K from the face to the approach Z less 0.2.
const QString kFloatingTap = block(R"(
(-----< SPINDLE TAP M0.25*P0.05 >-----)
N000 G00 X0 Z50 T0505 M41 S450 M03 M63 M08
NT05 G77 X0 Z-0.5 K49.8 F0.05
N000 G00 X500 Z500
<TAB>
)");

constexpr const char* kToolCall = "N000 G00 X0 Z50 T0505 M41 S450 M03 M63 M08";
constexpr const char* kTap = "NT05 G77 X0 Z-0.5 K49.8 F0.05";
constexpr const char* kHome = "N000 G00 X500 Z500";

class SpindleTapping : public ::testing::TestWithParam<CycleCase> {};

TEST_P(SpindleTapping, WholeBlock) { expectAxisCase(GetParam(), kFloatingTap, {{"EndZ", "-0.5"}}); }

ProcessGenerator floating() { return spindleTapGenerator(1); }
ProcessGenerator rigid() { return spindleTapGenerator(2); }
ProcessGenerator anyOtherIndex() { return spindleTapGenerator(0); }

INSTANTIATE_TEST_SUITE_P(
    Table, SpindleTapping,
    ::testing::Values(
        CycleCase{.name = "Floating", .generator = floating, .machine = {kOth}, .speedAfter = 450},
        // The floating tap hides the start angle but writes the one its row put there.
        CycleCase{.name = "FloatingCounterClockwiseWithTheRowsStartAngle", .generator = floating, .machine = {kOth},
             .typed = {{"SpindleCCW", nullptr}, {"D", "0.3"}},
             .edits = {{kToolCall, "N000 G00 X0 Z50 T0505 M41 S450 M04 M63 M08"},
                       {kTap, "NT05 G78 X0 Z-0.5 K49.8 F0.05 D0.3"}}, .speedAfter = 450},
        CycleCase{.name = "RigidMacTurnCounterClockwise", .generator = rigid, .machine = {kMac},
             .typed = {{"D", "0.3"}, {"SpindleCCW", nullptr}},
             .edits = {{kToolCall, "N000 MT=501\nN000 M421\nN000 G00 X0 Z50 TL=0505 M602 M41 S450 M04 M63 M08"},
                       {kTap, "NT05 G108 X0 Z-0.5 K49.8 F0.05 D0.3"}, {kHome, "N000 G00 X200\nN000 G21 HP=4 M09"}},
             .speedAfter = 450},
        // A 5/16-18 rigid tap keeps its lead to the ten-thousandth, its start angle to the
        // thousandth of a degree.
        CycleCase{.name = "RigidInchTapStartAngle", .generator = rigid, .machine = {kOth},
             .typed = {{"U", "0.3125"}, {"F", "0.0555"}, {"EndZ", "-0.75"}, {"D", "45.6789"}},
             .edits = {{"(-----< SPINDLE TAP M0.25*P0.05 >-----)", "(-----< SPINDLE TAP M0.3125*P0.0555 >-----)"},
                       {kToolCall, "N000 G00 X0 Z50 T0505 M41 S360 M03 M63 M08"},
                       {kTap, "NT05 G107 X0 Z-0.75 K49.8 F0.0555 D45.678"}}, .speedAfter = 360},
        // Any index but the floating one is rigid; a start angle that writes as 0 is none.
        CycleCase{.name = "AnyOtherIndexIsRigid", .generator = anyOtherIndex, .machine = {kOth},
             .typed = {{"D", "0.0004"}}, .edits = {{kTap, "NT05 G107 X0 Z-0.5 K49.8 F0.05"}}, .speedAfter = 450},
        // The tap is as long as the hole plus 0.8.
        CycleCase{.name = "FloatingToolShape", .generator = floating, .machine = {.kind = kOth, .toolShape = true},
             .edits = {{"+(-----< SPINDLE TAP M0.25*P0.05 >-----)", "NOEX VTLIN[5]=32 VTLFN[5]=1\nNOEX VTLD[5]=0.25 VTLL[5]=1.3"}},
             .speedAfter = 450},
        // No MULTUS word on the tap's tool call.
        CycleCase{.name = "MultusToolLifeShapeStop", .generator = rigid,
             .machine = {.kind = kMul, .toolLife = true, .toolShape = true, .optionalStop = true},
             .typed = {{"M603", nullptr}},
             .edits = {{kToolCall, "NOEX VGRIN[5]=32 VGRFN[5]=1\nNOEX VGRD[5]=0.25 VGRL[5]=1.3\nN000 MT=1 TG=5\nN000 M421\n"
                              "N000 G00 X0 Z50 TG=5 OG=1 M603 M41 S450 M03 M63 M08"},
                  {kTap, "NT05 G107 X0 Z-0.5 K49.8 F0.05"}, {kHome, "N000 G20 HP=4 M867 M09\nN000 M866\nNSTP M01"}},
             .speedAfter = 450},
        // The speed comes from the size as typed (0.49645: S760); the header cuts it after. The
        // machine's approach Z as entered: 50.00009 − 0.00005 − 0.2 writes 49.8.
        CycleCase{.name = "SpeedFromTheSizeAsTypedApproachAsEntered", .generator = floating,
             .machine = {.approachZ = 50.00009}, .typed = {{"V", "100"}, {"U", "0.49645"}, {"StartZ", "0.00005"}},
             .edits = {{"(-----< SPINDLE TAP M0.25*P0.05 >-----)", "(-----< SPINDLE TAP M0.4964*P0.05 >-----)"},
                       {kToolCall, "N000 G00 X0 Z50 T0505 M41 S760 M03 M63 M08"}}, .speedAfter = 760},
        CycleCase{.name = "NoSizeNoSpeed", .generator = rigid, .machine = {kOth}, .typed = {{"U", "0"}, {"V", "0"}},
             .error = "Error 6"}),
    caseName);

}  // namespace

#include <gtest/gtest.h>

#include "rotary/planet_tapping.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// Tool 6, V 200, F 0.004, pitch 1, tool diameter 0.25.
const QStringList kRow = {"M-PLANET", "", "6", "0", "1", "200", "0.004", "1", "0", "0.25", "0", "0"};
const Typing kTyping = {{"B", "30"},     {"C", "0"},      {"SZ", "0"},   {"StartX", "0"},
                              {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "5"}, {"EndC", "-10"}};
const QString kPlanet = block(R"(
(-----< PLANET TAP M10 P1 >-----)
NOEX VTLIN[6]=32 VTLFN[6]=1
NOEX VTLD[6]=0.25 VTLL[6]=0.8
N000 MT=603
N000 M421
N000 G94 M110 TL=0606 G52 BA=30
NT06 G00 C0 X200 Z50 SB=3050 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B30
N000 G17
N000 G00 X0 Y0 Z50
N000     Z0.08 M147
N000 G01 Z-10 F=SB*0.04
N000     X-1 Y4 F=SB*0.004 G41
N000 G03 X-5 Y0 Z-9.75 L4
N000     X5 Y0 Z-9.25 L5
N000     X-5 Y0 Z-8.75 L5
N000     X-1 Y-4 Z-8.5 L4
N000 G01 X0 Y0 F=SB*0.04 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
<TAB>
)");
const Family kFamily{kRow, kTyping, kPlanet};

constexpr Machine kMultus{.kind = MachineKind::Multus, .toolShape = true};

INSTANTIATE_TEST_SUITE_P(
    PlanetTapping, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"Multus", &kFamily, slantPlanetTapGenerator, kMultus, {}, {}},
        // Both machine-type flags write MacTurn's words alone.
        RotaryCase{"MacTurnBothFlagsB90", &kFamily, slantPlanetTapGenerator,
                  kMacTurnBothFlags, {{"B", "90"}},
                  {{"N000 G94 M110 TL=0606 G52 BA=30", "N000 G94 M110 TL=0606 G52 BA=90 M66"},
                   {"N000 G127 B30", "N000 G127 B90"}, {"N000 G20 HP=4 M867 M12 M63 M09", "N000 G21 HP=4 M12 M63 M09"},
                   {"N000 M866", ""}}},
        RotaryCase{"MasterC", &kFamily, slantPlanetTapGenerator, kMultus, {{"W", "90"}},
                   {{"NT06 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT06 G00 C90 X200 Z50 SB=3050 M13 M63 M08"}}},
        // The bottom widens through its decimal before the pitches are added: -0.025, not
        // -0.026; the top plus 0.08 is a double.
        RotaryCase{"HelixFromTheBottomAsTyped", &kFamily, slantPlanetTapGenerator, kMultus,
                  {{"D", "0.3"}, {"EndC", "-0.1"}, {"StartC", "0.1"}},
                  {{"(-----< PLANET TAP M10 P1 >-----)", "(-----< PLANET TAP M10 P0.3 >-----)"},
                   {"N000     Z0.08 M147", "N000     Z0.18 M147"},
                   {"N000 G01 Z-10 F=SB*0.04", "N000 G01 Z-0.1 F=SB*0.04"},
                   {"N000     X-1 Y4 F=SB*0.004 G41", "N000     X-0.3 Y4.7 F=SB*0.004 G41"},
                   {"N000 G03 X-5 Y0 Z-9.75 L4", "N000 G03 X-5 Y0 Z-0.025 L4.7"},
                   {"N000     X5 Y0 Z-9.25 L5", "N000     X5 Y0 Z0.125 L5"},
                   {"N000     X-5 Y0 Z-8.75 L5", "N000     X-5 Y0 Z0.275 L5"},
                   {"N000     X-1 Y-4 Z-8.5 L4", "N000     X-0.3 Y-4.7 Z0.35 L4.7"}}},
        // A 13 per inch pitch: the header stores it cut to the ten-thousandth, and the helix
        // rises by that pitch.
        RotaryCase{"InchPitch", &kFamily, slantPlanetTapGenerator, kMultus, {{"D", "0.076923"}},
                  {{"(-----< PLANET TAP M10 P1 >-----)", "(-----< PLANET TAP M10 P0.0769 >-----)"},
                   {"N000     X-1 Y4 F=SB*0.004 G41", "N000     X-0.0769 Y4.9231 F=SB*0.004 G41"},
                   {"N000 G03 X-5 Y0 Z-9.75 L4", "N000 G03 X-5 Y0 Z-9.9808 L4.9231"},
                   {"N000     X5 Y0 Z-9.25 L5", "N000     X5 Y0 Z-9.9424 L5"},
                   {"N000     X-5 Y0 Z-8.75 L5", "N000     X-5 Y0 Z-9.9039 L5"},
                   {"N000     X-1 Y-4 Z-8.5 L4", "N000     X-0.0769 Y-4.9231 Z-9.8847 L4.9231"}}},
        RotaryCase{"ToolLife", &kFamily, slantPlanetTapGenerator,
                   Machine{.kind = MachineKind::Multus, .toolLife = true, .toolShape = true}, {},
                   {{"NOEX VTLIN[6]=32 VTLFN[6]=1", "NOEX VGRIN[6]=32 VGRFN[6]=1"},
                    {"NOEX VTLD[6]=0.25 VTLL[6]=0.8", "NOEX VGRD[6]=0.25 VGRL[6]=0.8"}, {"N000 MT=603", "N000 MT=3 TG=6"},
                    {"N000 G94 M110 TL=0606 G52 BA=30", "N000 G94 M110 TG=6 OG=1 G52 BA=30"}}},
        // The top plus 0.08 is a double (a single would round to 8388607.5).
        RotaryCase{"TopPlusClearanceIsADouble", &kFamily, slantPlanetTapGenerator, kMultus, {{"StartC", "8388607.5"}},
                  {{"N000     Z0.08 M147", "N000     Z8388607.58 M147"}}},
        // The centre is cut where the rapid move writes it and the radius where the first
        // half circle does; the later terms read the cut values.
        RotaryCase{"CutValuesCarryOn", &kFamily, slantPlanetTapGenerator, kMultus,
                  {{"StartX", "0.00009"}, {"StartZ", "0.00009"}, {"EndX", "5.00005"}},
                  {{"(-----< PLANET TAP M10 P1 >-----)", "(-----< PLANET TAP M10.0001 P1 >-----)"},
                   {"N000 G03 X-5 Y0 Z-9.75 L4", "N000 G03 X-5.0001 Y0 Z-9.75 L4"}}}),
    blockName);

}  // namespace

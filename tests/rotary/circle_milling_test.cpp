#include <gtest/gtest.h>

#include "common/runtime_error.h"
#include "rotary/circle_milling.h"
#include "rotary/depth_levels.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

TEST(DepthLevels, AreTakenFromTheTypedStepAndCutOnce) {
    struct Case { float top; double step; float bottom; QList<double> levels; } cases[] = {
        // From cut levels the step would drift to 0.199 and 0.099.
        {0.5f, 0.1, 0, {0.4, 0.3, 0.2, 0.1}},
        // -0.00075 writes as the bottom's -0.0008, so the bottom follows -0.0005 directly.
        {0, 0.00025, -0.00078f, {-0.0003, -0.0005}},
        // A top at or below the bottom, or a step past it, leaves only the bottom.
        {-3, 1, -3, {}},
        {0, 1e300, -3, {}},
        // A step that writes as 0 does not step.
        {0, 0.00004, -3, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(depthLevels(Single(c.top), c.step, Single(c.bottom)), c.levels) << c.top << " " << c.step;
}

TEST(DepthLevels, MoreThanTenThousandWithTheBottomIsAnOverflow) {
    EXPECT_EQ(depthLevels(Single(0.0f), 1, Single(-10000.0f)).size(), 9999);
    EXPECT_EQ(runtimeErrorOf([] { depthLevels(Single(0.0f), 1, Single(-10000.5f)); }), kErrOverflow);
    EXPECT_EQ(runtimeErrorOf([] { depthLevels(Single(1e16f), 1, Single(0.0f)); }), kErrOverflow);
}

// Tool 5, V 200, F 0.004, no cut depth, no allowance, end mill 0.25.
const QStringList kRow = {"M-CIRCLE", "", "5", "0", "1", "200", "0.004", "0", "0", "0.25", "0", "0"};
const Typing kTyping = {{"B", "0"},      {"C", "0"},      {"SZ", "0"},     {"StartX", "10"},
                              {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "5"},   {"EndC", "-3"}};
const QString kCircle = block(R"(
(-----< SLANT CIRCLE D10 >-----)
NOEX VTLIN[5]=36 VTLFN[5]=1
NOEX VTLD[5]=0.25 VTLL[5]=0.8
N000 MT=503
N000 M421
N000 G94 M110 TL=0505 G52 BA=0 M66
NT05 G00 C0 X200 Z50 SB=3050 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0
N000 G127 B0
N000 G17
N000 G00 X10 Y0 Z50
N000     Z2 M147
N000 G01 Z-3 F=SB*0.004
N000     X15 G41
N000 G03 X5 Y0 L5
N000     X15 Y0 L5
N000 G01 X10 G40
N000 G00 Z50
N000 G126 M146
N000 G175
N000 G136
N000 G21 HP=4 M12 M63 M09
<TAB>
)");
const Family kFamily{kRow, kTyping, kCircle};

#define CONTOUR "\nN000     X15 G41\nN000 G03 X5 Y0 L5\nN000     X15 Y0 L5\nN000 G01 X10 G40"

constexpr Machine kMacTurn = kMacTurnShape;

INSTANTIATE_TEST_SUITE_P(
    CircleMilling, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"NoDepthOnePlunge", &kFamily, slantCircleGenerator, kMacTurn, {}, {}},
        // A negative depth and allowance, even ones too large to write, do nothing.
        RotaryCase{"NegativeDepthAndAllowance", &kFamily, slantCircleGenerator, kMacTurn, {{"D", "-1E300"}, {"L", "-1E300"}},
                  {}},
        RotaryCase{"Stepping", &kFamily, slantCircleGenerator, kMacTurn, {{"D", "1"}}, {{"N000 G01 Z-3 F=SB*0.004",
                    "N000 G01 Z0 F=SB*0.004\nN000     Z-1" CONTOUR "\nN000     Z-2" CONTOUR "\nN000     Z-3"}}},
        // In single precision 8388607.5 + 2 rounds to 8388610.
        RotaryCase{"AllowanceTopPlusTwoIsASingle", &kFamily, slantCircleGenerator, kMacTurn,
                   {{"L", "0.5"}, {"StartC", "8388607.5"}},
                   {{"N000     Z2 M147", "N000     Z8388610 M147"}, {"N000     X15 G41",
                    "N000     X14.5 G41\nN000 G03 X5.5 Y0 L4.5\nN000     X14.5 Y0 L4.5\nN000 G01 X15"}}},
        // The radius is cut where the first contour writes it, the centre where the rapid
        // move writes it; every later term reads the cut values.
        RotaryCase{"CutValuesCarryOn", &kFamily, slantCircleGenerator, kMacTurn,
                  {{"D", "1"}, {"EndC", "-2"}, {"StartX", "10.00009"}, {"StartZ", "0.00009"}, {"EndX", "5.00005"}},
                  {{"(-----< SLANT CIRCLE D10 >-----)", "(-----< SLANT CIRCLE D10.0001 >-----)"},
                   {"N000 G01 Z-3 F=SB*0.004",
                    "N000 G01 Z0 F=SB*0.004\nN000     Z-1\nN000     X15 G41\nN000 G03 X4.9999 Y0 L5\n"
                    "N000     X15 Y0 L5\nN000 G01 X10 G40\nN000     Z-2"}}},
        // The top plus 2 is a single-precision sum; B, C and SZ are written as typed.
        RotaryCase{"TiltedAndShifted", &kFamily, slantCircleGenerator, kMacTurn,
                  {{"StartC", "0.1"}, {"B", "30"}, {"C", "1.5"}, {"SZ", "0.25"}, {"W", "90"}},
                  {{"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TL=0505 G52 BA=30 M66"},
                   {"NT05 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT05 G00 C90 X200 Z50 SB=3050 M13 M63 M08"},
                   {"N000 G174 SX=0 SZ=0", "N000 G174 SX=1.5 SZ=0.25"}, {"N000 G127 B0", "N000 G127 B30"},
                   {"N000     Z2 M147", "N000     Z2.1 M147"}}},
        // B and the master C are degrees to the thousandth; the zero shift X is a length.
        RotaryCase{"AnglesToTheThousandth", &kFamily, slantCircleGenerator, kMacTurn,
                  {{"B", "30.1234"}, {"C", "1.23456"}, {"W", "45.6789"}},
                  {{"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TL=0505 G52 BA=30.123 M66"},
                   {"NT05 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT05 G00 C45.678 X200 Z50 SB=3050 M13 M63 M08"},
                   {"N000 G174 SX=0 SZ=0", "N000 G174 SX=1.2345 SZ=0"}, {"N000 G127 B0", "N000 G127 B30.123"}}},
        // The tool is as long as the centre's Y plus 0.8.
        RotaryCase{"ToolLifeCentreY", &kFamily, slantCircleGenerator,
                   Machine{.kind = MachineKind::MacTurn, .toolLife = true, .toolShape = true}, {{"StartZ", "1.5"}},
                   {{"NOEX VTLIN[5]=36 VTLFN[5]=1", "NOEX VGRIN[5]=36 VGRFN[5]=1"},
                    {"NOEX VTLD[5]=0.25 VTLL[5]=0.8", "NOEX VGRD[5]=0.25 VGRL[5]=2.3"}, {"N000 MT=503", "N000 MT=3 TG=5"},
                    {"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TG=5 OG=1 G52 BA=0 M66"},
                    {"N000 G00 X10 Y0 Z50", "N000 G00 X10 Y1.5 Z50"}, {"N000 G03 X5 Y0 L5", "N000 G03 X5 Y1.5 L5"},
                    {"N000     X15 Y0 L5", "N000     X15 Y1.5 L5"}}},
        // Another machine writes the tool number three times; a depth and allowance that
        // write as 0 are none.
        RotaryCase{"OtherWrittenZeroDepthAndAllowance", &kFamily, slantCircleGenerator, kOtherShape,
                   {{"D", "1E-12"}, {"L", "0.00004"}},
                   {{"N000 MT=503", ""}, {"N000 M421", ""},
                    {"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 T050505"},
                    {"N000 G21 HP=4 M12 M63 M09", "N000     X500 Z500 M12 M63"}}}),
    blockName);

}  // namespace

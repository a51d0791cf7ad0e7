#include <gtest/gtest.h>

#include "common/runtime_error.h"
#include "rotary/circle_milling.h"
#include "rotary/depth_levels.h"
#include "rotary/planet_tapping.h"
#include "rotary/rotary_lines.h"
#include "rotary_fixture.h"

using namespace quillmar;
using test::RotaryCase;
using test::Edit;
using test::RotaryFailure;
using test::Machine;

namespace {

// --- the depth levels ---------------------------------------------------------------------

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(DepthLevels, AreTakenFromTheTypedStepAndCutOnce) {
    struct Case {
        float top;
        double step;
        float bottom;
        QList<double> levels;
    } cases[] = {
        {0, 1, -3, {-1, -2}},
        // From cut levels the step would drift to 0.199 and 0.099.
        {0.5f, 0.1, 0, {0.4, 0.3, 0.2, 0.1}},
        // -0.0075 writes as the bottom's -0.008, so the bottom follows -0.005 directly.
        {0, 0.0025, -0.0078f, {-0.003, -0.005}},
        {1.5f, 0.7, -0.5f, {0.8, 0.1}},
        {-1.25f, 0.5, -2, {-1.75}},
        // A top at or below the bottom, or a step past it, leaves only the bottom.
        {-3, 1, -3, {}},
        {-5, 1, -3, {}},
        {0, 1e300, -3, {}},
        // A step that writes as 0 does not step.
        {0, 0.0004, -3, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(depthLevels(Single(c.top), c.step, Single(c.bottom)), c.levels) << c.top << " " << c.step;
}

TEST(DepthLevels, MoreThanTenThousandWithTheBottomIsAnOverflow) {
    EXPECT_EQ(depthLevels(Single(0.0f), 1, Single(-10000.0f)).size(), 9999);
    EXPECT_EQ(depthLevels(Single(0.0f), 1, Single(-10000.0f)).last(), -9999);
    EXPECT_EQ(errorOf([] { depthLevels(Single(0.0f), 1, Single(-10000.5f)); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { depthLevels(Single(0.0f), 0.001, Single(-20.0f)); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { depthLevels(Single(1e16f), 1, Single(0.0f)); }), kErrOverflow);
}

// --- the contour of one level ---------------------------------------------------------------

TEST(CircleContour, RoughsWhenTheAllowanceWritesAboveZeroAndKeepsTheRadiusAsWritten) {
    // The radius is cut where a contour first writes it; the next level reads the cut value.
    const char* finish = "N000 G03 X4.999 Y0 L5\nN000     X15 Y0 L5\nN000 G01 X10 G40\n";
    const char* finishAgain = "N000 G03 X5 Y0 L5\nN000     X15 Y0 L5\nN000 G01 X10 G40\n";
    const char* rough = "N000     X14.5 G41\nN000 G03 X5.499 Y0 L4.5\nN000     X14.5 Y0 L4.5\nN000 G01 X15\n";
    const char* roughAgain = "N000     X14.5 G41\nN000 G03 X5.5 Y0 L4.5\nN000     X14.5 Y0 L4.5\nN000 G01 X15\n";
    struct Case {
        double allowance;
        QString first;
        QString second;
    } cases[] = {
        {0, test::crlf("N000     X15 G41\n") + test::crlf(finish), test::crlf("N000     X15 G41\n") + test::crlf(finishAgain)},
        {0.0004, test::crlf("N000     X15 G41\n") + test::crlf(finish),
         test::crlf("N000     X15 G41\n") + test::crlf(finishAgain)},
        {0.5, test::crlf(rough) + test::crlf(finish), test::crlf(roughAgain) + test::crlf(finishAgain)},
    };
    for (const Case& c : cases) {
        SharedState s = test::stateFor(Machine{});
        s.params.gStartX = 10;
        s.params.gStartZ = 0.0009;
        s.params.gEndX = 5.0009;
        s.params.gParamL = c.allowance;
        RotaryText text(s);
        AppendCircleContour(text);
        EXPECT_EQ(s.gOutputText, c.first) << c.allowance;
        s.gOutputText.clear();
        AppendCircleContour(text);
        EXPECT_EQ(s.gOutputText, c.second) << c.allowance;
        EXPECT_EQ(s.params.gEndX, 5);
        EXPECT_EQ(s.params.gStartZ, 0);
    }
}

// --- the circle block -----------------------------------------------------------------------

// Tool 5, V 200, F 0.004, no cut depth, no allowance, end mill 0.25.
const QStringList kRow = {"M-CIRCLE", "", "5", "0", "1", "200", "0.004", "0", "0", "0.25", "0", "0"};
const test::Typing kTyping = {{"B", "0"},      {"C", "0"},      {"SZ", "0"},     {"StartX", "10"},
                              {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "5"},   {"EndC", "-3"}};
const QString kCircle = test::block(R"(
(-----< SLANT CIRCLE D10 >-----)
NOEX VTLIN[5]=36 VTLFN[5]=1
NOEX VTLD[5]=0.25 VTLL[5]=20
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

#define CONTOUR "\nN000     X15 G41\nN000 G03 X5 Y0 L5\nN000     X15 Y0 L5\nN000 G01 X10 G40"

constexpr Machine kMacTurn{.kind = MachineKind::MacTurn, .toolShape = true};

class CircleMilling : public ::testing::TestWithParam<RotaryCase> {};

TEST_P(CircleMilling, WritesTheWholeBlock) {
    const RotaryCase& c = GetParam();
    test::expectBlock(c, kRow, kTyping, test::edited(kCircle, c.edits));
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, CircleMilling,
    ::testing::Values(
        RotaryCase{"NoDepthOnePlunge", ProcessMCircleSlant_Click, kMacTurn, {}, {}},
        RotaryCase{"WrittenZeroDepth", ProcessMCircleSlant_Click, kMacTurn, {{"D", "1E-12"}}, {}},
        // A negative depth and allowance, even ones too large to write, do nothing.
        RotaryCase{"NegativeDepthAndAllowance", ProcessMCircleSlant_Click, kMacTurn, {{"D", "-1E300"}, {"L", "-1E300"}},
                  {}},
        RotaryCase{"Stepping", ProcessMCircleSlant_Click, kMacTurn, {{"D", "1"}},
                  {{"N000 G01 Z-3 F=SB*0.004",
                    "N000 G01 Z0 F=SB*0.004\nN000     Z-1" CONTOUR "\nN000     Z-2" CONTOUR "\nN000     Z-3"}}},
        RotaryCase{"StepsExactlyFromTheTypedDecimals", ProcessMCircleSlant_Click, kMacTurn,
                  {{"D", "0.0025"}, {"EndC", "-0.0078"}},
                  {{"N000 G01 Z-3 F=SB*0.004",
                    "N000 G01 Z0 F=SB*0.004\nN000     Z-0.003" CONTOUR "\nN000     Z-0.005" CONTOUR
                    "\nN000     Z-0.008"}}},
        // A depth too large to write steps past the bottom at once.
        RotaryCase{"HugeDepth", ProcessMCircleSlant_Click, kMacTurn, {{"D", "1E300"}},
                  {{"N000 G01 Z-3 F=SB*0.004", "N000 G01 Z0 F=SB*0.004\nN000     Z-3"}}},
        RotaryCase{"Allowance", ProcessMCircleSlant_Click, kMacTurn, {{"L", "0.5"}},
                  {{"N000     X15 G41",
                    "N000     X14.5 G41\nN000 G03 X5.5 Y0 L4.5\nN000     X14.5 Y0 L4.5\nN000 G01 X15"}}},
        // The radius is cut where the first contour writes it, the centre where the rapid
        // move writes it; every later term reads the cut values.
        RotaryCase{"CutValuesCarryOn", ProcessMCircleSlant_Click, kMacTurn,
                  {{"D", "1"}, {"EndC", "-2"}, {"StartX", "10.0009"}, {"StartZ", "0.0009"}, {"EndX", "5.0005"}},
                  {{"(-----< SLANT CIRCLE D10 >-----)", "(-----< SLANT CIRCLE D10.001 >-----)"},
                   {"N000 G01 Z-3 F=SB*0.004",
                    "N000 G01 Z0 F=SB*0.004\nN000     Z-1\nN000     X15 G41\nN000 G03 X4.999 Y0 L5\n"
                    "N000     X15 Y0 L5\nN000 G01 X10 G40\nN000     Z-2"}}},
        // The top plus 2 is a single-precision sum; B, C and SZ are written as typed.
        RotaryCase{"TiltedAndShifted", ProcessMCircleSlant_Click, kMacTurn,
                  {{"StartC", "0.1"}, {"B", "30"}, {"C", "1.5"}, {"SZ", "0.25"}, {"W", "90"}},
                  {{"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TL=0505 G52 BA=30 M66"},
                   {"NT05 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT05 G00 C90 X200 Z50 SB=3050 M13 M63 M08"},
                   {"N000 G174 SX=0 SZ=0", "N000 G174 SX=1.5 SZ=0.25"},
                   {"N000 G127 B0", "N000 G127 B30"},
                   {"N000     Z2 M147", "N000     Z2.1 M147"}}},
        // In single precision 8388607.5 + 2 rounds to 8388610.
        RotaryCase{"TopPlusTwoIsASingle", ProcessMCircleSlant_Click, kMacTurn, {{"StartC", "8388607.5"}},
                  {{"N000     Z2 M147", "N000     Z8388610 M147"}}},
        RotaryCase{"MultusB90", ProcessMCircleSlant_Click, Machine{.kind = MachineKind::Multus, .toolShape = true},
                  {{"B", "90"}},
                  {{"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TL=0505 G52 BA=90"},
                   {"N000 G127 B0", "N000 G127 B90"},
                   {"N000 G21 HP=4 M12 M63 M09", "N000 G20 HP=4 M867 M12 M63 M09\nN000 M866"}}},
        RotaryCase{"BothFlags", ProcessMCircleSlant_Click,
                  Machine{.kind = MachineKind::MacTurn, .toolShape = true, .bothMachineFlags = true}, {}, {}},
        RotaryCase{"OtherNoOsp", ProcessMCircleSlant_Click,
                  Machine{.kind = MachineKind::Other, .ospU100 = false, .optionalStop = true},
                  {{"CoolantOFF", ""}},
                  {{"NOEX VTLIN[5]=36 VTLFN[5]=1", ""},
                   {"NOEX VTLD[5]=0.25 VTLL[5]=20", ""},
                   {"N000 MT=503", ""},
                   {"N000 M421", ""},
                   {"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 T050505"},
                   {"NT05 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT05 G00 C0 X200 Z50 SB=3050 M13 M64 M09\nN000     M62"},
                   {"N000 G21 HP=4 M12 M63 M09", "N000     X500 Z500 M12 M64\nN000     M62\nNSTP M01"}}},
        RotaryCase{"OtherToolLife", ProcessMCircleSlant_Click,
                  Machine{.kind = MachineKind::Other, .toolLife = true, .toolShape = true},
                  {},
                  {{"NOEX VTLIN[5]=36 VTLFN[5]=1", "NOEX VGRIN[5]=36 VGRFN[5]=1"},
                   {"NOEX VTLD[5]=0.25 VTLL[5]=20", "NOEX VGRD[5]=0.25 VGRL[5]=20"},
                   {"N000 MT=503", ""},
                   {"N000 M421", ""},
                   {"N000 G94 M110 TL=0505 G52 BA=0 M66", "N000 G94 M110 TG=5 OG=1"},
                   {"N000 G21 HP=4 M12 M63 M09", "N000     X500 Z500 M12 M63"}}}),
    test::blockName);

TEST(CircleMillingDialog, OffersTheLastTiltedValuesAndHidesTheEndZ) {
    SharedState s = test::stateFor(kMacTurn);
    test::fillRotaryRows(s, kRow);
    test::Document doc;
    test::FakeProcessDialog user;
    test::script(user, {{"B", "45"}, {"C", "2.5"}, {"SZ", "0.1"}});
    ProcessMCircleSlant_Click(s, &doc.box, nullptr);
    ASSERT_TRUE(user.messages.empty());
    EXPECT_TRUE(user.seen.isHidden("EndZ"));
    EXPECT_FALSE(user.seen.isHidden("EndZ2"));
    EXPECT_FALSE(user.seen.isHidden("L"));

    // The planet tap offers what the circle left.
    user.clearScript();
    user.leaveBy(test::FakeProcessDialog::Leave::Cancel);
    ProcessMPlanetTapSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(test::offeredShift(user.seen), QStringLiteral("45|2.5|0.1"));
    EXPECT_EQ(user.seen.text("LabelU"), QStringLiteral("Tap "));
    EXPECT_TRUE(user.seen.isHidden("L"));
}

class CircleMillingFailure : public ::testing::TestWithParam<RotaryFailure> {};

TEST_P(CircleMillingFailure, ChangesNothing) {
    test::expectFailureChangesNothing(GetParam(), kRow, ProcessMCircleSlant_Click);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CircleMillingFailure,
    ::testing::Values(
        RotaryFailure{"NoEndMill", ProcessMCircleSlant_Click, {{"U", "0"}, {"B", "30"}, {"C", "1"}}, 11},
        RotaryFailure{"NothingOverNothing", ProcessMCircleSlant_Click, {{"U", "0"}, {"V", "0"}}, 6},
        RotaryFailure{"RadiusTooLarge", ProcessMCircleSlant_Click, {{"EndX", "1E306"}}, 6},
        // 20,000 levels: refused at once.
        RotaryFailure{"TooManyLevels", ProcessMCircleSlant_Click,
                    {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-20"}, {"C", "4"}}, 6},
        RotaryFailure{"BadCoolantCell", ProcessMCircleSlant_Click, {}, 13, true}),
    test::failureName);

}  // namespace

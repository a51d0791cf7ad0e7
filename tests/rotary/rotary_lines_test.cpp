#include <gtest/gtest.h>

#include <functional>

#include "common/runtime_error.h"
#include "cycles/common_lines.h"
#include "rotary/circle_milling.h"
#include "rotary/drilling.h"
#include "rotary/generating_cut.h"
#include "rotary/keyway.h"
#include "rotary/planet_tapping.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"
#include "rotary/tapping.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// A family's case whole: the block lands at the caret in one change and nothing is reported.
TEST_P(RotaryBlocks, WritesTheWholeBlockAtTheCaret) {
    const RotaryCase& c = GetParam();
    SharedState s = stateFor(c.machine);
    fillRotaryRows(s, c.family->row);
    Document doc(QStringLiteral("AB"), 1);
    FakeProcessDialog user;
    enter(user, c.family->typing);
    enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    const QString expected = edited(c.family->base, c.edits);
    EXPECT_TRUE(user.messages.empty()) << (user.messages.empty() ? "" : user.messages[0].title.toStdString());
    EXPECT_EQ(s.gOutputText.toStdString(), expected.toStdString());
    EXPECT_EQ(doc.box.Text(), QStringLiteral("A") + expected + QStringLiteral("B"));
    EXPECT_EQ(doc.box.SelStart(), 1 + expected.size());
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(s.profile.gApproachX, c.machine.approachX);
    EXPECT_EQ(s.profile.gApproachZ, c.machine.approachZ);
}

class RotaryFailures : public ::testing::TestWithParam<RotaryFailure> {};

TEST_P(RotaryFailures, ReportTheirNumberAndKeepTheSpeed) {
    const RotaryFailure& c = GetParam();
    SharedState s = stateFor(Machine{MachineKind::MacTurn});
    fillRotaryRows(s, {"M", "", "3", "0", "1", "200", "0.004", "1", "0", "0.25", "0", "2"});
    s.gSpindleSpeed = 1230;
    Document doc;
    FakeProcessDialog user;
    enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error %1").arg(c.error));
    EXPECT_EQ(s.gSpindleSpeed, 1230);
}

// One failure of each family's own arithmetic.
INSTANTIATE_TEST_SUITE_P(
    Families, RotaryFailures,
    ::testing::Values(RotaryFailure{"DrillNoDiameterAtNoSpeed", sideDrillGenerator, {{"U", "0"}, {"V", "0"}}, 6},
                      RotaryFailure{"TiltedTapNoSize", slantTapGenerator, {{"U", "0"}, {"C", "7"}, {"B", "30"}}, 11},
                      RotaryFailure{"TiltedKeySpeedOverflows", slantKeywayGenerator, {{"V", "1E306"}, {"C", "3"}}, 6},
                      RotaryFailure{"FaceCutNoCutter", faceGeneratingCutGenerator, {{"U", "0"}}, 11},
                      // 20,000 levels: refused at once.
                      RotaryFailure{"CircleTooManyLevels", slantCircleGenerator,
                                    {{"D", "0.001"}, {"StartC", "0"}, {"EndC", "-20"}, {"C", "4"}}, 6},
                      RotaryFailure{"PlanetRadiusTooLarge", slantPlanetTapGenerator, {{"EndX", "1E306"}}, 6},
                      // Counts are whole-number words; 2147483647 is 2147483648 in single precision.
                      RotaryFailure{"TapCountRoundedBeyond32Bits", faceTapGenerator, {{"C", "2147483647"}}, 6},
                      RotaryFailure{"KeyCountBeyond32Bits", faceKeywayGenerator, {{"C", "123456789012"}}, 6},
                      RotaryFailure{"DrillCountBeyond32Bits", faceDrillGenerator, {{"C", "3000000000"}}, 6}),
    [](const ::testing::TestParamInfo<RotaryFailure>& info) { return std::string(info.param.name); });

// The failures of a zero diameter are the families' rows; a quotient beyond double is here.
TEST(RotarySpindleSpeed, DividesByTheInchDiameterBeforeConvertingIt) {
    EXPECT_EQ(spindleSpeedInches(0, 0.25), 0);
    // Here the turning cycles' order (the diameter in millimetres first) gives 1250 and 660.
    EXPECT_EQ(spindleSpeedInches(81.7499, 0.25), 1240);
    EXPECT_EQ(spindleSpeedInches(43.8179464, 0.25), 670);
    EXPECT_EQ(spindleSpeed(81.7499, 0.25 * 25.4), 1250);
    EXPECT_EQ(runtimeErrorOf([] { spindleSpeedInches(200, 1e-310); }), kErrOverflow);
}

TEST(RotaryLines, TheHomePointIsWrittenCut) {
    SharedState s = stateFor(Machine{MachineKind::Other});
    s.profile.gHomeX = 450.12349;
    s.profile.gHomeZ = -0.00005;
    RotaryText text(s);
    appendRotaryEnding(text, RotaryEnding::Tap, false);
    EXPECT_EQ(s.gOutputText, QStringLiteral("N000     X450.1234 Z-0.0001\r\n"));
    EXPECT_EQ(s.profile.gHomeX, 450.12349);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axis_cycles_fixture.h"
#include "cycles/spindle_tapping.h"

using namespace quillmar;
using test::AxisMachine;
using test::AxisRun;
using test::block;
using test::edited;
using test::Typing;

namespace {

// An M0.25 × 0.05 floating tap 0.5 deep from the face at Z0: S = floor(30 × 1000 ÷
// 3.14 ÷ 3.28 ÷ 0.25 ÷ 10 ÷ 25.4) × 10, K from the face to the approach Z less 0.2.
const QString kFloatingTap = block(R"(
(-----< SPINDLE TAP M0.25*P0.05 >-----)
N000 G00 X0 Z50 T0505 M41 S450 M03 M63 M08
NT05 G77 X0 Z-0.5 K49.8 F0.05
N000 G00 X500 Z500
<TAB>
)");

constexpr const char* kHeader = "(-----< SPINDLE TAP M0.25*P0.05 >-----)";
constexpr const char* kToolCall = "N000 G00 X0 Z50 T0505 M41 S450 M03 M63 M08";
constexpr const char* kTap = "NT05 G77 X0 Z-0.5 K49.8 F0.05";
constexpr const char* kHome = "N000 G00 X500 Z500";

const Typing kTapInput = {{"EndZ", "-0.5"}};

constexpr int kFloating = 1;
constexpr int kRigid = 2;

struct TapCase {
    const char* name;
    int index;
    AxisMachine machine;
    Typing typed;
    std::vector<test::Edit> edits;
    double speedAfter = 450;
    double approachZ = 50;
};

void PrintTo(const TapCase& c, std::ostream* os) { *os << c.name; }

class SpindleTapping : public ::testing::TestWithParam<TapCase> {};

TEST_P(SpindleTapping, WritesTheBlockAndKeepsTheBore) {
    const TapCase& c = GetParam();
    SharedState s = test::axisCycleState(c.machine);
    s.profile.gApproachZ = c.approachZ;
    AxisRun run(spindleTapGenerator(c.index), s, kTapInput, c.typed);

    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.inserted().toStdString(), edited(kFloatingTap, c.edits).toStdString());
    EXPECT_EQ(run.doc.changes, 1);
    EXPECT_EQ(s.gSpindleSpeed, c.speedAfter);
    EXPECT_EQ(s.workShape.gMaterialID.value(), 2.0f);
    EXPECT_EQ(s.profile.gApproachZ, c.approachZ);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpindleTapping,
    ::testing::Values(
        TapCase{"FloatingOther", kFloating, test::kOther, {}, {}},
        TapCase{"FloatingCounterClockwise", kFloating, test::kOther, {{"SpindleCCW", nullptr}},
                {{kToolCall, "N000 G00 X0 Z50 T0505 M41 S450 M04 M63 M08"}, {kTap, "NT05 G78 X0 Z-0.5 K49.8 F0.05"}}},
        // The floating tap hides the start angle but still writes the one its row gave.
        TapCase{"FloatingWithTheRowsStartAngle", kFloating, test::kOther, {{"D", "0.3"}},
                {{kTap, "NT05 G77 X0 Z-0.5 K49.8 F0.05 D0.3"}}},
        TapCase{"RigidMacTurnCounterClockwise", kRigid, test::kMacTurn, {{"D", "0.3"}, {"SpindleCCW", nullptr}},
                {{"^N000 G00 X0 Z50 T0505 M41 S450 M03 M63 M08", "N000 MT=501\nN000 M421"},
                 {kToolCall, "N000 G00 X0 Z50 TL=0505 M602 M41 S450 M04 M63 M08"},
                 {kTap, "NT05 G108 X0 Z-0.5 K49.8 F0.05 D0.3"},
                 {kHome, "N000 G00 X200\nN000 G21 HP=4 M09"}}},
        // Any index but the floating one is rigid; a start angle that writes as 0 is none.
        TapCase{"AnyOtherIndexIsRigid", 0, test::kOther, {{"D", "0.0004"}}, {{kTap, "NT05 G107 X0 Z-0.5 K49.8 F0.05"}}},
        // No MULTUS word on the tap's tool call; the tool data are the tap's size and length.
        TapCase{"MultusToolLifeShapeStop", kRigid, {false, true, true, true, false, true}, {{"M603", nullptr}},
                {{"+(-----< SPINDLE TAP M0.25*P0.05 >-----)",
                  "NOEX VGRIN[5]=32 VGRFN[5]=1\nNOEX VGRD[5]=0.25 VGRL[5]=20.5\nN000 MT=1 TG=5\nN000 M421"},
                 {kToolCall, "N000 G00 X0 Z50 TG=5 OG=1 M603 M41 S450 M03 M63 M08"},
                 {kTap, "NT05 G107 X0 Z-0.5 K49.8 F0.05"},
                 {kHome, "N000 G20 HP=4 M867 M09\nN000 M866\nNSTP M01"}}},
        // The approach Z is the machine's as entered: 50.0009 − 0.0005 − 0.2 writes 49.8.
        TapCase{"ApproachAsEntered", kFloating, test::kOther, {{"StartZ", "0.0005"}}, {}, 450, 50.0009},
        // The speed comes from the size as typed (0.4969: S760), the header cuts it after.
        TapCase{"SpeedFromTheSizeAsTyped", kFloating, test::kOther, {{"V", "100"}, {"U", "0.4969"}},
                {{kHeader, "(-----< SPINDLE TAP M0.496*P0.05 >-----)"},
                 {kToolCall, "N000 G00 X0 Z50 T0505 M41 S760 M03 M63 M08"}},
                760}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailedTap {
    const char* name;
    Typing typed;
    const char* title;
};

void PrintTo(const FailedTap& c, std::ostream* os) { *os << c.name; }

class SpindleTapFailure : public ::testing::TestWithParam<FailedTap> {};

TEST_P(SpindleTapFailure, ChangesNothing) {
    const FailedTap& c = GetParam();
    SharedState s = test::axisCycleState(test::kOther);
    s.gSpindleSpeed = 777;
    AxisRun run(spindleTapGenerator(kRigid), s, kTapInput, c.typed);

    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].title, QString::fromLatin1(c.title));
    EXPECT_EQ(run.doc.box.Text(), QStringLiteral("AB"));
    EXPECT_EQ(s.gSpindleSpeed, 777);
    EXPECT_EQ(s.workShape.gMaterialID.value(), 2.0f);
}

INSTANTIATE_TEST_SUITE_P(Table, SpindleTapFailure,
                         ::testing::Values(FailedTap{"NoSize", {{"U", "0"}}, "Error 11"},
                                           FailedTap{"NoSizeNoSpeed", {{"U", "0"}, {"V", "0"}}, "Error 6"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The tap has no B axis on any machine, and offers the M-index options on every one.
TEST(SpindleTapping, TheDialogHasNoBAxisOnAnyMachine) {
    for (const AxisMachine& machine : {test::kMacTurn, test::kOther}) {
        SharedState s = test::axisCycleState(machine);
        AxisRun floating(spindleTapGenerator(kFloating), s, {}, {});
        const test::ProcessDialogView& seen = floating.user.seen;
        EXPECT_EQ(seen.caption, QStringLiteral("Spindle Tap (Fulote)"));
        EXPECT_TRUE(seen.isHidden("B"));
        EXPECT_TRUE(seen.isHidden("LabelB"));
        EXPECT_FALSE(seen.isHidden("TipPostion"));
        EXPECT_TRUE(seen.isHidden("D"));
        EXPECT_EQ(seen.text("StartZ"), QStringLiteral("0"));
        EXPECT_TRUE(seen.toolTips.value(QStringLiteral("F")).startsWith(QStringLiteral("M2=0.4 M2.5=0.45")));

        AxisRun rigid(spindleTapGenerator(kRigid), s, {}, {});
        EXPECT_EQ(rigid.user.seen.caption, QStringLiteral("Spindle Tap (Rigide)"));
        EXPECT_FALSE(rigid.user.seen.isHidden("D"));
        EXPECT_EQ(rigid.user.seen.text("LabelD"), QStringLiteral("Start Angle"));
    }
}

}  // namespace

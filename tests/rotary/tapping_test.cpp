#include <gtest/gtest.h>

#include "rotary/tapping.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The worked face tap: tool 8, V 50, pitch 0.05, size 0.25, no angle, no count.
const QStringList kRow = {"M-TAP", "", "8", "0", "1", "50", "0.05", "0", "0", "0.25", "0", "0"};
const Typing kTyping = {{"StartX", "0"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-0.5"}};
const QString kFaceTap = block(R"(
(-----< FACE TAP M0.25*P0.05 >-----)
NOEX VTLIN[8]=32 VTLFN[8]=1
NOEX VTLD[8]=0.25 VTLL[8]=1.3
N000 MT=803
N000 M421
N000 G95 M110 TL=0808
NT08 G00 X200 Z50 SB=760 M08
N000 G178 C0 X0 Z-0.5 K49.8 F0.05
N000 G180
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)");
const Family kFamily{kRow, kTyping, kFaceTap};


// The tilted tap of the worked tool at B 90 (the hidden end Z stays empty).
const Typing kTilted90 = {{"B", "90"},      {"C", "0"},     {"SZ", "0"},      {"StartX", "1"}, {"StartZ", "0.5"},
                                {"StartC", "0.25"}, {"EndX", "30"}, {"EndC", "-0.5"}, {"EndZ", ""}};
const std::vector<Edit> kTilted90Edits = {
    {"(-----< FACE TAP M0.25*P0.05 >-----)", "(-----< TAP M0.25 >-----)"},
    {"N000 G95 M110 TL=0808", "N000 G95 M110 TL=0808 BT=1"},
    {"NT08 G00 X200 Z50 SB=760 M08", "NT08 G00 C30 X200 Z50 SB=760 M08\nN000 G138\nN000 G00  X100 Y0.5 Z0.25"},
    {"N000 G178 C0 X0 Z-0.5 K49.8 F0.05", "N000 G178 C30 X-0.5 Y0.5 Z0.25 I98.92 F0.05 M136"},
    {"N000 G00 Z50", "N000 G00 X100\nN000 G136"}, {"N000     X200", ""},
    {"N000 G21 HP=4 M12 M63 M09", "N000 G21 HP=4 M09"},
};

const Typing kTilted30 = plus(kTilted90, {{"B", "30"}});
const std::vector<Edit> kTilted30Edits = plus(
    kTilted90Edits, {{"N000 G95 M110 TL=0808 BT=1", "N000 G95 M110 TL=0808 G52 BA=30"},
                     {"N000 G00  X100 Y0.5 Z0.25", "N000 G127 B30\nN000 G00  X1 Y0.5 Z50"},
                     {"N000 G178 C30 X-0.5 Y0.5 Z0.25 I98.92 F0.05 M136",
                      "N000 G178 C30 X1 Y0.5 Z-0.5 K47.75 F0.05 M136"},
                     {"N000 G00 X100", "N000 G00 Z50\nN000 G126"}});

const std::vector<Edit> kSideEdits = {
    {"(-----< FACE TAP M0.25*P0.05 >-----)", "(-----< SIDE TAP M0.25*P0.05 >-----)"},
    {"NOEX VTLIN[8]=32 VTLFN[8]=1", "NOEX VTLIN[8]=31 VTLFN[8]=1"},
    {"NOEX VTLD[8]=0.25 VTLL[8]=1.3", "NOEX VTLD[8]=0.25 VTLL[8]=1.2"},
    {"N000 G95 M110 TL=0808", "N000 G95 M110 TL=0808 G52 BA=90 M66"},
    {"N000 G178 C0 X0 Z-0.5 K49.8 F0.05", "N000 G178 C90 X1.2 Z-0.5 I197.6 F0.05 M136"},
    {"N000 G00 Z50", "N000 G00 X200"}, {"N000     X200", ""},
};
const Typing kSide = {{"StartX", "2"}, {"StartZ", "-0.5"}, {"StartC", "90"}, {"EndX", "1.2"}};

INSTANTIATE_TEST_SUITE_P(
    Tapping, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"FaceWorked", &kFamily, faceTapGenerator, kMacTurnShape, {}, {}},
        RotaryCase{"FaceToolLife", &kFamily, faceTapGenerator, Machine{.kind = MachineKind::MacTurn, .toolLife = true,
                   .toolShape = true}, {},
                   {{"NOEX VTLIN[8]=32 VTLFN[8]=1", "NOEX VGRIN[8]=32 VGRFN[8]=1"},
                    {"NOEX VTLD[8]=0.25 VTLL[8]=1.3", "NOEX VGRD[8]=0.25 VGRL[8]=1.3"}, {"N000 MT=803", "N000 MT=3 TG=8"},
                    {"N000 G95 M110 TL=0808", "N000 G95 M110 TG=8 OG=1"}}},
        // Another machine: no tool change, and the home point without spindle words; an
        // angle and a count that write as 0 are left out.
        RotaryCase{"FaceOtherWrittenZero", &kFamily, faceTapGenerator, kOtherShape, {{"D", "0.0004"}, {"C", "0.00009"}},
                   {{"N000 MT=803", ""}, {"N000 M421", ""}, {"N000 G95 M110 TL=0808", "N000 G95 M110 T0808"},
                    {"N000     X200", ""}, {"N000 G21 HP=4 M12 M63 M09", "N000     X500 Z500"}}},
        // The C position and the angle between taps are degrees, kept to the thousandth.
        RotaryCase{"FaceAnglesToTheThousandth", &kFamily, faceTapGenerator, kMacTurnShape,
                   {{"StartC", "45.6789"}, {"D", "30.1234"}},
                   {{"N000 G178 C0 X0 Z-0.5 K49.8 F0.05", "N000 G178 C45.678 X0 Z-0.5 K49.8 D30.123 F0.05"}}},
        RotaryCase{"SideMacTurn", &kFamily, sideTapGenerator, kMacTurnShape, kSide, kSideEdits},
        // A 10-24 tap cuts with its own pitch.
        RotaryCase{"SideInchPitch", &kFamily, sideTapGenerator, kMacTurnShape, plus(kSide, {{"F", "0.041666"}}),
                   plus(kSideEdits, {{"(-----< SIDE TAP M0.25*P0.05 >-----)", "(-----< SIDE TAP M0.25*P0.0416 >-----)"},
                                     {"N000 G178 C90 X1.2 Z-0.5 I197.6 F0.05 M136",
                                      "N000 G178 C90 X1.2 Z-0.5 I197.6 F0.0416 M136"}})},
        // Both machine-type flags: MacTurn's words alone.
        RotaryCase{"SideBothFlagsAngleAndCount", &kFamily, sideTapGenerator, kMacTurnBothFlags,
                  plus(kSide, {{"D", "30"}, {"C", "1"}}),
                  plus(kSideEdits, {{"N000 G178 C90 X1.2 Z-0.5 I197.6 F0.05 M136",
                                     "N000 G178 C90 X1.2 Z-0.5 I197.6 D30 F0.05 Q1 M136"}})},
        RotaryCase{"SideMultus", &kFamily, sideTapGenerator, kMultusShape, kSide,
                  plus(kSideEdits, {{"N000 G95 M110 TL=0808 G52 BA=90 M66", "N000 G95 M110 TL=0808 G52 BA=90"},
                                    {"N000 G21 HP=4 M12 M63 M09", "N000 G20 HP=4 M867 M12 M63 M09\nN000 M866"}})},
        RotaryCase{"TiltedB90", &kFamily, slantTapGenerator, kMacTurnShape, kTilted90, kTilted90Edits},
        RotaryCase{"TiltedB30", &kFamily, slantTapGenerator, kMacTurnShape, kTilted30, kTilted30Edits},
        // A 3/8-16 tap: B and the master C are degrees to the thousandth, the pitch and the
        // zero shift X inches to the ten-thousandth.
        RotaryCase{"TiltedInchPitchAndAngles", &kFamily, slantTapGenerator, kMacTurnShape,
                   plus(kTilted30, {{"F", "0.0625"}, {"B", "30.1234"}, {"EndX", "45.6789"}, {"C", "1.23456"}}),
                   plus(kTilted30Edits, {{"N000 G95 M110 TL=0808 G52 BA=30", "N000 G95 M110 TL=0808 G52 BA=30.123"},
                                         {"NT08 G00 C30 X200 Z50 SB=760 M08", "NT08 G00 C45.678 X200 Z50 SB=760 M08"},
                                         {"N000 G127 B30", "N000 G174 SX=1.2345 SZ=0\nN000 G127 B30.123"},
                                         {"N000 G178 C30 X1 Y0.5 Z-0.5 K47.75 F0.05 M136",
                                          "N000 G178 C45.678 X1 Y0.5 Z-0.5 K47.75 F0.0625 M136"},
                                         {"N000 G126", "N000 G175\nN000 G126"}})},
        // The hole top is a single widened through its decimal: 50 - 0.1 - 2 is 47.9; a zero
        // shift Z that writes as 0 beside a shift X still writes G174 and G175.
        RotaryCase{"TiltedMultusShifted", &kFamily, slantTapGenerator,
                  kMultusShape,
                  plus(kTilted30, {{"StartC", "0.1"}, {"C", "2.5"}, {"SZ", "0.00004"}}),
                  plus(kTilted30Edits, {{"N000 G138", "N000 G138\nN000 G174 SX=2.5 SZ=0"},
                        {"N000 G178 C30 X1 Y0.5 Z-0.5 K47.75 F0.05 M136", "N000 G178 C30 X1 Y0.5 Z-0.5 K47.9 F0.05 M136"},
                        {"N000 G126", "N000 G175\nN000 G126"},
                        {"N000 G21 HP=4 M09", "N000 G20 HP=4 M867 M09\nN000 M866"}})},
        // A zero shift in Z alone still sets and resets the shift; another machine writes the
        // home point without spindle words, the tilted tap too.
        RotaryCase{"TiltedOtherShiftZOnly", &kFamily, slantTapGenerator, kOtherShape, plus(kTilted30, {{"SZ", "0.5"}}),
                   plus(kTilted30Edits, {{"+N000 G138", "N000 G174 SX=0 SZ=0.5"}, {"N000 G126", "N000 G175\nN000 G126"},
                                         {"N000 MT=803", ""}, {"N000 M421", ""},
                                         {"N000 G21 HP=4 M09", "N000     X500 Z500"}})}),
    blockName);

TEST(TappingDialog, TheTiltedTapRelabelsTheBottomAtB90) {
    SharedState s = stateFor(kMacTurnShape);
    fillRotaryRows(s, kRow);
    Document doc;
    FakeProcessDialog user;
    enter(user, {{"B", "90"}});
    runProcessGenerator(slantTapGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.left.text("LabelEndC"), QStringLiteral("X"));
}

}  // namespace

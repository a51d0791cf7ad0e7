#include <gtest/gtest.h>

#include "rotary/keyway.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// Tool 3, V 200, F 0.002, depth 0.1, allowance 0.01, cutter 0.25, in-feed 5, two keys.
const QStringList kRow = {"M-KEY", "", "3", "0", "1", "200", "0.002", "0.1", "0.01", "0.25", "5", "2"};
const Typing kTyping = {{"StartX", "1"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "0.5"}, {"EndZ", "-0.1"}};
const QString kFaceKey = block(R"(
(-----< FACE KEY W0.25 >-----)
NOEX VTLIN[3]=36 VTLFN[3]=1
NOEX VTLD[3]=0.25 VTLL[3]=0.9
N000 MT=303
N000 M421
N000 G94 M110 TL=0303
NT03 G00 X200 Z50 SB=3050 M13 M63 M08
N000     X1
N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213
N000 G180
N000 G00 Z50
N000 G21 HP=4 M12 M63 M09
<TAB>
)");
const Family kFamily{kRow, kTyping, kFaceKey};

constexpr Machine kMacTurn = kMacTurnShape;

const Typing kSide = {{"StartX", "50"}, {"StartZ", "-2"}, {"StartC", "90"}, {"EndX", "49.5"}, {"EndZ", "-5"}};
const std::vector<Edit> kSideEdits = {
    {"(-----< FACE KEY W0.25 >-----)", "(-----< SIDE KEY W0.25 >-----)"},
    {"NOEX VTLIN[3]=36 VTLFN[3]=1", "NOEX VTLIN[3]=30.2 VTLFN[3]=1"},
    {"NOEX VTLD[3]=0.25 VTLL[3]=0.9", "NOEX VTLD[3]=0.25 VTLL[3]=1.05"},
    {"N000 G94 M110 TL=0303", "N000 G94 M110 TL=0303 BT=1 M66"}, {"N000     X1", "N000     Z-2"},
    {"N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213",
     "N000 G190 C90 X49.5 Z-5 I149.84 U0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213"},
    {"N000 G00 Z50", "N000 G00 X200"},
};

// The tilted keyway at B 90, C angle 45; it writes no tool data whatever the profile says.
const Typing kTilted90 = {{"B", "90"},     {"C", "0"},      {"SZ", "0"},     {"L", "45"},
                                {"StartX", "1"}, {"StartZ", "0.5"}, {"StartC", "0.25"}, {"EndX", "0.5"},
                                {"EndZ", "0.5"}, {"EndC", "-0.2"}};
const std::vector<Edit> kTilted90Edits = {
    {"(-----< FACE KEY W0.25 >-----)", "(-----< SLANT KEY W0.25 >-----)"}, {"NOEX VTLIN[3]=36 VTLFN[3]=1", ""},
    {"NOEX VTLD[3]=0.25 VTLL[3]=0.9", ""}, {"N000 G94 M110 TL=0303", "N000 G94 M110 TL=030303 BT=1"},
    {"NT03 G00 X200 Z50 SB=3050 M13 M63 M08", "NT03 G00 C45 X200 Z50 SB=3050 M13 M63 M08\nN000 G138"},
    {"N000     X1", "N000 G00  X100 Y0.5 Z0.25\nN000      X1.08"},
    {"N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213",
     "N000 G190 C45 X0.5 Y0.5 Z-0.2 I0 D0.1 E5 F=SB*0.002 M211 M213"},
    {"N000 G00 Z50", "N000 G00 X100\nN000 G136"},
};
const std::vector<Edit> kTilted30Edits = plus(
    kTilted90Edits, {{"N000 G94 M110 TL=030303 BT=1", "N000 G94 M110 TL=030303 G52 BA=30"},
                     {"N000 G138", "N000 G138\nN000 G127 B30"}, {"N000 G00  X100 Y0.5 Z0.25", "N000 G00  X1 Y0.5 Z50"},
                     {"N000      X1.08", "N000      Z2.25"},
                     {"N000 G190 C45 X0.5 Y0.5 Z-0.2 I0 D0.1 E5 F=SB*0.002 M211 M213",
                      "N000 G190 C45 X0.5 Y0.5 Z-0.2 K0 D0.1 E5 F=SB*0.002 M211 M213"},
                     {"N000 G00 X100", "N000 G00 Z50\nN000 G126"}});

INSTANTIATE_TEST_SUITE_P(
    Keyway, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"FaceWorked", &kFamily, faceKeywayGenerator, kMacTurn, {}, {}},
        // A fine feed keeps its ten-thousandths, the key's C position its thousandths.
        RotaryCase{"FaceFineFeedAndAngle", &kFamily, faceKeywayGenerator, kMacTurn,
                   {{"F", "0.0008"}, {"StartC", "45.6789"}},
                   {{"N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213",
                     "N000 G190 C45.678 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.0008 Q2 M211 M213"}}},
        // Without OSP-U100 the M62 stands behind the positioning X; an allowance and a count
        // that write as 0 and 1 leave their words out.
        RotaryCase{"FaceNoOspWrittenValues", &kFamily, faceKeywayGenerator, kMacTurnNoOsp,
                   {{"L", "0.00004"}, {"C", "1.00004"}},
                   {{"NT03 G00 X200 Z50 SB=3050 M13 M63 M08", "NT03 G00 X200 Z50 SB=3050 M13 M64 M08"},
                    {"N000     X1", "N000     X1 M62"},
                    {"N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213",
                     "N000 G190 C0 X0.5 Z-0.1 K49.92 D0.1 E5 F=SB*0.002 M211 M213"}}},
        // The clearance reads the approach Z as entered (the cut 50 would give K49.92).
        RotaryCase{"FaceEnteredApproach", &kFamily, faceKeywayGenerator,
                  Machine{.kind = MachineKind::MacTurn, .toolShape = true, .approachZ = 50.00009},
                  {{"StartZ", "-0.00005"}, {"L", "0.01"}},
                  {{"NOEX VTLD[3]=0.25 VTLL[3]=0.9", "NOEX VTLD[3]=0.25 VTLL[3]=0.8999"},
                   {"N000 G190 C0 X0.5 Z-0.1 K49.92 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213",
                    "N000 G190 C0 X0.5 Z-0.1 K49.9201 W0.01 D0.1 E5 F=SB*0.002 Q2 M211 M213"}}},
        RotaryCase{"FaceToolLife", &kFamily, faceKeywayGenerator,
                   Machine{.kind = MachineKind::MacTurn, .toolLife = true, .toolShape = true}, {},
                   {{"NOEX VTLIN[3]=36 VTLFN[3]=1", "NOEX VGRIN[3]=36 VGRFN[3]=1"},
                    {"NOEX VTLD[3]=0.25 VTLL[3]=0.9", "NOEX VGRD[3]=0.25 VGRL[3]=0.9"}, {"N000 MT=303", "N000 MT=3 TG=3"},
                    {"N000 G94 M110 TL=0303", "N000 G94 M110 TG=3 OG=1"}}},
        // Without OSP-U100 the M62 stands behind the positioning Z.
        RotaryCase{"SideMacTurnNoOsp", &kFamily, sideKeywayGenerator, kMacTurnNoOsp,
                   kSide, plus(kSideEdits, {{"NT03 G00 X200 Z50 SB=3050 M13 M63 M08", "NT03 G00 X200 Z50 SB=3050 M13 M64 M08"},
                                                  {"N000     Z-2", "N000     Z-2 M62"}})},
        RotaryCase{"TiltedB90", &kFamily, slantKeywayGenerator, kMacTurn, kTilted90, kTilted90Edits},
        // The C angle is degrees, kept to the thousandth on the approach and in the cycle.
        RotaryCase{"TiltedAngleToTheThousandth", &kFamily, slantKeywayGenerator, kMacTurn,
                  plus(kTilted90, {{"L", "45.6789"}}),
                  plus(kTilted90Edits, {{"NT03 G00 C45 X200 Z50 SB=3050 M13 M63 M08",
                                         "NT03 G00 C45.678 X200 Z50 SB=3050 M13 M63 M08"},
                                        {"N000 G190 C45 X0.5 Y0.5 Z-0.2 I0 D0.1 E5 F=SB*0.002 M211 M213",
                                         "N000 G190 C45.678 X0.5 Y0.5 Z-0.2 I0 D0.1 E5 F=SB*0.002 M211 M213"}})},
        // B 30; in single precision 8388607.5 + 2 rounds to 8388610.
        RotaryCase{"TiltedB30SingleSum", &kFamily, slantKeywayGenerator, kMacTurn,
                  plus(kTilted90, {{"B", "30"}, {"StartC", "8388607.5"}}),
                  plus(kTilted30Edits, {{"N000      Z2.25", "N000      Z8388610"}})},
        // B 0 and a zero shift that writes as 0: no B words, G174, G127, G175 or G126.
        RotaryCase{"TiltedOtherToolLifeB0", &kFamily, slantKeywayGenerator,
                  Machine{.kind = MachineKind::Other, .toolLife = true, .toolShape = true},
                  plus(kTilted90, {{"B", "0"}, {"SZ", "0.00004"}}),
                  plus(kTilted30Edits, {{"N000 MT=303", ""}, {"N000 M421", ""},
                                        {"N000 G94 M110 TL=030303 G52 BA=30", "N000 G94 M110 TG=3 OG=1"},
                                        {"N000 G127 B30", ""}, {"N000 G126", ""},
                                        {"N000 G21 HP=4 M12 M63 M09", "N000     X500 Z500 M12 M63"}})}),
    blockName);

}  // namespace

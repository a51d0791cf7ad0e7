#include <gtest/gtest.h>

#include <QList>
#include <QPair>

#include "support/documents.h"
#include "support/expected_text.h"
#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "rotary/drilling.h"
#include "rotary_fixture.h"

using namespace quillmar;
using test::block;
using test::Document;
using test::FakeProcessDialog;
using test::Machine;

namespace {

using test::Command;


struct DrillCase {
    const char* name;
    Command command;
    int row;
    Machine machine;
    QStringList fields;  // the row: tool, spindle, coolant, V, F, D, L, U, W, C after two names
    QList<QPair<const char*, QString>> typed;
    test::Expected expected;
};

void PrintTo(const DrillCase& c, std::ostream* os) { *os << c.name; }

class Drilling : public ::testing::TestWithParam<DrillCase> {};

TEST_P(Drilling, WritesTheWholeBlockAtTheCaret) {
    const DrillCase& c = GetParam();
    SharedState s = test::stateFor(c.machine);
    test::fillRow(s, c.row, c.fields);
    Document doc(QStringLiteral("AB"), 1);
    FakeProcessDialog user;
    for (const auto& [box, text] : c.typed)
        user.type(box, text);

    c.command(s, &doc.box, nullptr);

    const QString expected = c.expected.text(block);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.showings, 1);
    EXPECT_EQ(s.gOutputText, expected);
    EXPECT_EQ(doc.box.Text(), QStringLiteral("A") + expected + QStringLiteral("B"));
    EXPECT_EQ(doc.box.SelStart(), 1 + expected.size());
    EXPECT_EQ(doc.changes, 1);
}

const char* const kFaceMacTurn = R"(
(-----< FACE DRILL D0.25 >-----)
NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118
NOEX VTLD[7]=0.25 VTLL[7]=21.2
N000 MT=703
N000 M421
N000 G94 M110 TL=0707
NT07 G00 X200 Z50 SB=3050 M13 M63 M08
N000 G181 C0 X0 Z-1.2 K49.92 F=SB*0.004
N000 G180
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)";

const char* const kFaceOtherAllWords = R"(
(-----< FACE DRILL D0.2 >-----)
N000 G94 M110 T0303
NT03 G00 X200 Z50 SB=2290 M13 M64 M09
N000     M62
N000 VLMON[3]=2+16
N000 G183 C45 X1.5 Z-0.75 K49.82 D0.1 L0.02 E0.5 F=SB*0.003 Q4
N000 G180
N000 VLMON[3]=0
N000 G00 Z50
N000     X500 Z500 M12 M64
N000     M62
NSTP M01
<TAB>
)";

const char* const kFaceMultusToolLife = R"(
(-----< FACE DRILL D0.5 >-----)
NOEX VGRIN[12]=28 VGRFN[12]=1 VGRA1[12]=118
NOEX VGRD[12]=0.5 VGRL[12]=22
N000 MT=1 TG=12
N000 M422
N000 G94 M110 TG=12 OG=1
NT12 G00 X200 Z50 SB=760 M13 M63 M08
N000 G183 C180 X0.75 Z-2 K49.92 E0.5 F=SB*0.01 Q2
N000 G180
N000 G00 Z50
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
<TAB>
)";

const char* const kSideMacTurn = R"(
(-----< SIDE DRILL D0.187 >-----)
NOEX VTLIN[5]=27 VTLFN[5]=1 VTLA1[5]=118
NOEX VTLD[5]=0.187 VTLL[5]=1.2
N000 MT=503
N000 M421
N000 G94 M110 TL=0505 BT=1 M66
NT05 G00 X200 Z50 SB=3050 M13 M63 M08
N000 G181 C90 X1.2 Z-0.5 I197.84 F=SB*0.002 M136
N000 G180
N000 G00 X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)";

const char* const kSideMultus = R"(
(-----< SIDE DRILL D0.25 >-----)
N000 MT=903
N000 M421
N000 G94 M110 TL=0909 BT=1
NT09 G00 X200 Z50 SB=1520 M13 M63 M08
N000 G183 C30 X0.4 Z0 I198.84 E0.3 F=SB*0.005 M136
N000 G180
N000 G00 X200
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
<TAB>
)";

const char* const kSideOther = R"(
(-----< SIDE DRILL D0.25 >-----)
N000 G94 M110 T020202
NT02 G00 X200 Z50 SB=1520 M13 M63 M09
N000 G181 C0 X0.4 Z0 I198.84 F=SB*0.005 M136
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M63
<TAB>
)";

const char* const kSlantMacTurnB0 = R"(
(-----< DRILL D0.25 >-----)
N000 MT=603
N000 M421
N000 G94 M110 TL=0606
NT06 G00 C45 X200 Z50 SB=1520 M13 M63 M08
N000 G138
N000 G00  X1.25 Y-0.5 Z50
N000 G181 C45 X1.25 Y-0.5 Z-0.8 K47.8 F=SB*0.004 M136
N000 G180
N000 G00 Z50
N000 G136
N000 G21 HP=4 M12 M63 M09
<TAB>
)";

const char* const kSlantOtherB90ToolLife = R"(
(-----< DRILL D0.125 >-----)
NOEX VGRIN[15]=28 VGRFN[15]=1 VGRA1[15]=118
NOEX VGRD[15]=0.125 VGRL[15]=20.5
N000 G94 M110 TG=15 OG=1 BT=1
NT15 G00 C0 X200 Z50 SB=3660 M13 M63 M09
N000 G138
N000 G174 SX=1.25 SZ=0
N000 G00  X100 Y0.5 Z0.3
N000 G181 C0 X1.2 Y0.5 Z0.3 I97.92 L0.1 F=SB*0.003 M136
N000 G180
N000 G00 X100
N000 G175
N000 G136
N000     X500 Z500 M12 M63
NSTP M01
<TAB>
)";

const char* const kSideMacTurnNoOsp = R"(
(-----< SIDE DRILL D0.1 >-----)
N000 MT=303
N000 M421
N000 G94 M110 TL=0303 BT=1 M66
NT03 G00 X200 Z50 SB=3440 M13 M64 M08
N000     M62
N000 G183 C120 X0.9 Z-0.3 I198.34 D0.05 F=SB*0.002 Q1.001 M136
N000 G180
N000 G00 X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)";

INSTANTIATE_TEST_SUITE_P(
    Blocks, Drilling,
    ::testing::Values(
        // The face drill as it is usually set up: MacTurn, tool-shape data, OSP-U100.
        DrillCase{"FaceMacTurn", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::MacTurn, true, false, true},
                  test::drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "1"),
                  {{"StartX", "0"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-1.2"}},
                  kFaceMacTurn},
        // Step, step back and dwell; four holes; the load monitor and the optional stop;
        // without OSP-U100 the M62 lines follow the approach and the home point.
        DrillCase{"FaceOtherAllWords", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::Other, false, false, false, true, true},
                  test::drillRow("3", "0", "120", "0.003", "0.1", "0.02", "0.2", "0.5", "4"),
                  {{"StartX", "1.5"}, {"StartZ", "0.1"}, {"StartC", "45"}, {"EndZ", "-0.75"}},
                  kFaceOtherAllWords},
        // Tool life on an H1 turret; a dwell alone selects G183; two holes are the first Q.
        DrillCase{"FaceMultusToolLife", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::Multus, true, true, true, false, false, 1, "M422"},
                  test::drillRow("12", "1", "100", "0.01", "0", "0", "0.5", "0.5", "2"),
                  {{"StartX", "0.75"}, {"StartZ", "0"}, {"StartC", "180"}, {"EndZ", "-2"}},
                  kFaceMultusToolLife},
        // A negative step selects G183 without a D word; a count that writes as 1 has no Q;
        // on MacTurn without OSP-U100 the only M62 line follows the approach.
        DrillCase{"FaceMacTurnNoOsp", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::MacTurn, false, false, false, true},
                  test::drillRow("7", "1", "200", "0.004", "-0.1", "0.05", "0.25", "0", "1.0004"),
                  {{"StartX", "0.5"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-1"}},
                  {kFaceMacTurn,
                  {{"NOEX VTLD[7]=0.25 VTLL[7]=21.2", ""},
                   {"NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118", ""},
                   {"N000 G181 C0 X0 Z-1.2 K49.92 F=SB*0.004", ""},
                   {"NT07 G00 X200 Z50 SB=3050 M13 M63 M08", "NT07 G00 X200 Z50 SB=3050 M13 M64 M08\n"
                                                              "N000     M62\n"
                                                              "N000 VLMON[7]=2+16\n"
                                                              "N000 G183 C0 X0.5 Z-1 K49.92 L0.05 F=SB*0.004"},
                   {"+N000 G180", "N000 VLMON[7]=0"}}}},
        // The diameter is written cut to 0.187 after the speed came from 0.1875.
        DrillCase{"SideMacTurn", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::MacTurn, true, false, true},
                  test::drillRow("5", "1", "150", "0.002", "0", "0", "0.1875", "0", "1"),
                  {{"StartX", "2"}, {"StartZ", "-0.5"}, {"StartC", "90"}, {"EndX", "1.2"}},
                  kSideMacTurn},
        // Tool life on another machine: TG word and VGR data, but no tool-change request.
        DrillCase{"SideOtherToolLife", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Other, false, true, true, true, true},
                  test::drillRow("4", "0", "80", "0.003", "0.05", "0.01", "0.125", "0", "4"),
                  {{"StartX", "3"}, {"StartZ", "-1"}, {"StartC", "0"}, {"EndX", "2.5"}},
                  {kFaceOtherAllWords,
                  {{"NT03 G00 X200 Z50 SB=2290 M13 M64 M09", ""},
                   {"N000 G94 M110 T0303", ""},
                   {"(-----< FACE DRILL D0.2 >-----)", "(-----< SIDE DRILL D0.125 >-----)\n"
                                                        "NOEX VGRIN[4]=27 VGRFN[4]=1 VGRA1[4]=118\n"
                                                        "NOEX VGRD[4]=0.125 VGRL[4]=1.05\n"
                                                        "N000 G94 M110 TG=4 OG=1\n"
                                                        "NT04 G00 X200 Z50 SB=2440 M13 M64 M09"},
                   {"N000 G183 C45 X1.5 Z-0.75 K49.82 D0.1 L0.02 E0.5 F=SB*0.003 Q4", ""},
                   {"N000 VLMON[3]=2+16", "N000 VLMON[4]=1+16\n"
                                           "N000 G183 C0 X2.5 Z-1 I196.84 D0.05 L0.01 F=SB*0.003 Q4 M136"},
                   {"N000 G00 Z50", ""},
                   {"N000 VLMON[3]=0", "N000 VLMON[4]=0\n"
                                        "N000 G00 X200"}}}},
        DrillCase{"SideMultus", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Multus},
                  test::drillRow("9", "1", "100", "0.005", "0", "0", "0.25", "0.3", "0"),
                  {{"StartX", "1"}, {"StartZ", "0"}, {"StartC", "30"}, {"EndX", "0.4"}},
                  kSideMultus},
        // Another machine writes the tool number three times in the side drill's T word.
        DrillCase{"SideOther", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Other},
                  test::drillRow("2", "0", "100", "0.005", "0", "0", "0.25", "0", "1"),
                  {{"StartX", "1"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "0.4"}},
                  kSideOther},
        // Everything on: zero shift, B 30, the load monitor and the optional stop.
        DrillCase{"SlantMultusB30", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::Multus, false, true, true, true, true},
                  test::drillRow("12", "0", "150", "0.006", "0.1", "0", "0.3125", "0", "9"),
                  {{"C", "1.5"}, {"SZ", "0.25"}, {"B", "30"}, {"StartX", "1"}, {"StartZ", "0.5"},
                   {"StartC", "0.5"}, {"EndX", "90"}, {"EndC", "-0.5"}},
                  {kSideMultus,
                  {{"N000 MT=903", ""},
                   {"(-----< SIDE DRILL D0.25 >-----)", "(-----< DRILL D0.312 >-----)\n"
                                                         "NOEX VGRIN[12]=28 VGRFN[12]=1 VGRA1[12]=118\n"
                                                         "NOEX VGRD[12]=0.312 VGRL[12]=20.5\n"
                                                         "N000 MT=3 TG=12"},
                   {"N000 G183 C30 X0.4 Z0 I198.84 E0.3 F=SB*0.005 M136", ""},
                   {"NT09 G00 X200 Z50 SB=1520 M13 M63 M08", ""},
                   {"N000 G94 M110 TL=0909 BT=1", "N000 G94 M110 TG=12 OG=1 G52 BA=30\n"
                                                   "NT12 G00 C90 X200 Z50 SB=1830 M13 M64 M09\n"
                                                   "N000     M62\n"
                                                   "N000 G138\n"
                                                   "N000 G174 SX=1.5 SZ=0.25\n"
                                                   "N000 G127 B30\n"
                                                   "N000 G00  X1 Y0.5 Z50\n"
                                                   "N000 VLMON[12]=1+2+16\n"
                                                   "N000 G183 C90 X1 Y0.5 Z-0.5 K47.5 D0.1 F=SB*0.006 M136"},
                   {"N000 G00 X200", "N000 VLMON[12]=0\n"
                                      "N000 G00 Z50\n"
                                      "N000 G175\n"
                                      "N000 G126\n"
                                      "N000 G136"},
                   {"+N000 M866", "NSTP M01"}}}},
        // The untilted plane without shifts: G138, positioning, cycle, retract and G136 only.
        DrillCase{"SlantMacTurnB0", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::MacTurn},
                  test::drillRow("6", "1", "100", "0.004", "0", "0", "0.25", "0", "3"),
                  {{"C", "0"}, {"SZ", "0"}, {"B", "0"}, {"StartX", "1.25"}, {"StartZ", "-0.5"},
                   {"StartC", "0.2"}, {"EndX", "45"}, {"EndC", "-0.8"}},
                  kSlantMacTurnB0},
        // B 90: BT=1, X at half the approach X, the bottom as X and an I clearance.
        DrillCase{"SlantMacTurnB90", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::MacTurn, true, false, true, true},
                  test::drillRow("10", "1", "200", "0.004", "0", "0", "0.25", "0.2", "0"),
                  {{"C", "0"}, {"SZ", "0.5"}, {"B", "90"}, {"StartX", "1.5"}, {"StartZ", "0.25"},
                   {"StartC", "-1"}, {"EndX", "0"}, {"EndC", "0.8"}},
                  {kSlantMacTurnB0,
                  {{"N000 MT=603", "NOEX VTLIN[10]=28 VTLFN[10]=1 VTLA1[10]=118\n"
                                    "NOEX VTLD[10]=0.25 VTLL[10]=20.25\n"
                                    "N000 MT=1003"},
                   {"NT06 G00 C45 X200 Z50 SB=1520 M13 M63 M08", ""},
                   {"N000 G94 M110 TL=0606", "N000 G94 M110 TL=1010 BT=1\n"
                                              "NT10 G00 C0 X200 Z50 SB=3050 M13 M63 M08"},
                   {"N000 G181 C45 X1.25 Y-0.5 Z-0.8 K47.8 F=SB*0.004 M136", ""},
                   {"N000 G00  X1.25 Y-0.5 Z50", "N000 G174 SX=0 SZ=0.5\n"
                                                  "N000 G00  X100 Y0.25 Z-1\n"
                                                  "N000 VLMON[10]=1+2+16\n"
                                                  "N000 G183 C0 X0.8 Y0.25 Z-1 I98.42 E0.2 F=SB*0.004 M136"},
                   {"N000 G00 Z50", "N000 VLMON[10]=0\n"
                                     "N000 G00 X100\n"
                                     "N000 G175"}}}},
        // The handler does not ask the machine type: another machine gets TL and its ending.
        DrillCase{"SlantOtherB45", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::Other, false},
                  test::drillRow("3", "0", "100", "0.008", "0.2", "0.05", "0.5", "0", "0"),
                  {{"C", "2"}, {"SZ", "0"}, {"B", "45"}, {"StartX", "2"}, {"StartZ", "1"}, {"StartC", "0"},
                   {"EndX", "180"}, {"EndC", "-0.6"}},
                  {kFaceOtherAllWords,
                  {{"NT03 G00 X200 Z50 SB=2290 M13 M64 M09", ""},
                   {"N000 G94 M110 T0303", ""},
                   {"(-----< FACE DRILL D0.2 >-----)", "(-----< DRILL D0.5 >-----)\n"
                                                        "N000 G94 M110 TL=0303 G52 BA=45\n"
                                                        "NT03 G00 C180 X200 Z50 SB=760 M13 M64 M09"},
                   {"N000 G183 C45 X1.5 Z-0.75 K49.82 D0.1 L0.02 E0.5 F=SB*0.003 Q4", ""},
                   {"N000 VLMON[3]=2+16", "N000 G138\n"
                                           "N000 G174 SX=2 SZ=0\n"
                                           "N000 G127 B45\n"
                                           "N000 G00  X2 Y1 Z50\n"
                                           "N000 G183 C180 X2 Y1 Z-0.6 K48 D0.2 L0.05 F=SB*0.008 M136"},
                   {"N000 VLMON[3]=0", ""},
                   {"+N000 G00 Z50", "N000 G175\n"
                                      "N000 G126\n"
                                      "N000 G136"},
                   {"NSTP M01", ""}}}},
        // B 60 without a zero shift: G127 and G126 but neither G174 nor G175. MacTurn on an
        // H1 turret asks for the tool with "01"; without OSP-U100 one M62 line only.
        DrillCase{"SlantMacTurnB60H1", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::MacTurn, false, false, false, false, false, 1},
                   test::drillRow("8", "1", "100", "0.005", "0", "0", "0.25", "0", "5"),
                   {{"C", "0"}, {"SZ", "0"}, {"B", "60"}, {"StartX", "0.75"}, {"StartZ", "-0.25"},
                    {"StartC", "0.1"}, {"EndX", "270"}, {"EndC", "-0.4"}},
                   {kSlantMacTurnB0,
                  {{"N000 MT=603", "N000 MT=801"},
                   {"NT06 G00 C45 X200 Z50 SB=1520 M13 M63 M08", ""},
                   {"N000 G94 M110 TL=0606", "N000 G94 M110 TL=0808 G52 BA=60\n"
                                              "NT08 G00 C270 X200 Z50 SB=1520 M13 M64 M08\n"
                                              "N000     M62"},
                   {"N000 G181 C45 X1.25 Y-0.5 Z-0.8 K47.8 F=SB*0.004 M136", ""},
                   {"N000 G00  X1.25 Y-0.5 Z50", "N000 G127 B60\n"
                                                  "N000 G00  X0.75 Y-0.25 Z50\n"
                                                  "N000 G181 C270 X0.75 Y-0.25 Z-0.4 K47.9 F=SB*0.005 M136"},
                   {"+N000 G00 Z50", "N000 G126"}}}},
        // B 90 on another machine with tool life and tool-shape data: TG word and BT=1,
        // positioning and retract at half the approach X, the bottom as X with an I
        // clearance; a step back alone keeps G181 and still writes its L word.
        DrillCase{"SlantOtherB90ToolLife", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::Other, true, true, true, false, true},
                   test::drillRow("15", "0", "120", "0.003", "0", "0.1", "0.125", "0", "0"),
                   {{"C", "1.25"}, {"SZ", "0"}, {"B", "90"}, {"StartX", "2"}, {"StartZ", "0.5"},
                    {"StartC", "0.3"}, {"EndX", "0"}, {"EndC", "1.2"}},
                   kSlantOtherB90ToolLife},
        // A negative B with only a zero shift Z; a dwell alone selects G183; the hole top Z
        // below zero widens the K clearance.
        DrillCase{"SlantMultusNegativeB", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::Multus},
                   test::drillRow("20", "0", "80", "0.004", "0", "0", "0.5", "1", "0"),
                   {{"C", "0"}, {"SZ", "-0.5"}, {"B", "-30"}, {"StartX", "0.6"}, {"StartZ", "0"},
                    {"StartC", "-0.2"}, {"EndX", "45.5"}, {"EndC", "-1.1"}},
                   {kSlantMacTurnB0,
                  {{"N000 MT=603", ""},
                   {"(-----< DRILL D0.25 >-----)", "(-----< DRILL D0.5 >-----)\n"
                                                    "N000 MT=2003"},
                   {"NT06 G00 C45 X200 Z50 SB=1520 M13 M63 M08", ""},
                   {"N000 G94 M110 TL=0606", "N000 G94 M110 TL=2020 G52 BA=-30\n"
                                              "NT20 G00 C45.5 X200 Z50 SB=610 M13 M63 M09"},
                   {"N000 G181 C45 X1.25 Y-0.5 Z-0.8 K47.8 F=SB*0.004 M136", ""},
                   {"N000 G00  X1.25 Y-0.5 Z50", "N000 G174 SX=0 SZ=-0.5\n"
                                                  "N000 G127 B-30\n"
                                                  "N000 G00  X0.6 Y0 Z50\n"
                                                  "N000 G183 C45.5 X0.6 Y0 Z-1.1 K48.2 E1 F=SB*0.004 M136"},
                   {"+N000 G00 Z50", "N000 G175\n"
                                      "N000 G126"},
                   {"N000 G21 HP=4 M12 M63 M09", "N000 G20 HP=4 M867 M12 M63 M09\n"
                                                  "N000 M866"}}}},
        // The side drill of MacTurn without OSP-U100: one M62 line after the approach; a
        // hole count just above one is written; M136 follows the Q word.
        DrillCase{"SideMacTurnNoOsp", ProcessMDrillSide_Click, 18,
                   Machine{MachineKind::MacTurn, false},
                   test::drillRow("3", "1", "90", "0.002", "0.05", "0", "0.1", "0", "1.001"),
                   {{"StartX", "1.5"}, {"StartZ", "-0.3"}, {"StartC", "120"}, {"EndX", "0.9"}},
                   kSideMacTurnNoOsp},
        // The face drill on MULTUS without OSP-U100, with tool-shape data and the load
        // monitor: one M62 line, no return to the approach X.
        DrillCase{"FaceMultusNoOsp", ProcessMDrillFace_Click, 17,
                   Machine{MachineKind::Multus, false, false, true, true},
                   test::drillRow("11", "1", "250", "0.005", "0.1", "0.02", "0.375", "0", "3"),
                   {{"StartX", "2.5"}, {"StartZ", "0.05"}, {"StartC", "270"}, {"EndZ", "-0.875"}},
                   {kSideMultus,
                  {{"N000 MT=903", ""},
                   {"(-----< SIDE DRILL D0.25 >-----)", "(-----< FACE DRILL D0.375 >-----)\n"
                                                         "NOEX VTLIN[11]=28 VTLFN[11]=1 VTLA1[11]=118\n"
                                                         "NOEX VTLD[11]=0.375 VTLL[11]=20.925\n"
                                                         "N000 MT=1103"},
                   {"N000 G183 C30 X0.4 Z0 I198.84 E0.3 F=SB*0.005 M136", ""},
                   {"NT09 G00 X200 Z50 SB=1520 M13 M63 M08", ""},
                   {"N000 G94 M110 TL=0909 BT=1", "N000 G94 M110 TL=1111\n"
                                                   "NT11 G00 X200 Z50 SB=2540 M13 M64 M08\n"
                                                   "N000     M62\n"
                                                   "N000 VLMON[11]=2+16\n"
                                                   "N000 G183 C270 X2.5 Z-0.875 K49.87 D0.1 L0.02 F=SB*0.005 Q3"},
                   {"N000 G00 X200", "N000 VLMON[11]=0\n"
                                      "N000 G00 Z50"}}}}),
    [](const ::testing::TestParamInfo<DrillCase>& info) { return std::string(info.param.name); });


const QString kDrillSizes = QStringLiteral("M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.02 M16=14.3");

SharedState drillingState(const Machine& machine = Machine{MachineKind::MacTurn}) {
    SharedState s = test::stateFor(machine);
    test::fillRow(s, 17, test::drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "1"));
    test::fillRow(s, 18, test::drillRow("5", "0", "150", "0.002", "0.1", "0.02", "0.1875", "0.5", "3"));
    test::fillRow(s, 19, test::drillRow("12", "1", "150", "0.006", "0", "0", "0.3125", "0", "9"));
    return s;
}

test::ProcessDialogView dialogOf(Command command, SharedState& s) {
    Document doc;
    FakeProcessDialog user;
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    command(s, &doc.box, nullptr);
    EXPECT_EQ(user.showings, 1);
    return user.seen;
}

TEST(DrillingDialog, DefaultsOfItsRowAndTheBFieldsByPlane) {
    SharedState s = drillingState(Machine{MachineKind::Other});
    const test::ProcessDialogView face = dialogOf(ProcessMDrillFace_Click, s);
    EXPECT_EQ(face.text("ToolNumber"), QStringLiteral("7"));
    EXPECT_EQ(face.text("C"), QStringLiteral("1"));
    EXPECT_TRUE(face.isChecked("SpindleCW") && face.isChecked("CoolantON"));
    EXPECT_TRUE(face.isHidden("B") && face.isHidden("EndC"));
    EXPECT_EQ(face.toolTips.value("U"), kDrillSizes);
    const test::ProcessDialogView side = dialogOf(ProcessMDrillSide_Click, s);
    EXPECT_EQ(side.text("D"), QStringLiteral("0.1"));
    EXPECT_TRUE(side.isChecked("CoolantOFF"));
    EXPECT_TRUE(side.isHidden("B") && !side.isHidden("EndX"));
    // The tilted plane shows B and the zero shift on every machine type.
    const test::ProcessDialogView tilted = dialogOf(ProcessMDrillSlant_Click, s);
    EXPECT_EQ(tilted.text("ToolNumber"), QStringLiteral("12"));
    for (const char* name : {"B", "SZ", "EndX", "EndC"})
        EXPECT_FALSE(tilted.isHidden(name)) << name;
    EXPECT_TRUE(tilted.isHidden("TipPostion") && tilted.isHidden("EndZ"));
    EXPECT_EQ(tilted.text("B") + "|" + tilted.text("C") + "|" + tilted.text("SZ"), QStringLiteral("0||0"));
}

TEST(DrillingDialog, BOf90RelabelsTheBottomOnlyOnceTheBoxIsLeft) {
    SharedState s = drillingState();
    s.params.gParamB = 90;
    Document doc;
    FakeProcessDialog user;
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("B"), QStringLiteral("90"));
    EXPECT_EQ(user.seen.text("LabelEndC"), QStringLiteral("Z"));

    user.type("B", "90");
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(user.left.text("LabelEndC"), QStringLiteral("X"));
    user.clearScript();
    user.type("B", "45").leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(user.left.text("LabelEndC"), QStringLiteral("Z"));
}

QString prefilled(const test::ProcessDialogView& v) {
    return v.text("B") + QLatin1Char('|') + v.text("C") + QLatin1Char('|') + v.text("SZ");
}

TEST(DrillingDialog, TheTiltedPlaneOffersTheLastValues) {
    SharedState s = drillingState();
    Document doc;
    FakeProcessDialog user;

    // An executed tilted-plane drill leaves its B, SZ and zero shift X.
    user.type("B", "30.5").type("C", "1.2345").type("SZ", "0.25");
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    ASSERT_TRUE(user.messages.empty());
    EXPECT_EQ(prefilled(user.seen), QStringLiteral("0||0"));
    ASSERT_TRUE(s.gLastShiftX.has_value());
    EXPECT_EQ(s.gLastShiftX->value(), 1.2345f);

    // The shift is offered as typed, not as the block cut it (SX=1.234).
    user.clearScript();
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(prefilled(user.seen), QStringLiteral("30.5|1.2345|0.25"));

    // A cancelled dialog remembers nothing.
    user.clearScript();
    user.type("C", "7").type("B", "60").leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    user.clearScript();
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(prefilled(user.seen), QStringLiteral("30.5|1.2345|0.25"));

    // A face cycle leaves B and SZ at 0 (its B box is hidden and holds 0) but not the shift.
    user.clearScript();
    ProcessMDrillFace_Click(s, &doc.box, nullptr);
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(prefilled(user.seen), QStringLiteral("0|1.2345|0"));
}

TEST(DrillingDialog, ABThatTheBlockCutIsOfferedCut) {
    SharedState s = drillingState();
    Document doc;
    FakeProcessDialog user;
    user.type("B", "30.12345");
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_TRUE(s.gOutputText.contains(QStringLiteral(" G52 BA=30.123\r\n")));
    user.clearScript();
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    ProcessMDrillSlant_Click(s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("B"), QStringLiteral("30.123"));
}

// A clearance reads the approach point as entered, while the approach and retract lines
// write it cut: from the cut 50 the face drill would give K49.92 and the side drill I47.075.
TEST(DrillingClearance, ReadsTheApproachPointAsEntered) {
    struct Row {
        Command command;
        Machine machine;
        test::Typing typed;
        const char* cycle;
        const char* retract;
    } rows[] = {
        {ProcessMDrillFace_Click, Machine{.kind = MachineKind::MacTurn, .approachZ = 50.0009},
         {{"StartX", "0"}, {"StartZ", "-0.0005"}, {"StartC", "0"}, {"EndZ", "-1.2"}},
         "N000 G181 C0 X0 Z-1.2 K49.921 F=SB*0.004", "N000 G00 Z50"},
        {ProcessMDrillSide_Click, Machine{.kind = MachineKind::MacTurn, .approachX = 50.0009},
         {{"StartX", "2.7645"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "1"}},
         "N000 G181 C0 X1 Z0 I47.076 F=SB*0.005 M136", "N000 G00 X50"},
    };
    for (const Row& r : rows) {
        SharedState s = drillingState(r.machine);
        test::fillRow(s, 18, test::drillRow("5", "1", "100", "0.005", "0", "0", "0.25", "0", "1"));
        Document doc;
        FakeProcessDialog user;
        test::script(user, r.typed);
        r.command(s, &doc.box, nullptr);
        const QStringList lines = s.gOutputText.split(QStringLiteral("\r\n"));
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.cycle))) << s.gOutputText.toStdString();
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.retract))) << s.gOutputText.toStdString();
        EXPECT_EQ(s.profile.gApproachX, r.machine.approachX);
        EXPECT_EQ(s.profile.gApproachZ, r.machine.approachZ);
    }
}

class DrillingFailure : public ::testing::TestWithParam<Command> {};

TEST_P(DrillingFailure, ADrillOfNoDiameterIsDivisionByZeroAndInsertsNothing) {
    SharedState s = drillingState();
    s.gSpindleSpeed = 40;
    Document doc(QStringLiteral("text"), 2);
    FakeProcessDialog user;
    user.type("U", "0").type("C", "2.5");
    GetParam()(s, &doc.box, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 11"));
    EXPECT_EQ(user.messages[0].text, QStringLiteral("ゼロ割り算エラー。工具径などのデータが０です。"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
    EXPECT_EQ(doc.changes, 0);
    EXPECT_EQ(s.gSpindleSpeed, 40);
    // A failed run leaves no shift, B or SZ of its own behind.
    EXPECT_FALSE(s.gLastShiftX.has_value());
    EXPECT_EQ(s.params.gParamB, 0.0);
    EXPECT_EQ(s.params.gParamSZ, 0.0);
}

TEST_P(DrillingFailure, NoDiameterAtNoSpeedIsAnOverflow) {
    SharedState s = drillingState();
    Document doc(QStringLiteral("text"), 2);
    FakeProcessDialog user;
    user.type("U", "0").type("V", "0").type("B", "45").type("SZ", "0.1");
    GetParam()(s, &doc.box, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
}

INSTANTIATE_TEST_SUITE_P(Commands, DrillingFailure,
                         ::testing::Values(ProcessMDrillFace_Click, ProcessMDrillSide_Click, ProcessMDrillSlant_Click));

// A B that the block writes as 90 is 90 for every line that depends on it, and one a
// hair below zero is cut to a tilt of -0.001.
TEST(DrillingB, ConditionsFollowTheWrittenAngle) {
    struct Row {
        const char* b;
        const char* toolCall;
        bool g127;
        const char* positioning;
        const char* retract;
    };
    const Row rows[] = {
        {"90.0004", "N000 G94 M110 TL=0707 BT=1", false, "N000 G00  X100 Y0 Z0", "N000 G00 X100"},
        {"0.0009", "N000 G94 M110 TL=0707", false, "N000 G00  X1 Y0 Z50", "N000 G00 Z50"},
        {"-0.0004", "N000 G94 M110 TL=0707 G52 BA=-0.001", true, "N000 G00  X1 Y0 Z50", "N000 G00 Z50"},
    };
    for (const Row& r : rows) {
        SharedState s = test::stateFor(Machine{MachineKind::MacTurn});
        test::fillRow(s, 19, test::drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "0"));
        Document doc;
        FakeProcessDialog user;
        user.type("B", QString::fromLatin1(r.b)).type("C", "0").type("SZ", "0").type("StartX", "1");
        ProcessMDrillSlant_Click(s, &doc.box, nullptr);
        const QStringList lines = s.gOutputText.split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.value(3).toStdString(), r.toolCall) << r.b;
        EXPECT_EQ(lines.contains(QStringLiteral("N000 G127 B-0.001")), r.g127) << r.b;
        EXPECT_EQ(lines.contains(QStringLiteral("N000 G126")), r.g127) << r.b;
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.positioning))) << r.b;
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.retract))) << r.b;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <QList>
#include <QPair>

#include "support/documents.h"
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
    const char* expected;
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

    const QString expected = block(c.expected);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.showings, 1);
    EXPECT_EQ(s.gOutputText, expected);
    EXPECT_EQ(doc.box.Text(), QStringLiteral("A") + expected + QStringLiteral("B"));
    EXPECT_EQ(doc.box.SelStart(), 1 + expected.size());
    EXPECT_EQ(doc.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, Drilling,
    ::testing::Values(
        // The face drill as it is usually set up: MacTurn, tool-shape data, OSP-U100.
        DrillCase{"FaceMacTurn", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::MacTurn, true, false, true},
                  test::drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "1"),
                  {{"StartX", "0"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-1.2"}},
                  R"(
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
)"},
        // Step, step back and dwell; four holes; the load monitor and the optional stop;
        // without OSP-U100 the M62 lines follow the approach and the home point.
        DrillCase{"FaceOtherAllWords", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::Other, false, false, false, true, true},
                  test::drillRow("3", "0", "120", "0.003", "0.1", "0.02", "0.2", "0.5", "4"),
                  {{"StartX", "1.5"}, {"StartZ", "0.1"}, {"StartC", "45"}, {"EndZ", "-0.75"}},
                  R"(
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
)"},
        // Tool life on an H1 turret; a dwell alone selects G183; two holes are the first Q.
        DrillCase{"FaceMultusToolLife", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::Multus, true, true, true, false, false, 1, "M422"},
                  test::drillRow("12", "1", "100", "0.01", "0", "0", "0.5", "0.5", "2"),
                  {{"StartX", "0.75"}, {"StartZ", "0"}, {"StartC", "180"}, {"EndZ", "-2"}},
                  R"(
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
)"},
        // A negative step selects G183 without a D word; a count that writes as 1 has no Q;
        // on MacTurn without OSP-U100 the only M62 line follows the approach.
        DrillCase{"FaceMacTurnNoOsp", ProcessMDrillFace_Click, 17,
                  Machine{MachineKind::MacTurn, false, false, false, true},
                  test::drillRow("7", "1", "200", "0.004", "-0.1", "0.05", "0.25", "0", "1.0004"),
                  {{"StartX", "0.5"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-1"}},
                  R"(
(-----< FACE DRILL D0.25 >-----)
N000 MT=703
N000 M421
N000 G94 M110 TL=0707
NT07 G00 X200 Z50 SB=3050 M13 M64 M08
N000     M62
N000 VLMON[7]=2+16
N000 G183 C0 X0.5 Z-1 K49.92 L0.05 F=SB*0.004
N000 G180
N000 VLMON[7]=0
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)"},
        // The diameter is written cut to 0.187 after the speed came from 0.1875.
        DrillCase{"SideMacTurn", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::MacTurn, true, false, true},
                  test::drillRow("5", "1", "150", "0.002", "0", "0", "0.1875", "0", "1"),
                  {{"StartX", "2"}, {"StartZ", "-0.5"}, {"StartC", "90"}, {"EndX", "1.2"}},
                  R"(
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
)"},
        // Tool life on another machine: TG word and VGR data, but no tool-change request.
        DrillCase{"SideOtherToolLife", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Other, false, true, true, true, true},
                  test::drillRow("4", "0", "80", "0.003", "0.05", "0.01", "0.125", "0", "4"),
                  {{"StartX", "3"}, {"StartZ", "-1"}, {"StartC", "0"}, {"EndX", "2.5"}},
                  R"(
(-----< SIDE DRILL D0.125 >-----)
NOEX VGRIN[4]=27 VGRFN[4]=1 VGRA1[4]=118
NOEX VGRD[4]=0.125 VGRL[4]=1.05
N000 G94 M110 TG=4 OG=1
NT04 G00 X200 Z50 SB=2440 M13 M64 M09
N000     M62
N000 VLMON[4]=1+16
N000 G183 C0 X2.5 Z-1 I196.84 D0.05 L0.01 F=SB*0.003 Q4 M136
N000 G180
N000 VLMON[4]=0
N000 G00 X200
N000     X500 Z500 M12 M64
N000     M62
NSTP M01
<TAB>
)"},
        DrillCase{"SideMultus", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Multus},
                  test::drillRow("9", "1", "100", "0.005", "0", "0", "0.25", "0.3", "0"),
                  {{"StartX", "1"}, {"StartZ", "0"}, {"StartC", "30"}, {"EndX", "0.4"}},
                  R"(
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
)"},
        // Another machine writes the tool number three times in the side drill's T word.
        DrillCase{"SideOther", ProcessMDrillSide_Click, 18,
                  Machine{MachineKind::Other},
                  test::drillRow("2", "0", "100", "0.005", "0", "0", "0.25", "0", "1"),
                  {{"StartX", "1"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndX", "0.4"}},
                  R"(
(-----< SIDE DRILL D0.25 >-----)
N000 G94 M110 T020202
NT02 G00 X200 Z50 SB=1520 M13 M63 M09
N000 G181 C0 X0.4 Z0 I198.84 F=SB*0.005 M136
N000 G180
N000 G00 X200
N000     X500 Z500 M12 M63
<TAB>
)"},
        // Everything on: zero shift, B 30, the load monitor and the optional stop.
        DrillCase{"SlantMultusB30", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::Multus, false, true, true, true, true},
                  test::drillRow("12", "0", "150", "0.006", "0.1", "0", "0.3125", "0", "9"),
                  {{"C", "1.5"}, {"SZ", "0.25"}, {"B", "30"}, {"StartX", "1"}, {"StartZ", "0.5"},
                   {"StartC", "0.5"}, {"EndX", "90"}, {"EndC", "-0.5"}},
                  R"(
(-----< DRILL D0.312 >-----)
NOEX VGRIN[12]=28 VGRFN[12]=1 VGRA1[12]=118
NOEX VGRD[12]=0.312 VGRL[12]=20.5
N000 MT=3 TG=12
N000 M421
N000 G94 M110 TG=12 OG=1 G52 BA=30
NT12 G00 C90 X200 Z50 SB=1830 M13 M64 M09
N000     M62
N000 G138
N000 G174 SX=1.5 SZ=0.25
N000 G127 B30
N000 G00  X1 Y0.5 Z50
N000 VLMON[12]=1+2+16
N000 G183 C90 X1 Y0.5 Z-0.5 K47.5 D0.1 F=SB*0.006 M136
N000 G180
N000 VLMON[12]=0
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
NSTP M01
<TAB>
)"},
        // The untilted plane without shifts: G138, positioning, cycle, retract and G136 only.
        DrillCase{"SlantMacTurnB0", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::MacTurn},
                  test::drillRow("6", "1", "100", "0.004", "0", "0", "0.25", "0", "3"),
                  {{"C", "0"}, {"SZ", "0"}, {"B", "0"}, {"StartX", "1.25"}, {"StartZ", "-0.5"},
                   {"StartC", "0.2"}, {"EndX", "45"}, {"EndC", "-0.8"}},
                  R"(
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
)"},
        // B 90: BT=1, X at half the approach X, the bottom as X and an I clearance.
        DrillCase{"SlantMacTurnB90", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::MacTurn, true, false, true, true},
                  test::drillRow("10", "1", "200", "0.004", "0", "0", "0.25", "0.2", "0"),
                  {{"C", "0"}, {"SZ", "0.5"}, {"B", "90"}, {"StartX", "1.5"}, {"StartZ", "0.25"},
                   {"StartC", "-1"}, {"EndX", "0"}, {"EndC", "0.8"}},
                  R"(
(-----< DRILL D0.25 >-----)
NOEX VTLIN[10]=28 VTLFN[10]=1 VTLA1[10]=118
NOEX VTLD[10]=0.25 VTLL[10]=20.25
N000 MT=1003
N000 M421
N000 G94 M110 TL=1010 BT=1
NT10 G00 C0 X200 Z50 SB=3050 M13 M63 M08
N000 G138
N000 G174 SX=0 SZ=0.5
N000 G00  X100 Y0.25 Z-1
N000 VLMON[10]=1+2+16
N000 G183 C0 X0.8 Y0.25 Z-1 I98.42 E0.2 F=SB*0.004 M136
N000 G180
N000 VLMON[10]=0
N000 G00 X100
N000 G175
N000 G136
N000 G21 HP=4 M12 M63 M09
<TAB>
)"},
        // The handler does not ask the machine type: another machine gets TL and its ending.
        DrillCase{"SlantOtherB45", ProcessMDrillSlant_Click, 19,
                  Machine{MachineKind::Other, false},
                  test::drillRow("3", "0", "100", "0.008", "0.2", "0.05", "0.5", "0", "0"),
                  {{"C", "2"}, {"SZ", "0"}, {"B", "45"}, {"StartX", "2"}, {"StartZ", "1"}, {"StartC", "0"},
                   {"EndX", "180"}, {"EndC", "-0.6"}},
                  R"(
(-----< DRILL D0.5 >-----)
N000 G94 M110 TL=0303 G52 BA=45
NT03 G00 C180 X200 Z50 SB=760 M13 M64 M09
N000     M62
N000 G138
N000 G174 SX=2 SZ=0
N000 G127 B45
N000 G00  X2 Y1 Z50
N000 G183 C180 X2 Y1 Z-0.6 K48 D0.2 L0.05 F=SB*0.008 M136
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000     X500 Z500 M12 M64
N000     M62
<TAB>
)"}),
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

TEST(DrillingDialog, FaceDrill) {
    SharedState s = drillingState();
    const test::ProcessDialogView v = dialogOf(ProcessMDrillFace_Click, s);
    EXPECT_EQ(v.caption, QStringLiteral("M-Drill Face"));
    EXPECT_EQ(v.text("LabelU"), QStringLiteral("Drill Dia"));
    EXPECT_EQ(v.text("LabelU2"), QStringLiteral("D"));
    EXPECT_EQ(v.text("LabelW"), QStringLiteral("End timer"));
    EXPECT_EQ(v.text("LabelW2"), QStringLiteral("E"));
    EXPECT_EQ(v.text("LabelC"), QStringLiteral("Hole No."));
    EXPECT_EQ(v.text("LabelC2"), QStringLiteral("Q"));
    EXPECT_EQ(v.text("LabelD"), QStringLiteral("Step"));
    EXPECT_EQ(v.text("LabelL"), QStringLiteral("Step Back"));
    EXPECT_EQ(v.text("LabelEnd"), QStringLiteral("End point"));
    EXPECT_EQ(v.text("LabelEndX"), QString());
    EXPECT_EQ(v.text("LabelEndZ"), QStringLiteral("Z"));
    EXPECT_EQ(v.text("LabelEndC"), QString());
    EXPECT_EQ(v.text("LabelAttn"), QString());
    for (const char* name : {"LabelB", "LabelB2", "B", "TipPostion", "EndX", "EndC", "LabelSZ", "SZ"})
        EXPECT_TRUE(v.isHidden(name)) << name;
    for (const char* name : {"EndZ", "U", "W", "D", "L", "C", "StartX", "StartZ", "StartC"})
        EXPECT_FALSE(v.isHidden(name)) << name;
    EXPECT_EQ(v.toolTips.value("U"), kDrillSizes);
    // The defaults of row 17; B keeps its "0".
    EXPECT_EQ(v.text("ToolNumber"), QStringLiteral("7"));
    EXPECT_EQ(v.text("U"), QStringLiteral("0.25"));
    EXPECT_EQ(v.text("C"), QStringLiteral("1"));
    EXPECT_EQ(v.text("B"), QStringLiteral("0"));
    EXPECT_TRUE(v.isChecked("SpindleCW") && v.isChecked("CoolantON"));
}

TEST(DrillingDialog, SideDrill) {
    SharedState s = drillingState();
    const test::ProcessDialogView v = dialogOf(ProcessMDrillSide_Click, s);
    EXPECT_EQ(v.caption, QStringLiteral("M-Drill Side"));
    EXPECT_EQ(v.text("LabelU"), QStringLiteral("Drill Dia"));
    EXPECT_EQ(v.text("LabelW"), QStringLiteral("End timer"));
    EXPECT_EQ(v.text("LabelC"), QStringLiteral("Hole No."));
    EXPECT_EQ(v.text("LabelC2"), QStringLiteral("Q"));
    EXPECT_EQ(v.text("LabelEndX"), QStringLiteral("X"));
    EXPECT_EQ(v.text("LabelEndZ"), QString());
    EXPECT_EQ(v.text("EndZ2"), QString());
    EXPECT_EQ(v.text("LabelEndC"), QString());
    for (const char* name : {"LabelB", "LabelB2", "B", "TipPostion", "EndZ", "EndC", "SZ"})
        EXPECT_TRUE(v.isHidden(name)) << name;
    EXPECT_FALSE(v.isHidden("EndX"));
    EXPECT_EQ(v.toolTips.value("U"), kDrillSizes);
    EXPECT_EQ(v.text("D"), QStringLiteral("0.1"));
    EXPECT_TRUE(v.isChecked("SpindleCW") && v.isChecked("CoolantOFF"));
}

TEST(DrillingDialog, TiltedPlaneDrill) {
    SharedState s = drillingState(Machine{MachineKind::Other});
    const test::ProcessDialogView v = dialogOf(ProcessMDrillSlant_Click, s);
    EXPECT_EQ(v.caption, QStringLiteral("Y/B M-Drill"));
    EXPECT_EQ(v.text("LabelU"), QStringLiteral("Drill Dia"));
    EXPECT_EQ(v.text("LabelW2"), QStringLiteral("E"));
    EXPECT_EQ(v.text("LabelC"), QStringLiteral("Zero Shift"));
    EXPECT_EQ(v.text("LabelC2"), QStringLiteral("X"));
    EXPECT_EQ(v.text("LabelCZ"), QStringLiteral("Zero Shift"));
    EXPECT_EQ(v.text("LabelSZ"), QStringLiteral("Z"));
    EXPECT_EQ(v.text("LabelAttn"), QStringLiteral("Attn.Ｘ-axis is R."));
    EXPECT_EQ(v.text("LabelStartX"), QStringLiteral("X"));
    EXPECT_EQ(v.text("LabelStartZ"), QStringLiteral("Y"));
    EXPECT_EQ(v.text("LabelStartC"), QStringLiteral("Z"));
    EXPECT_EQ(v.text("LabelEnd"), QStringLiteral("Master C"));
    EXPECT_EQ(v.text("LabelEndX"), QStringLiteral("C"));
    EXPECT_EQ(v.text("EndZ2"), QStringLiteral("End point"));
    EXPECT_EQ(v.text("LabelEndC"), QStringLiteral("Z"));
    // Shown on every machine type: the tilted plane needs them.
    for (const char* name : {"LabelB", "LabelB2", "B", "LabelSZ", "SZ", "EndX", "EndZ2", "EndC"})
        EXPECT_FALSE(v.isHidden(name)) << name;
    for (const char* name : {"TipPostion", "LabelEndZ", "EndZ"})
        EXPECT_TRUE(v.isHidden(name)) << name;
    EXPECT_EQ(v.toolTips.value("U"), kDrillSizes);
    // Nothing executed yet: B and SZ from the empty parameters, no remembered shift.
    EXPECT_EQ(v.text("B"), QStringLiteral("0"));
    EXPECT_EQ(v.text("C"), QString());
    EXPECT_EQ(v.text("SZ"), QStringLiteral("0"));
    EXPECT_EQ(v.text("ToolNumber"), QStringLiteral("12"));
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
    // A failed run leaves no shift of its own behind.
    EXPECT_FALSE(s.gLastShiftX.has_value());
}

TEST_P(DrillingFailure, NoDocumentIsReportedBeforeTheDialog) {
    SharedState s = drillingState();
    FakeProcessDialog user;
    GetParam()(s, nullptr, nullptr);
    EXPECT_EQ(user.showings, 0);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 91"));
}

TEST_P(DrillingFailure, AnEmptyCuttingRowIsATypeMismatchBeforeTheDialog) {
    SharedState s = test::stateFor(Machine{MachineKind::MacTurn});
    Document doc(QStringLiteral("text"), 0);
    FakeProcessDialog user;
    GetParam()(s, &doc.box, nullptr);
    EXPECT_EQ(user.showings, 0);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 13"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
}

TEST_P(DrillingFailure, CancelChangesNothing) {
    SharedState s = drillingState();
    s.gOutputText = QStringLiteral("before");
    s.gSpindleSpeed = 123;
    Document doc(QStringLiteral("text"), 0);
    FakeProcessDialog user;
    user.type("C", "5").leaveBy(FakeProcessDialog::Leave::Cancel);
    GetParam()(s, &doc.box, nullptr);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
    EXPECT_EQ(s.gOutputText, QStringLiteral("before"));
    EXPECT_EQ(s.gSpindleSpeed, 123);
    EXPECT_FALSE(s.gLastShiftX.has_value());
}

INSTANTIATE_TEST_SUITE_P(Commands, DrillingFailure,
                         ::testing::Values(ProcessMDrillFace_Click, ProcessMDrillSide_Click, ProcessMDrillSlant_Click));

}  // namespace

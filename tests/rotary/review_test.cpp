#include <gtest/gtest.h>

#include <QList>
#include <QPair>

#include "support/documents.h"
#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "rotary/drilling.h"
#include "rotary_fixture.h"

// Drilling blocks worked out by hand for the combinations the other drilling tests leave
// out: an H1 turret, a negative and a tilting B without a zero shift, B 90 on another
// machine with tool life, a step back without step or dwell, the first hole count above
// one, and the M62 line on MULTUS and on the side drill of MacTurn.

using namespace quillmar;
using test::block;
using test::Document;
using test::FakeProcessDialog;
using test::Machine;

namespace {

using test::Command;


struct ReviewCase {
    const char* name;
    Command command;
    int row;
    Machine machine;
    QStringList fields;
    QList<QPair<const char*, QString>> typed;
    const char* expected;
};

void PrintTo(const ReviewCase& c, std::ostream* os) { *os << c.name; }

class DrillingReview : public ::testing::TestWithParam<ReviewCase> {};

TEST_P(DrillingReview, WholeBlock) {
    const ReviewCase& c = GetParam();
    SharedState s = test::stateFor(c.machine);
    test::fillRow(s, c.row, c.fields);
    Document doc;
    FakeProcessDialog user;
    for (const auto& [box, text] : c.typed)
        user.type(box, text);

    c.command(s, &doc.box, nullptr);

    const QString expected = block(c.expected);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(s.gOutputText.toStdString(), expected.toStdString());
    EXPECT_EQ(doc.box.Text(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DrillingReview,
    ::testing::Values(
        // B 60 without a zero shift: G127 and G126 but neither G174 nor G175. MacTurn on an
        // H1 turret asks for the tool with "01"; without OSP-U100 one M62 line only.
        ReviewCase{"SlantMacTurnB60H1", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::MacTurn, false, false, false, false, false, 1},
                   test::drillRow("8", "1", "100", "0.005", "0", "0", "0.25", "0", "5"),
                   {{"C", "0"}, {"SZ", "0"}, {"B", "60"}, {"StartX", "0.75"}, {"StartZ", "-0.25"},
                    {"StartC", "0.1"}, {"EndX", "270"}, {"EndC", "-0.4"}},
                   R"(
(-----< DRILL D0.25 >-----)
N000 MT=801
N000 M421
N000 G94 M110 TL=0808 G52 BA=60
NT08 G00 C270 X200 Z50 SB=1520 M13 M64 M08
N000     M62
N000 G138
N000 G127 B60
N000 G00  X0.75 Y-0.25 Z50
N000 G181 C270 X0.75 Y-0.25 Z-0.4 K47.9 F=SB*0.005 M136
N000 G180
N000 G00 Z50
N000 G126
N000 G136
N000 G21 HP=4 M12 M63 M09
<TAB>
)"},
        // B 90 on another machine with tool life and tool-shape data: TG word and BT=1,
        // positioning and retract at half the approach X, the bottom as X with an I
        // clearance; a step back alone keeps G181 and still writes its L word.
        ReviewCase{"SlantOtherB90ToolLife", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::Other, true, true, true, false, true},
                   test::drillRow("15", "0", "120", "0.003", "0", "0.1", "0.125", "0", "0"),
                   {{"C", "1.25"}, {"SZ", "0"}, {"B", "90"}, {"StartX", "2"}, {"StartZ", "0.5"},
                    {"StartC", "0.3"}, {"EndX", "0"}, {"EndC", "1.2"}},
                   R"(
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
)"},
        // A negative B with only a zero shift Z; a dwell alone selects G183; the hole top Z
        // below zero widens the K clearance.
        ReviewCase{"SlantMultusNegativeB", ProcessMDrillSlant_Click, 19,
                   Machine{MachineKind::Multus},
                   test::drillRow("20", "0", "80", "0.004", "0", "0", "0.5", "1", "0"),
                   {{"C", "0"}, {"SZ", "-0.5"}, {"B", "-30"}, {"StartX", "0.6"}, {"StartZ", "0"},
                    {"StartC", "-0.2"}, {"EndX", "45.5"}, {"EndC", "-1.1"}},
                   R"(
(-----< DRILL D0.5 >-----)
N000 MT=2003
N000 M421
N000 G94 M110 TL=2020 G52 BA=-30
NT20 G00 C45.5 X200 Z50 SB=610 M13 M63 M09
N000 G138
N000 G174 SX=0 SZ=-0.5
N000 G127 B-30
N000 G00  X0.6 Y0 Z50
N000 G183 C45.5 X0.6 Y0 Z-1.1 K48.2 E1 F=SB*0.004 M136
N000 G180
N000 G00 Z50
N000 G175
N000 G126
N000 G136
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
<TAB>
)"},
        // The side drill of MacTurn without OSP-U100: one M62 line after the approach; a
        // hole count just above one is written; M136 follows the Q word.
        ReviewCase{"SideMacTurnNoOsp", ProcessMDrillSide_Click, 18,
                   Machine{MachineKind::MacTurn, false},
                   test::drillRow("3", "1", "90", "0.002", "0.05", "0", "0.1", "0", "1.001"),
                   {{"StartX", "1.5"}, {"StartZ", "-0.3"}, {"StartC", "120"}, {"EndX", "0.9"}},
                   R"(
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
)"},
        // The face drill on MULTUS without OSP-U100, with tool-shape data and the load
        // monitor: one M62 line, no return to the approach X.
        ReviewCase{"FaceMultusNoOsp", ProcessMDrillFace_Click, 17,
                   Machine{MachineKind::Multus, false, false, true, true},
                   test::drillRow("11", "1", "250", "0.005", "0.1", "0.02", "0.375", "0", "3"),
                   {{"StartX", "2.5"}, {"StartZ", "0.05"}, {"StartC", "270"}, {"EndZ", "-0.875"}},
                   R"(
(-----< FACE DRILL D0.375 >-----)
NOEX VTLIN[11]=28 VTLFN[11]=1 VTLA1[11]=118
NOEX VTLD[11]=0.375 VTLL[11]=20.925
N000 MT=1103
N000 M421
N000 G94 M110 TL=1111
NT11 G00 X200 Z50 SB=2540 M13 M64 M08
N000     M62
N000 VLMON[11]=2+16
N000 G183 C270 X2.5 Z-0.875 K49.87 D0.1 L0.02 F=SB*0.005 Q3
N000 G180
N000 VLMON[11]=0
N000 G00 Z50
N000 G20 HP=4 M867 M12 M63 M09
N000 M866
<TAB>
)"}),
    [](const ::testing::TestParamInfo<ReviewCase>& info) { return std::string(info.param.name); });

// A B that the block writes as 90 is 90 for every line that depends on it, and one a
// hair below zero is cut to a tilt of -0.001.
TEST(DrillingReviewB, ConditionsFollowTheWrittenAngle) {
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

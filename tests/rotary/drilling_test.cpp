#include <gtest/gtest.h>

#include "rotary/drilling.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

const char* const kFaceMacTurn = R"(
(-----< FACE DRILL D0.25 >-----)
NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118
NOEX VTLD[7]=0.25 VTLL[7]=2
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

const char* const kSlantMultusB30 = R"(
(-----< DRILL D0.3125 >-----)
NOEX VGRIN[12]=28 VGRFN[12]=1 VGRA1[12]=118
NOEX VGRD[12]=0.3125 VGRL[12]=1.3
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
)";

const Family kFaceFamily{drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "1"),
                               {{"StartX", "0"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-1.2"}},
                               block(kFaceMacTurn)};
const std::vector<Edit> kSideEdits = {
    {"(-----< FACE DRILL D0.25 >-----)", "(-----< SIDE DRILL D0.1875 >-----)"},
    {"NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118", "NOEX VTLIN[7]=27 VTLFN[7]=1 VTLA1[7]=118"},
    {"NOEX VTLD[7]=0.25 VTLL[7]=2", "NOEX VTLD[7]=0.1875 VTLL[7]=1.2"},
    {"N000 G94 M110 TL=0707", "N000 G94 M110 TL=0707 BT=1 M66"},
    {"N000 G181 C0 X0 Z-1.2 K49.92 F=SB*0.004", "N000 G181 C90 X1.2 Z-0.5 I197.84 F=SB*0.002 M136"},
    {"N000 G00 Z50", "N000 G00 X200"}, {"N000     X200", ""},
};
const Family kSideFamily{drillRow("7", "1", "150", "0.002", "0", "0", "0.1875", "0", "1"),
                               {{"StartX", "2"}, {"StartZ", "-0.5"}, {"StartC", "90"}, {"EndX", "1.2"}},
                               edited(kFaceFamily.base, kSideEdits)};

// Cases with a cutting-condition row and typing of their own.
const Family kOtherAllWords{drillRow("3", "0", "120", "0.003", "0.1", "0.02", "0.2", "0.5", "4"),
                            {{"StartX", "1.5"}, {"StartZ", "0.1"}, {"StartC", "45"}, {"EndZ", "-0.75"}},
                            block(kFaceOtherAllWords)};
const Family kSlantFamily{drillRow("12", "0", "150", "0.006", "0.1", "0", "0.3125", "0", "9"),
                          {{"C", "1.5"}, {"SZ", "0.25"}, {"B", "30"}, {"StartX", "1"}, {"StartZ", "0.5"},
                           {"StartC", "0.5"}, {"EndX", "90"}, {"EndC", "-0.5"}},
                          block(kSlantMultusB30)};

INSTANTIATE_TEST_SUITE_P(
    Drilling, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"FaceMacTurn", &kFaceFamily, faceDrillGenerator, kMacTurnShape, {}, {}},
        // Step, step back and dwell; four holes; the load monitor and the optional stop;
        // without OSP-U100 the M62 lines follow the approach and the home point.
        RotaryCase{"FaceOtherAllWords", &kOtherAllWords, faceDrillGenerator,
                   Machine{.kind = MachineKind::Other, .ospU100 = false, .loadMonitor = true, .optionalStop = true},
                   {}, {}},
        // A negative step selects G183 without a D word; a count that writes as 1 has no Q;
        // on MacTurn without OSP-U100 the only M62 line follows the approach.
        RotaryCase{"FaceMacTurnNoOsp", &kFaceFamily, faceDrillGenerator,
                   Machine{.kind = MachineKind::MacTurn, .ospU100 = false, .loadMonitor = true},
                   {{"D", "-0.1"}, {"L", "0.05"}, {"C", "1.00004"}, {"StartX", "0.5"}, {"EndZ", "-1"}},
                   {{"NOEX VTLD[7]=0.25 VTLL[7]=2", ""}, {"NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118", ""},
                    {"N000 G181 C0 X0 Z-1.2 K49.92 F=SB*0.004", ""},
                    {"NT07 G00 X200 Z50 SB=3050 M13 M63 M08", "NT07 G00 X200 Z50 SB=3050 M13 M64 M08\nN000     M62\n"
                     "N000 VLMON[7]=2+16\nN000 G183 C0 X0.5 Z-1 K49.92 L0.05 F=SB*0.004"},
                    {"+N000 G180", "N000 VLMON[7]=0"}}},
        // The hole's C position is degrees, kept to the thousandth.
        RotaryCase{"FaceAngleToTheThousandth", &kFaceFamily, faceDrillGenerator, kMacTurnShape, {{"StartC", "45.6789"}},
                   {{"N000 G181 C0 X0 Z-1.2 K49.92 F=SB*0.004", "N000 G181 C45.678 X0 Z-1.2 K49.92 F=SB*0.004"}}},
        // A fractional diameter keeps its ten-thousandth.
        RotaryCase{"SideMacTurn", &kSideFamily, sideDrillGenerator, kMacTurnShape, {}, {}},
        // The side drill's load monitor; a dwell alone selects G183.
        RotaryCase{"SideMacTurnLoadMonitor", &kSideFamily, sideDrillGenerator,
                   Machine{.kind = MachineKind::MacTurn, .toolShape = true, .loadMonitor = true}, {{"W", "0.3"}},
                   {{"N000 G181 C90 X1.2 Z-0.5 I197.84 F=SB*0.002 M136",
                     "N000 VLMON[7]=1+16\nN000 G183 C90 X1.2 Z-0.5 I197.84 E0.3 F=SB*0.002 M136"},
                    {"+N000 G180", "N000 VLMON[7]=0"}}},
        // The clearance reads the approach point as entered, while the retract writes it cut:
        // from the cut 50 the side drill would give I47.0754.
        RotaryCase{"SideEnteredApproach", &kSideFamily, sideDrillGenerator,
                   Machine{.kind = MachineKind::MacTurn, .toolShape = true, .approachX = 50.00009},
                   {{"StartX", "2.76455"}},
                   {{"NOEX VTLD[7]=0.1875 VTLL[7]=1.2", "NOEX VTLD[7]=0.1875 VTLL[7]=1.5822"},
                    {"NT07 G00 X200 Z50 SB=3050 M13 M63 M08", "NT07 G00 X50 Z50 SB=3050 M13 M63 M08"},
                    {"N000 G181 C90 X1.2 Z-0.5 I197.84 F=SB*0.002 M136",
                     "N000 G181 C90 X1.2 Z-0.5 I47.0755 F=SB*0.002 M136"},
                    {"N000 G00 X200", "N000 G00 X50"}}},
        // Everything on: zero shift, B 30, the load monitor and the optional stop.
        RotaryCase{"SlantMultusB30", &kSlantFamily, slantDrillGenerator,
                   Machine{.kind = MachineKind::Multus, .ospU100 = false, .toolLife = true, .toolShape = true,
                           .loadMonitor = true, .optionalStop = true},
                   {}, {}}),
    blockName);

// The tilted plane offers what the last executed run left: B as its block cut it, the
// shift as typed; a failed run leaves nothing of its own, and a face cycle resets B and SZ.
TEST(DrillingDialog, TheTiltedPlaneOffersTheLastExecutedValues) {
    SharedState s = stateFor(Machine{MachineKind::MacTurn});
    fillRotaryRows(s, drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "1"));
    Document doc;
    FakeProcessDialog user;
    auto run = [&](Generator generator, const Typing& typing) {
        user.clearScript();
        enter(user, typing);
        runProcessGenerator(generator(), s, &doc.box, nullptr);
    };
    auto offered = [&] {
        user.clearScript();
        user.leaveBy(FakeProcessDialog::Leave::Cancel);
        runProcessGenerator(slantDrillGenerator(), s, &doc.box, nullptr);
        const auto& v = user.seen;
        return v.text("B") + QLatin1Char('|') + v.text("C") + QLatin1Char('|') + v.text("SZ");
    };
    EXPECT_EQ(offered(), QStringLiteral("0||0"));
    run(slantDrillGenerator, {{"B", "30.12345"}, {"C", "1.23456"}, {"SZ", "0.25"}});
    ASSERT_TRUE(user.messages.empty());
    EXPECT_TRUE(s.gOutputText.contains(QStringLiteral(" G52 BA=30.123\r\n")));
    EXPECT_TRUE(s.gOutputText.contains(QStringLiteral("N000 G174 SX=1.2345 SZ=0.25\r\n")));
    EXPECT_EQ(offered(), QStringLiteral("30.123|1.23456|0.25"));
    run(slantDrillGenerator, {{"U", "0"}, {"B", "60"}, {"C", "9"}, {"SZ", "1"}});
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 11"));
    EXPECT_EQ(offered(), QStringLiteral("30.123|1.23456|0.25"));
    run(faceDrillGenerator, {});
    EXPECT_EQ(offered(), QStringLiteral("0|1.23456|0"));
}

// A B that the block writes as 90 is 90 for every line that depends on it, and one a
// hair below zero is cut to a tilt of -0.001.
TEST(DrillingB, ConditionsFollowTheWrittenAngle) {
    struct Row { const char *b, *toolCall; bool g127; const char *positioning, *retract; } rows[] = {
        {"90.0004", "N000 G94 M110 TL=0707 BT=1", false, "N000 G00  X100 Y0 Z0", "N000 G00 X100"},
        {"0.0009", "N000 G94 M110 TL=0707", false, "N000 G00  X1 Y0 Z50", "N000 G00 Z50"},
        {"-0.0004", "N000 G94 M110 TL=0707 G52 BA=-0.001", true, "N000 G00  X1 Y0 Z50", "N000 G00 Z50"},
    };
    for (const Row& r : rows) {
        // The tilted plane does not ask the machine type: another machine writes TL too.
        SharedState s = stateFor(Machine{MachineKind::Other});
        fillRow(s, 19, drillRow("7", "1", "200", "0.004", "0", "0", "0.25", "0", "0"));
        Document doc;
        FakeProcessDialog user;
        enter(user, {{"B", r.b}, {"C", "0"}, {"SZ", "0"}, {"StartX", "1"}});
        runProcessGenerator(slantDrillGenerator(), s, &doc.box, nullptr);
        const QStringList lines = s.gOutputText.split(QStringLiteral("\r\n"));
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.toolCall))) << r.b;
        EXPECT_EQ(lines.contains(QStringLiteral("N000 G127 B-0.001")), r.g127) << r.b;
        EXPECT_EQ(lines.contains(QStringLiteral("N000 G126")), r.g127) << r.b;
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.positioning))) << r.b;
        EXPECT_TRUE(lines.contains(QString::fromLatin1(r.retract))) << r.b;
    }
}

}  // namespace

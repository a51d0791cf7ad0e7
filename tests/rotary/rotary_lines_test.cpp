#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "common/format.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "app/menu_table.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_commands.h"
#include "rotary/rotary_lines.h"
#include "rotary/rotary_protocol.h"
#include "rotary_fixture.h"

using namespace quillmar;
using test::Machine;

namespace {

// Lines as a block holds them: each ends with CR LF.
QString lines(std::initializer_list<const char*> list) {
    QString text;
    for (const char* line : list)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

// What a builder appends to an empty block.
QString written(SharedState& s, const std::function<void(RotaryText&)>& build) {
    s.gOutputText.clear();
    RotaryText text(s);
    build(text);
    return s.gOutputText;
}

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// --- the spindle speed -------------------------------------------------------------------

TEST(RotarySpindleSpeed, DividesByTheInchDiameterBeforeConvertingIt) {
    struct Case {
        double v, u, speed;
    } cases[] = {
        {200, 0.25, 3050},
        {150, 0.3125, 1830},
        {100, 0.5, 760},
        {0, 0.25, 0},
        // Here the turning cycles' order (the diameter in millimetres first) gives 1250.
        {81.7499, 0.25, 1240},
        {43.8179464, 0.25, 670},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rotarySpindleSpeed(c.v, c.u), c.speed) << c.v << " " << c.u;
    EXPECT_EQ(spindleSpeed(81.7499, 0.25 * 25.4), 1250);
    EXPECT_EQ(spindleSpeed(43.8179464, 0.25 * 25.4), 660);
}

TEST(RotarySpindleSpeed, ArithmeticFaultsCarryTheirNumbers) {
    EXPECT_EQ(errorOf([] { rotarySpindleSpeed(200, 0); }), kErrDivisionByZero);
    EXPECT_EQ(errorOf([] { rotarySpindleSpeed(0, 0); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { rotarySpindleSpeed(1e306, 0.25); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { rotarySpindleSpeed(200, 1e-310); }), kErrOverflow);
}

// --- the handler table and the protocol --------------------------------------------------

TEST(RotaryProtocol, TheTiltedPlanePrefillIsThePlainNumberText) {
    SharedState s;
    auto texts = [&s] {
        QStringList list;
        for (const ControlText& c : tiltedPlanePrefill(s))
            list << c.control + QLatin1Char('=') + c.text;
        return list;
    };
    EXPECT_EQ(texts(), QStringList({"B=0", "C=", "SZ=0"}));
    s.params.gParamB = 30.5;
    s.params.gParamSZ = -0.25;
    s.gLastShiftX = Single(1.114f);
    EXPECT_EQ(texts(), QStringList({"B=30.5", "C=1.114", "SZ=-0.25"}));
    s.gLastShiftX = Single(0.0f);
    EXPECT_EQ(texts(), QStringList({"B=30.5", "C=0", "SZ=-0.25"}));
}

TEST(RotaryProtocol, ATiltedGeneratorRemembersItsShiftBeforeTheSpeed) {
    for (const char* menu : {"ProcessMDrillFace", "ProcessMDrillSlant"}) {
        const RotaryCommand& command = rotaryCommand(menu);
        int blocks = 0;
        const ProcessGenerator g = rotaryGenerator(command, rotaryDialog(command), [&blocks](RotaryText&) { ++blocks; });
        EXPECT_EQ(static_cast<bool>(g.prefill), command.plane == RotaryPlane::Tilted);

        SharedState s;
        s.params.gParamC = Single(2.5f);
        s.params.gParamV = 200;
        s.params.gParamU = 0;
        s.gSpindleSpeed = 40;
        EXPECT_EQ(errorOf([&] { g.build(s); }), kErrDivisionByZero) << menu;
        EXPECT_EQ(blocks, 0);
        EXPECT_EQ(s.gSpindleSpeed, 40);
        EXPECT_EQ(s.gLastShiftX.has_value(), command.plane == RotaryPlane::Tilted) << menu;

        s.params.gParamU = 0.25;
        g.build(s);
        EXPECT_EQ(blocks, 1);
        EXPECT_EQ(s.gSpindleSpeed, 3050);
    }
}

// --- values as written -------------------------------------------------------------------

TEST(RotaryLines, AWordIsWrittenWhenItsWrittenValueIsAboveTheThreshold) {
    struct Case {
        double value;
        double threshold;
        const char* word;
        double after;  // the variable: cut when written, untouched otherwise
    } cases[] = {
        {0.1, 0, " D0.1", 0.1},     {0, 0, "", 0},          {-0.1, 0, "", -0.1},
        {0.0004, 0, "", 0.0004},    {0.0016, 0, " D0.001", 0.001},
        {1, 1, "", 1},              {1.0004, 1, "", 1.0004}, {2, 1, " D2", 2},
        {-1e300, 0, "", -1e300},
    };
    for (const Case& c : cases) {
        double v = c.value;
        EXPECT_EQ(wordIfAbove(" D", v, c.threshold), QString::fromLatin1(c.word)) << c.value;
        EXPECT_EQ(v, c.after) << c.value;
    }
    Single q(4.0f);
    EXPECT_EQ(wordIfAbove(" Q", q, 1), QStringLiteral(" Q4"));
    Single one(1.0f);
    EXPECT_EQ(wordIfAbove(" Q", one, 1), QString());
}

TEST(RotaryLines, TheApproachPointIsWrittenCutAndReadAsEntered) {
    SharedState s = test::stateFor(Machine{MachineKind::MacTurn});
    s.profile.gApproachX = 200.0009;
    s.profile.gApproachZ = 50.0009;
    s.params.gParamB = 90;
    const QString text = written(s, [](RotaryText& t) {
        appendRotaryApproach(t, QString(), ApproachEnd::SpindleOn);
        appendTiltedPositioning(t);
        appendRotaryRetract(t, RotaryPlane::Side);
        t.add({"K", FormatCoordValue(t.appZ - 0.08)});
    });
    EXPECT_EQ(text, lines({"NT00 G00 X200 Z50 SB=0 M13 M63", "N000 G00  X100 Y0 Z0", "N000 G00 X200", "K49.92"}));
    EXPECT_EQ(written(s, [](RotaryText& t) { t.add({"K", FormatCoordValue(t.appZ - 0.0791)}); }),
              lines({"K49.921"}));
    EXPECT_EQ(s.profile.gApproachX, 200.0009);
    EXPECT_EQ(s.profile.gApproachZ, 50.0009);
}

// --- tool data, tool call ----------------------------------------------------------------

TEST(RotaryLines, ToolData) {
    struct Case {
        const char* kind;
        bool pointAngle;
        ToolLength length;
        bool toolLife;
        const char* first;
        const char* second;
    } cases[] = {
        {"28", true, ToolLength::AlongZ, false, "NOEX VTLIN[7]=28 VTLFN[7]=1 VTLA1[7]=118",
         "NOEX VTLD[7]=0.312 VTLL[7]=22.5"},
        {"28", true, ToolLength::AlongZ, true, "NOEX VGRIN[7]=28 VGRFN[7]=1 VGRA1[7]=118",
         "NOEX VGRD[7]=0.312 VGRL[7]=22.5"},
        {"27", true, ToolLength::AlongX, false, "NOEX VTLIN[7]=27 VTLFN[7]=1 VTLA1[7]=118",
         "NOEX VTLD[7]=0.312 VTLL[7]=1.55"},
        {"32", false, ToolLength::AlongZ, false, "NOEX VTLIN[7]=32 VTLFN[7]=1", "NOEX VTLD[7]=0.312 VTLL[7]=22.5"},
        {"31", false, ToolLength::AlongX, true, "NOEX VGRIN[7]=31 VGRFN[7]=1", "NOEX VGRD[7]=0.312 VGRL[7]=1.55"},
        {"30.2", false, ToolLength::AlongX, false, "NOEX VTLIN[7]=30.2 VTLFN[7]=1",
         "NOEX VTLD[7]=0.312 VTLL[7]=1.55"},
    };
    for (const Case& c : cases) {
        for (bool shape : {true, false}) {
            Machine m{MachineKind::Multus};
            m.toolLife = c.toolLife;
            m.toolShape = shape;
            SharedState s = test::stateFor(m);
            ProcessParameters& p = s.params;
            p.gToolNo = 7;
            p.gParamU = 0.3125;
            p.gStartZ = 0.5;
            p.gEndZ = -2;
            p.gStartX = 3;
            p.gEndX = 1.5;
            const QString text =
                written(s, [&c](RotaryText& t) { appendRotaryToolData(t, c.kind, c.pointAngle, c.length); });
            EXPECT_EQ(text, shape ? lines({c.first, c.second}) : QString()) << c.kind << c.toolLife;
            EXPECT_EQ(p.gParamU, shape ? 0.312 : 0.3125);
        }
    }
}

TEST(RotaryLines, ToolWords) {
    struct Case {
        MachineKind machine;
        bool toolLife;
        int repeats;
        const char* tilted;
    } cases[] = {
        {MachineKind::MacTurn, false, 2, " TL=0707"},    {MachineKind::Other, false, 2, " TL=0707"},
        {MachineKind::Other, false, 3, " TL=070707"},    {MachineKind::Multus, true, 2, " TG=7 OG=1"},
        {MachineKind::Other, true, 3, " TG=7 OG=1"},
    };
    for (const Case& c : cases) {
        Machine m{c.machine};
        m.toolLife = c.toolLife;
        SharedState s = test::stateFor(m);
        s.params.gToolNo = 7;
        RotaryText t(s);
        EXPECT_EQ(tiltedToolWord(t, c.repeats), QString::fromLatin1(c.tilted));
    }
}

TEST(RotaryLines, SidePlaneWordsByMachineType) {
    struct Case {
        MachineKind machine;
        bool bothFlags;
        const char* words;
    } cases[] = {
        {MachineKind::MacTurn, false, " BT=1 M66"},
        {MachineKind::Multus, false, " BT=1"},
        {MachineKind::Other, false, ""},
        // Both flags set is MacTurn, and only MacTurn's words are written.
        {MachineKind::MacTurn, true, " BT=1 M66"},
    };
    for (const Case& c : cases) {
        SharedState s = test::stateFor(Machine{c.machine});
        if (c.bothFlags)
            s.profile.gMultus = true;
        RotaryText t(s);
        EXPECT_EQ(machinePlaneWords(t, QStringLiteral(" BT=1")), QString::fromLatin1(c.words));
    }
}

TEST(RotaryLines, TiltedPlaneWordsFollowTheWrittenB) {
    struct Case {
        double b;
        const char* words;
        double after;
    } cases[] = {
        // The turning cycles' rule, with B cut in place as the words wrote it.
        {0.0004, "", 0},
        {90.0004, " BT=1", 90},
        {12.3456, " G52 BA=12.345", 12.345},
    };
    for (const Case& c : cases) {
        SharedState s = test::stateFor(Machine{MachineKind::Other});
        s.params.gParamB = c.b;
        RotaryText t(s);
        EXPECT_EQ(tiltedPlaneWords(t), QString::fromLatin1(c.words)) << c.b;
        EXPECT_EQ(s.params.gParamB, c.after) << c.b;
    }
}

// --- approach ----------------------------------------------------------------------------

TEST(RotaryLines, ApproachLines) {
    struct Case {
        ApproachEnd end;
        bool osp;
        bool masterC;
        QString expected;
    } cases[] = {
        {ApproachEnd::SpindleOn, true, false, lines({"NT07 G00 X200 Z50 SB=3050 M13 M63 M08"})},
        {ApproachEnd::SpindleOn, false, false, lines({"NT07 G00 X200 Z50 SB=3050 M13 M64 M08", "N000     M62"})},
        {ApproachEnd::SpindleOn, false, true, lines({"NT07 G00 C90.5 X200 Z50 SB=3050 M13 M64 M08", "N000     M62"})},
        {ApproachEnd::SpindleOnM62Later, false, false, lines({"NT07 G00 X200 Z50 SB=3050 M13 M64 M08"})},
        {ApproachEnd::SpindleOnM62Later, true, true, lines({"NT07 G00 C90.5 X200 Z50 SB=3050 M13 M63 M08"})},
        {ApproachEnd::CoolantOnly, false, false, lines({"NT07 G00 X200 Z50 SB=3050 M08"})},
        {ApproachEnd::CoolantOnly, true, true, lines({"NT07 G00 C90.5 X200 Z50 SB=3050 M08"})},
    };
    for (const Case& c : cases) {
        Machine m{MachineKind::MacTurn};
        m.ospU100 = c.osp;
        SharedState s = test::stateFor(m);
        s.params.gToolNo = 7.6;
        s.params.gEndX = 90.5;
        s.params.gCoolantCode = QStringLiteral(" M08");
        s.gSpindleSpeed = 3050;
        const QString text = written(s, [&c](RotaryText& t) {
            appendRotaryApproach(t, c.masterC ? FormatCoord(t.p.gEndX) : QString(), c.end);
        });
        EXPECT_EQ(text, c.expected) << int(c.end) << c.osp << c.masterC;
        EXPECT_EQ(s.params.gToolNo, 7);
    }
}

// --- the tilted plane --------------------------------------------------------------------

struct TiltedCase {
    const char* name;
    double b;
    float c;
    double sz;
    QString setUp;      // set-up and positioning
    QString afterCycle; // retract and reset
};

class TiltedPlaneLines : public ::testing::TestWithParam<TiltedCase> {};

TEST_P(TiltedPlaneLines, SetUpPositionRetractAndReset) {
    const TiltedCase& c = GetParam();
    SharedState s = test::stateFor(Machine{MachineKind::Multus});
    ProcessParameters& p = s.params;
    p.gParamB = c.b;
    p.gParamC = Single(c.c);
    p.gParamSZ = c.sz;
    p.gStartX = 1.25;
    p.gStartZ = -0.5;
    p.gStartC = Single(0.75f);
    const QString text = written(s, [](RotaryText& t) {
        appendTiltedPlaneSetUp(t);
        appendTiltedPositioning(t);
        t.add("CYCLE");
        appendRotaryRetract(t, RotaryPlane::Tilted);
        appendTiltedPlaneReset(t);
    });
    EXPECT_EQ(text, c.setUp + lines({"CYCLE"}) + c.afterCycle);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TiltedPlaneLines,
    ::testing::Values(
        TiltedCase{"Untilted", 0, 0, 0, lines({"N000 G138", "N000 G00  X1.25 Y-0.5 Z50"}),
                   lines({"N000 G00 Z50", "N000 G136"})},
        TiltedCase{"B30Shifted", 30, 1.5f, 0.25,
                   lines({"N000 G138", "N000 G174 SX=1.5 SZ=0.25", "N000 G127 B30", "N000 G00  X1.25 Y-0.5 Z50"}),
                   lines({"N000 G00 Z50", "N000 G175", "N000 G126", "N000 G136"})},
        TiltedCase{"B90ShiftZOnly", 90, 0, -0.25,
                   lines({"N000 G138", "N000 G174 SX=0 SZ=-0.25", "N000 G00  X100 Y-0.5 Z0.75"}),
                   lines({"N000 G00 X100", "N000 G175", "N000 G136"})},
        TiltedCase{"ShiftXOnly", -45, 2, 0,
                   lines({"N000 G138", "N000 G174 SX=2 SZ=0", "N000 G127 B-45", "N000 G00  X1.25 Y-0.5 Z50"}),
                   lines({"N000 G00 Z50", "N000 G175", "N000 G126", "N000 G136"})},
        // Values that write as 0 and 90 count as 0 and 90.
        TiltedCase{"WrittenValuesDecide", 90.0004, 0.0004f, 0.0009,
                   lines({"N000 G138", "N000 G00  X100 Y-0.5 Z0.75"}), lines({"N000 G00 X100", "N000 G136"})}),
    [](const ::testing::TestParamInfo<TiltedCase>& info) { return std::string(info.param.name); });

TEST(RotaryLines, RetractOnTheFaceAndTheSide) {
    SharedState s = test::stateFor(Machine{MachineKind::MacTurn});
    s.params.gParamB = 90;  // read only in the tilted plane
    EXPECT_EQ(written(s, [](RotaryText& t) { appendRotaryRetract(t, RotaryPlane::Face); }), lines({"N000 G00 Z50"}));
    EXPECT_EQ(written(s, [](RotaryText& t) { appendRotaryRetract(t, RotaryPlane::Side); }), lines({"N000 G00 X200"}));
}

// --- endings -----------------------------------------------------------------------------

struct EndingCase {
    MachineKind machine;
    bool osp;
    RotaryEnding ending;
    bool returnX;
    QString expected;
};

class RotaryEndings : public ::testing::TestWithParam<EndingCase> {};

TEST_P(RotaryEndings, ByMachineType) {
    const EndingCase& c = GetParam();
    Machine m{c.machine};
    m.ospU100 = c.osp;
    SharedState s = test::stateFor(m);
    EXPECT_EQ(written(s, [&c](RotaryText& t) { appendRotaryEnding(t, c.ending, c.returnX); }), c.expected);
}

const QString kMacTurnEnd = lines({"N000 G21 HP=4 M12 M63 M09"});
const QString kMultusEnd = lines({"N000 G20 HP=4 M867 M12 M63 M09", "N000 M866"});

INSTANTIATE_TEST_SUITE_P(
    Table, RotaryEndings,
    ::testing::Values(
        EndingCase{MachineKind::MacTurn, true, RotaryEnding::SpindleStop, true,
                   lines({"N000     X200"}) + kMacTurnEnd},
        EndingCase{MachineKind::MacTurn, false, RotaryEnding::SpindleStop, false, kMacTurnEnd},
        EndingCase{MachineKind::Multus, false, RotaryEnding::SpindleStop, true, kMultusEnd},
        EndingCase{MachineKind::Other, true, RotaryEnding::SpindleStop, true, lines({"N000     X500 Z500 M12 M63"})},
        EndingCase{MachineKind::Other, false, RotaryEnding::SpindleStop, false,
                   lines({"N000     X500 Z500 M12 M64", "N000     M62"})},
        EndingCase{MachineKind::MacTurn, true, RotaryEnding::Tap, true, lines({"N000     X200"}) + kMacTurnEnd},
        EndingCase{MachineKind::MacTurn, false, RotaryEnding::Tap, false, kMacTurnEnd},
        EndingCase{MachineKind::Multus, true, RotaryEnding::Tap, true, kMultusEnd},
        EndingCase{MachineKind::Other, false, RotaryEnding::Tap, true, lines({"N000     X500 Z500"})},
        EndingCase{MachineKind::MacTurn, false, RotaryEnding::TiltedTap, true, lines({"N000 G21 HP=4 M09"})},
        EndingCase{MachineKind::Multus, false, RotaryEnding::TiltedTap, false,
                   lines({"N000 G20 HP=4 M867 M09", "N000 M866"})},
        EndingCase{MachineKind::Other, false, RotaryEnding::TiltedTap, false, lines({"N000     X500 Z500"})}));

TEST(RotaryLines, TheHomePointIsWrittenCut) {
    SharedState s = test::stateFor(Machine{MachineKind::Other});
    s.profile.gHomeX = 450.1239;
    s.profile.gHomeZ = -0.0005;
    EXPECT_EQ(written(s, [](RotaryText& t) { appendRotaryEnding(t, RotaryEnding::Tap, false); }),
              lines({"N000     X450.123 Z-0.001"}));
    EXPECT_EQ(s.profile.gHomeX, 450.1239);
}

TEST(RotaryLines, ClosingLines) {
    for (bool stop : {false, true}) {
        Machine m{MachineKind::Other};
        m.optionalStop = stop;
        SharedState s = test::stateFor(m);
        EXPECT_EQ(written(s, [](RotaryText& t) { appendRotaryClosing(t); }),
                  stop ? QStringLiteral("NSTP M01\r\n\t\r\n") : QStringLiteral("\t\r\n"));
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/documents.h"
#include "common/shared_state.h"
#include "cycles/program_frame.h"
#include "cycles/user_graphic.h"
#include "fake_ugc_dialog.h"
#include "platform/rich_text_box.h"

using namespace quillmar;
using test::crlf;
using test::FakeUgcDialog;

namespace {


struct Flags {
    MachineKind machine = MachineKind::Other;
    bool bTurret = false;
    bool everyOption = false;  // door, panel check, load monitor, measuring, tool life
};

SharedState stateFor(const Flags& f) {
    SharedState s;
    s.profile.gMacTurn = f.machine == MachineKind::MacTurn;
    s.profile.gMultus = f.machine == MachineKind::Multus;
    s.profile.gBTurret = f.bTurret;
    s.profile.gAutoDoor = f.everyOption;
    s.profile.gPanelCheck = f.everyOption;
    s.profile.gLoadMonitor = f.everyOption;
    s.profile.gMeasuring = f.everyOption;
    s.profile.gToolLife = f.everyOption;
    s.profile.gMaxSpindleSpeed = 3500.5f;
    s.profile.gHomeX = 12.3456;
    s.profile.gHomeZ = -0.5;
    return s;
}

struct Step {
    const char* control;
    const char* text;  // nullptr: click
};

// Centre, sub spindle, face and a bore, chucked on the outside; P-Zero 0.37 is cut to a
// whole 3 in the first "PS" line and kept as 3.7 in the second.
const std::vector<Step> kEverything = {
    {"Text9", "0.37"}, {"Text3", "5.8"}, {"Text5", "4.2"}, {"Text4", "1.5"}, {"Check3", nullptr},
    {"Text1", "0.6"},  {"Text2", "0.3"}, {"SubSpindle", nullptr}, {"Check2", nullptr}, {"Check1", nullptr},
    {"Text8", "2"},    {"Text7", "0.4"}, {"Text6", "0.9"},
};

const char* const kEverythingSubprogram = R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=4 VCHKZ=-4.63
NOEX VCHKD=0.3 VCHKL=0.6
NOEX VTSDA=0.9 VTSDB=0.4
NOEX VTSL=2 VWKR=0.37
N000 CLEAR
N000 DEF WORK[S]
N000 PS RC,[3,0],[50,40]
N000 PS RC,[3.7,0],[50,10],0
N000 END
N000 DEF WORKF[S]
N000 PF 0,[0,0],40,D
N000 PF 0,[0,0],10,D,0
N000 PO [0,5]
N000 CI [0,0],[0,-5],R,0
N000 END
N000 DRAW
NRTS RTS
)";

struct FrameCase {
    const char* name;
    Flags flags;
    std::vector<Step> steps;
    const char* inserted;  // the caret ends at the "|"
    const char* appended;
    int changes;
};

class ReviewFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ReviewFrame, WholeDocument) {
    const FrameCase& c = GetParam();
    SharedState s = stateFor(c.flags);
    const QString before = QStringLiteral("O0001\r\n");
    const QString after = QStringLiteral("%\r\n");
    RichTextBox doc;
    doc.setText(before + after);
    doc.setSelStart(before.size());
    int changes = 0;
    QObject::connect(&doc, &RichTextBox::contentChanged, [&changes](const TextChange&) { ++changes; });
    FakeUgcDialog user;
    for (const Step& step : c.steps) {
        if (step.text)
            user.type(step.control, QString::fromUtf8(step.text));
        else
            user.click(step.control);
    }

    ProcessUGC_Click(s, &doc, nullptr);

    EXPECT_TRUE(user.messages.empty());
    QString inserted = crlf(c.inserted);
    const qsizetype caret = inserted.indexOf(QLatin1Char('|'));
    ASSERT_GE(caret, 0);
    inserted.remove(caret, 1);
    EXPECT_EQ(doc.Text().toStdString(), (before + inserted + after + crlf(c.appended)).toStdString());
    EXPECT_EQ(doc.SelStart(), before.size() + caret);
    EXPECT_EQ(changes, c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReviewFrame,
    ::testing::Values(
        FrameCase{"OtherTwoTurretsEveryOptionEverythingInTheGraphic", {MachineKind::Other, true, true}, kEverything,
                  R"(G13 (-----< A:TURRET >-----)
N000 M90
NMAX G50 S3500.5
N000 G00 X12.345 Z-0.5
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
N000 M216
	
|	
	
N000 M215
N000 CALL OMSSF
N000 M100
N000 TLID
	
G14 (-----< B:TURRET >-----)
N000 M90
NMAX G50 S3500.5
N000 G00 X12.345 Z-0.5
N000 CALL OPCHK (PANEL CHECK)
N000 M216


	
N000 M215
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
N000 M91
NEND M02
)",
                  kEverythingSubprogram, 5},
        FrameCase{"MultusTwoTurretsEveryOptionNoGraphic", {MachineKind::Multus, true, true}, {}, R"(G13 (-----< A:TURRET >-----)
N000 M90
NMAX G50 S3500.5
N000 G20 HP=4 M109 M867
N000 M866
N000 CALL OPCHK (PANEL CHECK)
N000 M216
	
|	
	
N000 M215
N000 CALL OMSSF
N000 M100
N000 TLID
	
G14 (-----< B:TURRET >-----)
N000 M90
NMAX G50 S3500.5
N000 G00 X12.345 Z-0.5
N000 CALL OPCHK (PANEL CHECK)
N000 M216


	
N000 M215
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
N000 M91
NEND M02
)",
                  "", 4},
        FrameCase{"MacTurnOneTurretEveryOptionWithGraphic", {MachineKind::MacTurn, false, true},
                  {{"Check3", nullptr}}, R"(N000 M90
NMAX G50 S3500.5
N000 G21 HP=4 M109
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
N000 M216
	
|	
N000 M215
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
N000 M91
NEND M02
)",
                  R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=0 VCHKZ=0
NOEX VCHKD=0 VCHKL=0
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[0,0],[0,0]
N000 END
N000 DRAW
NRTS RTS
)",
                  3}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

// The subprogram of "Exe." in the cases the frame tests do not reach.
struct SubCase {
    const char* name;
    UgcInput input;
    const char* expected;
};

UgcInput boxes(const char* pZero, const char* length, const char* od, const char* id) {
    UgcInput in;
    in.Text9 = QString::fromLatin1(pZero);
    in.Text3 = QString::fromLatin1(length);
    in.Text5 = QString::fromLatin1(od);
    in.Text4 = QString::fromLatin1(id);
    in.Text1 = QStringLiteral("0.5");
    in.Text2 = QStringLiteral("0.25");
    return in;
}

UgcInput chuckedInside(UgcInput in) {
    in.OD = false;
    return in;
}

UgcInput withFace(UgcInput in) {
    in.Check2 = true;
    return in;
}

class ReviewUserGraphic : public ::testing::TestWithParam<SubCase> {};

TEST_P(ReviewUserGraphic, WholeSubprogram) {
    const SubCase& c = GetParam();
    SharedState s;
    executeUserGraphic(c.input, s);
    EXPECT_EQ(s.gOutputText.toStdString(), crlf(c.expected).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReviewUserGraphic,
    ::testing::Values(
        // A negative P-Zero: the whole part of −2.5 is −2; the bore's line keeps −2.5.
        SubCase{"NegativePZeroWithBore", boxes("-0.25", "4", "3", "1"), R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=3 VCHKZ=-4.25
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[-2,0],[40,30]
N000 PS RC,[-2.5,0],[40,10],0
N000 END
N000 DRAW
NRTS RTS
)"},
        // Chucked in the bore: the chuck diameter is the inner diameter's whole part.
        SubCase{"ChuckedInTheBoreWithFace", withFace(chuckedInside(boxes("0", "6.9", "5.5", "2.99"))), R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=2 VCHKZ=-6
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[0,0],[60,50]
N000 PS RC,[0,0],[60,20],0
N000 END
N000 DEF WORKF
N000 PF 0,[0,0],50,D
N000 PF 0,[0,0],20,D,0
N000 PO [0,10]
N000 CI [0,0],[0,-10],R,0
N000 END
N000 DRAW
NRTS RTS
)"},
        // An odd inner diameter: its radius in tenths is still whole (5 ÷ 2 × 10 = 25).
        SubCase{"OddBoreRadius", withFace(boxes("0.1", "4", "6", "5")), R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=6 VCHKZ=-3.9
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[1,0],[40,60]
N000 PS RC,[1,0],[40,50],0
N000 END
N000 DEF WORKF
N000 PF 0,[0,0],60,D
N000 PF 0,[0,0],50,D,0
N000 PO [0,25]
N000 CI [0,0],[0,-25],R,0
N000 END
N000 DRAW
NRTS RTS
)"},
        // A negative inner diameter is no bore: neither the second "PS" line nor the bore's
        // face lines.
        SubCase{"NegativeInnerDiameterIsNoBore", withFace(boxes("0.1", "4", "3", "-2")), R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=3 VCHKZ=-3.9
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[1,0],[40,30]
N000 END
N000 DEF WORKF
N000 PF 0,[0,0],30,D
N000 END
N000 DRAW
NRTS RTS
)"}),
    [](const ::testing::TestParamInfo<SubCase>& info) { return std::string(info.param.name); });

}  // namespace

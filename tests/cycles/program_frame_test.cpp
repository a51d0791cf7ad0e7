#include <gtest/gtest.h>

#include <vector>

#include "support/documents.h"
#include "support/expected_text.h"
#include "common/shared_state.h"
#include "cycles/program_frame.h"
#include "cycles/user_graphic.h"
#include "fake_ugc_dialog.h"
#include "support/machine.h"
#include "platform/rich_text_box.h"

using namespace quillmar;
using test::Document;
using test::crlf;
using test::FakeUgcDialog;
using test::kMac;
using test::kMul;
using test::kOth;

namespace {

// The frame's own options on top of the shared test machine.
struct Profile {
    MachineKind machine = MachineKind::Other;
    bool bTurret = false, panelCheck = false, autoDoor = false, loadMonitor = false, measuring = false;
    bool toolLife = false;
    bool oddValues = false;  // a maximum speed and a home point with more decimals than written
};

SharedState stateFor(const Profile& o) {
    SharedState s = test::stateFor({.kind = o.machine, .toolLife = o.toolLife, .loadMonitor = o.loadMonitor});
    MachineProfile& p = s.profile;
    p.gBTurret = o.bTurret;
    p.gPanelCheck = o.panelCheck;
    p.gAutoDoor = o.autoDoor;
    p.gMeasuring = o.measuring;
    p.gMaxSpindleSpeed = o.oddValues ? 3500.5f : 2500;
    p.gHomeX = o.oddValues ? 12.34567 : 20;
    p.gHomeZ = o.oddValues ? -0.5 : 10;
    return s;
}

const test::Typing kBlank = {{"Text9", "0.1"}, {"Text3", "4"}, {"Text5", "3"}};

struct FrameCase {
    const char* name;
    Profile profile;
    test::Typing actions;  // a control without text is clicked
    test::Expected inserted;  // at the caret; the caret ends at the "|"
    test::Expected appended;  // after the last line of the document
    int changes;
};

class ProgramFrame : public ::testing::TestWithParam<FrameCase> {};

const QString kBefore = QStringLiteral("O1000\r\n"), kAfter = QStringLiteral("(TAIL)\r\n");

TEST_P(ProgramFrame, WritesHeadAndEndAtTheCaretAndTheGraphicAtTheEnd) {
    const FrameCase& c = GetParam();
    SharedState s = stateFor(c.profile);
    Document doc(kBefore + kAfter, kBefore.size());
    FakeUgcDialog user;
    user.enter(c.actions);

    ProcessUGC_Click(s, &doc.box, nullptr);

    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.showings, 1);
    QString inserted = c.inserted.text(crlf);
    const qsizetype caret = inserted.indexOf(QLatin1Char('|'));
    ASSERT_GE(caret, 0);
    inserted.remove(caret, 1);
    const QString expected = kBefore + inserted + kAfter + c.appended.text(crlf);
    EXPECT_EQ(doc.box.Text().toStdString(), expected.toStdString());
    EXPECT_EQ(doc.box.SelStart(), kBefore.size() + caret);
    EXPECT_EQ(doc.box.SelLength(), 0);
    EXPECT_EQ(doc.changes, c.changes);
    EXPECT_TRUE(s.gDialogAccepted);
}

const char* const kOtherOneTurretPanelCheck = R"(NMAX G50 S2500
N000 G00 X20 Z10
N000 CALL OPCHK (PANEL CHECK)
	
|	
NEND M02
)";

// Centre, sub spindle, face and a bore, chucked on the outside; P-Zero 0.37 is cut to a
// whole 3 in the first "PS" line and kept as 3.7 in the second.
const test::Typing kEverything = {
    {"Text9", "0.37"}, {"Text3", "5.8"}, {"Text5", "4.2"}, {"Text4", "1.5"}, {"Check3", nullptr},
    {"Text1", "0.6"},  {"Text2", "0.3"}, {"SubSpindle", nullptr}, {"Check2", nullptr}, {"Check1", nullptr},
    {"Text8", "2"},    {"Text7", "0.4"}, {"Text6", "0.9"},
};

const char* const kEverythingSubprogram = R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=4.2 VCHKZ=-5.43
NOEX VCHKD=0.3 VCHKL=0.6
NOEX VTSDA=0.9 VTSDB=0.4
NOEX VTSL=2 VWKR=0.37
N000 CLEAR
N000 DEF WORK[S]
N000 PS RC,[3,0],[58,42]
N000 PS RC,[3.7,0],[58,15],0
N000 END
N000 DEF WORKF[S]
N000 PF 0,[0,0],42,D
N000 PF 0,[0,0],15,D,0
N000 PO [0,7.5]
N000 CI [0,0],[0,-7.5],R,0
N000 END
N000 DRAW
NRTS RTS
)";

const char* const kOtherTwoTurretsEveryOptionEverythingInTheGraphic = R"(G13 (-----< A:TURRET >-----)
N000 M90
NMAX G50 S3500.5
N000 G00 X12.3456 Z-0.5
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
N000 G00 X12.3456 Z-0.5
N000 CALL OPCHK (PANEL CHECK)
N000 M216


	
N000 M215
N000 CALL OMSSF
N000 CALL OCNCK
N000 M100
N000 TLID
N000 M91
NEND M02
)";

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramFrame,
    ::testing::Values(
        FrameCase{"OtherOneTurretPanelCheck", {.machine = kOth, .panelCheck = true}, kBlank, kOtherOneTurretPanelCheck, "", 2},
        FrameCase{"MultusOneTurretDoorMonitorMeasuringToolLife",
                  {.machine = kMul, .autoDoor = true, .loadMonitor = true, .measuring = true, .toolLife = true}, kBlank,
                  {kOtherOneTurretPanelCheck, {{"^NMAX G50 S2500", "N000 M90"}, {"N000 CALL OPCHK (PANEL CHECK)", ""},
                   {"N000 G00 X20 Z10", "N000 G20 HP=4 M109 M867\nN000 M866\nN000 M216"},
                   {"+|<TAB>", "N000 M215\nN000 CALL OMSSF\nN000 CALL OCNCK\nN000 M100\nN000 TLID\nN000 M91"}}}, "", 2},
        // Every option of the frame and of the graphic, on a profile of odd values.
        FrameCase{"OtherTwoTurretsEveryOptionEverythingInTheGraphic",
                  {.machine = kOth, .bTurret = true, .panelCheck = true, .autoDoor = true, .loadMonitor = true,
                   .measuring = true, .toolLife = true, .oddValues = true},
                  kEverything, kOtherTwoTurretsEveryOptionEverythingInTheGraphic, kEverythingSubprogram, 5},
        // The B turret returns by coordinates on every machine.
        FrameCase{"MultusTwoTurretsPlain", {.machine = kMul, .bTurret = true}, kBlank, {kOtherOneTurretPanelCheck,
                  {{"|<TAB>", ""}, {"N000 CALL OPCHK (PANEL CHECK)", "\n"},
                   {"^NMAX G50 S2500", "G13 (-----< A:TURRET >-----)\nNMAX G50 S2500\nN000 G20 HP=4 M109 M867\n"
                                        "N000 M866\n<TAB>\n|<TAB>\n<TAB>\n<TAB>\nG14 (-----< B:TURRET >-----)"}}},
                  "", 4},
        // The graphic was set up and then switched off again: no call, nothing appended.
        FrameCase{"MacTurnOneTurretGraphicSwitchedOffAgain", {kMac},
                  {{"Check3", nullptr}, {"Text1", "0.5"}, {"Check2", nullptr}, {"Check3", nullptr}},
                  {kOtherOneTurretPanelCheck,
                   {{"N000 CALL OPCHK (PANEL CHECK)", ""}, {"N000 G00 X20 Z10", "N000 G21 HP=4 M109"}}}, "", 2}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

// A graphic call of an earlier frame is forgotten before the dialog opens.
TEST(ProgramFrame, CancelOrEscapeWritesNothingAndKeepsTheWorkShape) {
    for (auto how : {FakeUgcDialog::Leave::Cancel, FakeUgcDialog::Leave::Escape}) {
        SharedState s = stateFor({kOth});
        s.gDialogAccepted = true;
        s.workShape.gUgcCallEnabled = true;
        s.workShape.gMaterialOD = 5.0;
        Document doc(QStringLiteral("text"), 2);
        FakeUgcDialog user;
        user.type("Text5", "3").click("Check3").leaveBy(how);
        ProcessUGC_Click(s, &doc.box, nullptr);
        EXPECT_FALSE(s.gDialogAccepted);
        EXPECT_EQ(s.workShape.gMaterialOD, 5.0);
        EXPECT_FALSE(s.workShape.gUgcCallEnabled);
        EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
        EXPECT_TRUE(user.messages.empty());
    }
}

TEST(ProgramFrame, NoDocumentIsReportedAfterTheWorkShapeIsStored) {
    SharedState s = stateFor({kOth});
    FakeUgcDialog user;
    user.type("Text5", "3");
    ProcessUGC_Click(s, nullptr, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 91"));
    EXPECT_EQ(s.workShape.gMaterialOD, 3.0);
}

// A frame that cannot be written writes nothing; an overflowing box keeps the dialog open.
TEST(ProgramFrame, OverflowsAreReportedAndWriteNothing) {
    for (bool inTheFrame : {true, false}) {
        SharedState s = stateFor({.machine = kOth, .bTurret = true});
        if (inTheFrame)
            s.profile.gMaxSpindleSpeed = 3e38f;  // its ten-thousandths overflow single precision
        s.workShape.gMaterialOD = 5.0;
        Document doc(QStringLiteral("text"), 4);
        FakeUgcDialog user;
        if (!inTheFrame)
            user.type("Text3", "1E306");
        ProcessUGC_Click(s, &doc.box, nullptr);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
        EXPECT_EQ(user.stayedOpen, !inTheFrame);
        EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
        EXPECT_EQ(doc.changes, 0);
        if (!inTheFrame) {
            EXPECT_EQ(s.workShape.gMaterialOD, 5.0);
        }
    }
}

}  // namespace

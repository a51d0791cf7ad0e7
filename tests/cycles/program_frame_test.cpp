#include <gtest/gtest.h>

#include <vector>

#include "support/documents.h"
#include "support/expected_text.h"
#include "common/shared_state.h"
#include "cycles/program_frame.h"
#include "cycles/user_graphic.h"
#include "fake_ugc_dialog.h"
#include "platform/rich_text_box.h"

using namespace quillmar;
using test::Document;
using test::crlf;
using test::FakeUgcDialog;

namespace {


struct Profile {
    MachineKind machine = MachineKind::Other;
    bool bTurret = false;
    bool panelCheck = false;
    bool autoDoor = false;
    bool loadMonitor = false;
    bool measuring = false;
    bool toolLife = false;
};

SharedState stateFor(const Profile& o) {
    SharedState s;
    s.profile.gMacTurn = o.machine == MachineKind::MacTurn;
    s.profile.gMultus = o.machine == MachineKind::Multus;
    s.profile.gBTurret = o.bTurret;
    s.profile.gPanelCheck = o.panelCheck;
    s.profile.gAutoDoor = o.autoDoor;
    s.profile.gLoadMonitor = o.loadMonitor;
    s.profile.gMeasuring = o.measuring;
    s.profile.gToolLife = o.toolLife;
    s.profile.gMaxSpindleSpeed = 2500;
    s.profile.gHomeX = 20;
    s.profile.gHomeZ = 10;
    s.gCsvFileName = QStringLiteral("/materials/S45C.CSV");
    return s;
}

// What the user does in the dialog, in order: a box to type into, or a control to click.
struct Action {
    const char* control;
    const char* text;  // nullptr: click
};

const std::vector<Action> kBlank = {
    {"Text9", "0.1"}, {"Text3", "4"}, {"Text5", "3"},
};
const std::vector<Action> kGraphic = {
    {"Text9", "0.1"}, {"Text3", "4"}, {"Text5", "3"}, {"Check3", nullptr}, {"Text1", "0.5"}, {"Text2", "0.25"},
};

struct FrameCase {
    const char* name;
    Profile profile;
    std::vector<Action> actions;
    test::Expected inserted;  // at the caret; the caret ends at the "|"
    test::Expected appended;  // after the last line of the document
    int changes;
};

class ProgramFrame : public ::testing::TestWithParam<FrameCase> {};

const QString kBefore = QStringLiteral("O1000\r\n");
const QString kAfter = QStringLiteral("(TAIL)\r\n");

TEST_P(ProgramFrame, WritesHeadAndEndAtTheCaretAndTheGraphicAtTheEnd) {
    const FrameCase& c = GetParam();
    SharedState s = stateFor(c.profile);
    Document doc(kBefore + kAfter, kBefore.size());
    FakeUgcDialog user;
    for (const Action& a : c.actions) {
        if (a.text)
            user.type(a.control, QString::fromUtf8(a.text));
        else
            user.click(a.control);
    }

    ProcessUGC_Click(s, &doc.box, nullptr);

    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.showings, 1);
    EXPECT_EQ(user.csvShown, QStringLiteral("/materials/S45C.CSV"));
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

constexpr auto kMac = MachineKind::MacTurn;
constexpr auto kMul = MachineKind::Multus;
constexpr auto kOth = MachineKind::Other;

const char* const kOtherOneTurretPanelCheck = R"(NMAX G50 S2500
N000 G00 X20 Z10
N000 CALL OPCHK (PANEL CHECK)
	
|	
NEND M02
)";

const char* const kMacTurnTwoTurretsEverythingWithGraphic = R"(	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=3 VCHKZ=-3.9
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[1,0],[40,30]
N000 END
N000 DRAW
NRTS RTS
)";

const char* const kOtherTwoTurretsGraphicWithCentreChuckedInTheBore = R"(G13 (-----< A:TURRET >-----)
NMAX G50 S2500
N000 G00 X20 Z10
N000 CALL OUGC  (GRAPHIC DATA)
	
|	
	
	
G14 (-----< B:TURRET >-----)
NMAX G50 S2500
N000 G00 X20 Z10


	
NEND M02
)";

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramFrame,
    ::testing::Values(
        FrameCase{"OtherOneTurretPanelCheck", {kOth, false, true}, kBlank, kOtherOneTurretPanelCheck,
                  "", 2},
        FrameCase{"MacTurnOneTurretNothingElse", {kMac}, kBlank, {kOtherOneTurretPanelCheck,
                  {{"N000 CALL OPCHK (PANEL CHECK)", ""},
                   {"N000 G00 X20 Z10", "N000 G21 HP=4 M109"}}},
                  "", 2},
        FrameCase{"MultusOneTurretDoorMonitorMeasuringToolLife", {kMul, false, false, true, true, true, true}, kBlank,
                  {kOtherOneTurretPanelCheck,
                  {{"^NMAX G50 S2500", "N000 M90"},
                   {"N000 CALL OPCHK (PANEL CHECK)", ""},
                   {"N000 G00 X20 Z10", "N000 G20 HP=4 M109 M867\n"
                                         "N000 M866\n"
                                         "N000 M216"},
                   {"+|<TAB>", "N000 M215\n"
                                "N000 CALL OMSSF\n"
                                "N000 CALL OCNCK\n"
                                "N000 M100\n"
                                "N000 TLID\n"
                                "N000 M91"}}},
                  "", 2},
        FrameCase{"MacTurnTwoTurretsEverythingWithGraphic", {kMac, true, true, true, true, true, true}, kGraphic,
                  {kOtherOneTurretPanelCheck,
                  {{"|<TAB>", "N000 M215\n"
                               "N000 CALL OMSSF\n"
                               "N000 CALL OCNCK\n"
                               "N000 M100\n"
                               "N000 TLID\n"
                               "N000 M91"},
                   {"+N000 CALL OPCHK (PANEL CHECK)", "N000 M216\n"
                                                       "\n"
                                                       ""},
                   {"^NMAX G50 S2500", "G13 (-----< A:TURRET >-----)\n"
                                        "N000 M90\n"
                                        "NMAX G50 S2500\n"
                                        "N000 G21 HP=4 M109\n"
                                        "N000 CALL OPCHK (PANEL CHECK)\n"
                                        "N000 CALL OUGC  (GRAPHIC DATA)\n"
                                        "N000 M216\n"
                                        "<TAB>\n"
                                        "|<TAB>\n"
                                        "<TAB>\n"
                                        "N000 M215\n"
                                        "N000 CALL OMSSF\n"
                                        "N000 M100\n"
                                        "N000 TLID\n"
                                        "<TAB>\n"
                                        "G14 (-----< B:TURRET >-----)\n"
                                        "N000 M90"}}},
                  kMacTurnTwoTurretsEverythingWithGraphic,
                  5},
        // The B turret returns by coordinates on every machine.
        FrameCase{"MultusTwoTurretsPlain", {kMul, true}, kBlank, {kOtherOneTurretPanelCheck,
                  {{"|<TAB>", ""},
                   {"N000 CALL OPCHK (PANEL CHECK)", "\n"
                                                      ""},
                   {"^NMAX G50 S2500", "G13 (-----< A:TURRET >-----)\n"
                                        "NMAX G50 S2500\n"
                                        "N000 G20 HP=4 M109 M867\n"
                                        "N000 M866\n"
                                        "<TAB>\n"
                                        "|<TAB>\n"
                                        "<TAB>\n"
                                        "<TAB>\n"
                                        "G14 (-----< B:TURRET >-----)"}}},
                  "", 4},
        FrameCase{"MultusGraphicSubSpindleFaceAndBore",
                  {kMul, false, false, false, true},
                  {{"Text9", "0.1"}, {"Text3", "4"}, {"Text5", "3"}, {"Text4", "1"}, {"Check3", nullptr},
                   {"Text1", "0.5"}, {"Text2", "0.25"}, {"SubSpindle", nullptr}, {"Check2", nullptr}},
                  {kOtherOneTurretPanelCheck,
                  {{"N000 CALL OPCHK (PANEL CHECK)", ""},
                   {"N000 G00 X20 Z10", "N000 G20 HP=4 M109 M867\n"
                                         "N000 M866\n"
                                         "N000 CALL OUGC  (GRAPHIC DATA)\n"
                                         "N000 M216"},
                   {"+|<TAB>", "N000 M215"}}},
                  {kMacTurnTwoTurretsEverythingWithGraphic,
                  {{"NOEX VWKR=393", ""},
                   {"N000 DEF WORK", "N000 DEF WORK[S]"},
                   {"+N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,10],0\n"
                                                  "N000 END\n"
                                                  "N000 DEF WORKF[S]\n"
                                                  "N000 PF 0,[0,0],30,D\n"
                                                  "N000 PF 0,[0,0],10,D,0\n"
                                                  "N000 PO [0,5]\n"
                                                  "N000 CI [0,0],[0,-5],R,0"}}},
                  3},
        // The inner diameter is typed before the centre disables its box; it is still used.
        FrameCase{"OtherTwoTurretsGraphicWithCentreChuckedInTheBore",
                  {kOth, true},
                  {{"Text9", "0.1"}, {"Text3", "4"}, {"Text5", "3"}, {"Text4", "2"}, {"Check3", nullptr},
                   {"Text1", "0.5"}, {"Text2", "0.25"}, {"ID", nullptr}, {"Check1", nullptr}, {"Text8", "1.5"},
                   {"Text7", "0.5"}, {"Text6", "0.75"}},
                  kOtherTwoTurretsGraphicWithCentreChuckedInTheBore,
                  {kMacTurnTwoTurretsEverythingWithGraphic,
                  {{"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=2 VCHKZ=-3.9"},
                   {"NOEX VWKR=393", "NOEX VTSDA=0.75 VTSDB=0.5\n"
                                      "NOEX VTSL=1.5 VWKR=0.1"},
                   {"+N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,20],0"}}},
                  5},
        // The graphic was set up and then switched off again: no call, nothing appended.
        FrameCase{"GraphicSwitchedOffAgain",
                  {kOth},
                  {{"Check3", nullptr}, {"Text1", "0.5"}, {"Check2", nullptr}, {"Check3", nullptr}},
                  {kOtherOneTurretPanelCheck,
                  {{"N000 CALL OPCHK (PANEL CHECK)", ""}}},
                  "", 2}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

TEST(ProgramFrame, StoresTheWorkShapeForTheCycles) {
    SharedState s = stateFor({kOth});
    Document doc(QString(), 0);
    FakeUgcDialog user;
    user.type("Text9", "0.1").type("Text3", "4.5").type("Text5", "3.9").type("Text4", "1.2");
    ProcessUGC_Click(s, &doc.box, nullptr);
    const WorkShape& w = s.workShape;
    EXPECT_EQ(w.gPZero, 0.1);
    EXPECT_EQ(w.gLengthOL, 4.0);
    EXPECT_EQ(w.gMaterialOD, 3.0);
    EXPECT_EQ(w.gMaterialID.value(), 1.0f);
    EXPECT_EQ(w.gJawClamp, 0.0);
    EXPECT_FALSE(w.gUgcCallEnabled);
}

TEST(ProgramFrame, TheGraphicCallIsForgottenBeforeTheDialogOpens) {
    SharedState s = stateFor({kOth});
    s.workShape.gUgcCallEnabled = true;  // from an earlier frame
    Document doc(QString(), 0);
    FakeUgcDialog user;
    ProcessUGC_Click(s, &doc.box, nullptr);
    EXPECT_FALSE(doc.box.Text().contains(QStringLiteral("OUGC")));
}

TEST(ProgramFrame, CancelOrEscapeWritesNothingAndKeepsTheWorkShape) {
    for (auto how : {FakeUgcDialog::Leave::Cancel, FakeUgcDialog::Leave::Escape}) {
        SharedState s = stateFor({kOth});
        s.gDialogAccepted = true;
        s.workShape.gMaterialOD = 5.0;
        s.gOutputText = QStringLiteral("before");
        Document doc(QStringLiteral("text"), 2);
        FakeUgcDialog user;
        user.type("Text5", "3").click("Check3").leaveBy(how);
        ProcessUGC_Click(s, &doc.box, nullptr);
        EXPECT_FALSE(s.gDialogAccepted);
        EXPECT_EQ(s.workShape.gMaterialOD, 5.0);
        EXPECT_FALSE(s.workShape.gUgcCallEnabled);
        EXPECT_EQ(s.gOutputText, QStringLiteral("before"));
        EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
        EXPECT_EQ(doc.changes, 0);
        EXPECT_TRUE(user.messages.empty());
    }
}

TEST(ProgramFrame, ReplacesASelectionWithTheHead) {
    SharedState s = stateFor({kMac});
    Document doc(QStringLiteral("A selected B"), 0);
    doc.box.select(2, 8);
    FakeUgcDialog user;
    ProcessUGC_Click(s, &doc.box, nullptr);
    const QString head = QStringLiteral("NMAX G50 S2500\r\nN000 G21 HP=4 M109\r\n\t\r\n");
    EXPECT_EQ(doc.box.Text(), QStringLiteral("A ") + head + QStringLiteral("\t\r\nNEND M02\r\n B"));
    EXPECT_EQ(doc.box.SelStart(), 2 + head.size());
}

TEST(ProgramFrame, NoDocumentIsReportedAfterTheWorkShapeIsStored) {
    SharedState s = stateFor({kOth});
    FakeUgcDialog user;
    user.type("Text5", "3");
    ProcessUGC_Click(s, nullptr, nullptr);
    EXPECT_EQ(user.showings, 1);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 91"));
    EXPECT_EQ(s.workShape.gMaterialOD, 3.0);
}

TEST(ProgramFrame, AFrameThatCannotBeWrittenWritesNothing) {
    SharedState s = stateFor({kOth, true});
    s.profile.gMaxSpindleSpeed = 3e38f;  // its thousandths overflow single precision
    Document doc(QStringLiteral("text"), 4);
    FakeUgcDialog user;
    ProcessUGC_Click(s, &doc.box, nullptr);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
    EXPECT_EQ(doc.changes, 0);
}

TEST(ProgramFrame, AnOverflowingExeIsReportedAndTheDialogStaysOpen) {
    SharedState s = stateFor({kOth});
    s.workShape.gMaterialOD = 5.0;
    Document doc(QStringLiteral("text"), 4);
    FakeUgcDialog user;
    user.type("Text3", "1E306");
    ProcessUGC_Click(s, &doc.box, nullptr);
    EXPECT_TRUE(user.stayedOpen);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6"));
    EXPECT_EQ(s.workShape.gMaterialOD, 5.0);
    EXPECT_FALSE(s.gDialogAccepted);
    EXPECT_EQ(doc.box.Text(), QStringLiteral("text"));
}

TEST(ProgramFrame, TheSubprogramGoesAfterColouredTextWithoutTouchingIt) {
    SharedState s = stateFor({kOth});
    Document doc(QStringLiteral("N100 G00\r\nN200 G01\r\n"), 10);
    doc.box.select(0, 4);
    doc.box.setSelColor(QColor(255, 0, 0));
    doc.box.setSelStart(10);
    FakeUgcDialog user;
    user.click("Check3");
    ProcessUGC_Click(s, &doc.box, nullptr);
    for (qint64 i = 0; i < 4; ++i)
        EXPECT_EQ(doc.box.colorAt(i), QColor(255, 0, 0)) << i;
    const QString text = doc.box.Text();
    ASSERT_TRUE(text.endsWith(QStringLiteral("NRTS RTS\r\n")));
    EXPECT_NE(doc.box.colorAt(text.size() - 3), QColor(255, 0, 0));
}

// Every option of the frame and of the graphic at once, on a profile of odd values.
struct Flags {
    MachineKind machine = MachineKind::Other;
    bool bTurret = false;
    bool everyOption = false;  // door, panel check, load monitor, measuring, tool life
};

SharedState stateWith(const Flags& f) {
    const bool e = f.everyOption;
    SharedState s = stateFor({f.machine, f.bTurret, e, e, e, e, e});
    s.gCsvFileName.clear();
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

struct WholeFrameCase {
    const char* name;
    Flags flags;
    std::vector<Step> steps;
    test::Expected inserted;  // the caret ends at the "|"
    test::Expected appended;
    int changes;
};

class WholeFrame : public ::testing::TestWithParam<WholeFrameCase> {};

TEST_P(WholeFrame, WholeDocument) {
    const WholeFrameCase& c = GetParam();
    SharedState s = stateWith(c.flags);
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
    QString inserted = c.inserted.text(crlf);
    const qsizetype caret = inserted.indexOf(QLatin1Char('|'));
    ASSERT_GE(caret, 0);
    inserted.remove(caret, 1);
    EXPECT_EQ(doc.Text().toStdString(), (before + inserted + after + c.appended.text(crlf)).toStdString());
    EXPECT_EQ(doc.SelStart(), before.size() + caret);
    EXPECT_EQ(changes, c.changes);
}

const char* const kOtherTwoTurretsEveryOptionEverythingInTheGraphic = R"(G13 (-----< A:TURRET >-----)
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
)";

const char* const kMultusTwoTurretsEveryOptionNoGraphic = R"(G13 (-----< A:TURRET >-----)
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
)";

INSTANTIATE_TEST_SUITE_P(
    Table, WholeFrame,
    ::testing::Values(
        WholeFrameCase{"OtherTwoTurretsEveryOptionEverythingInTheGraphic", {MachineKind::Other, true, true}, kEverything,
                  kOtherTwoTurretsEveryOptionEverythingInTheGraphic,
                  kEverythingSubprogram, 5},
        WholeFrameCase{"MultusTwoTurretsEveryOptionNoGraphic", {MachineKind::Multus, true, true}, {}, kMultusTwoTurretsEveryOptionNoGraphic,
                  "", 4},
        WholeFrameCase{"MacTurnOneTurretEveryOptionWithGraphic", {MachineKind::MacTurn, false, true},
                  {{"Check3", nullptr}}, {kOtherOneTurretPanelCheck,
                  {{"N000 G00 X20 Z10", ""},
                   {"NMAX G50 S2500", "N000 M90\n"
                                       "NMAX G50 S3500.5\n"
                                       "N000 G21 HP=4 M109"},
                   {"+N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)\n"
                                                       "N000 M216"},
                   {"+|<TAB>", "N000 M215\n"
                                "N000 CALL OMSSF\n"
                                "N000 CALL OCNCK\n"
                                "N000 M100\n"
                                "N000 TLID\n"
                                "N000 M91"}}},
                  {kMacTurnTwoTurretsEverythingWithGraphic,
                  {{"NOEX VCHKD=0.25 VCHKL=0.5", ""},
                   {"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=0 VCHKZ=0\n"
                                                "NOEX VCHKD=0 VCHKL=0"},
                   {"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[0,0],[0,0]"}}},
                  3}),
    [](const ::testing::TestParamInfo<WholeFrameCase>& info) { return std::string(info.param.name); });

}  // namespace

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/documents.h"
#include "common/shared_state.h"
#include "cycles/roughing.h"
#include "roughing_fixture.h"
#include "platform/rich_text_box.h"

using namespace quillmar;
using test::crlf;
using test::FakeProcessDialog;

namespace {

using Machine = test::RoughingMachine;
using test::kBlank;
using test::kBored;
using test::Stock;
using test::Typing;

struct Case {
    const char* name;
    ProcessGenerator (*generator)();
    Machine machine;
    Stock stock;
    Typing typed;
    const char* expected;
    // The work shape the command leaves for the next dialogs.
    std::optional<double> pZeroAfter;
    float idAfter;
};

class ReviewRoughing : public ::testing::TestWithParam<Case> {};

TEST_P(ReviewRoughing, WholeBlock) {
    const Case& c = GetParam();
    SharedState s = test::roughingState(c.machine, c.stock);
    RichTextBox doc;
    FakeProcessDialog user;
    test::enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc, nullptr);

    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(doc.Text().toStdString(), crlf(c.expected).toStdString());
    EXPECT_EQ(s.workShape.gPZero, c.pZeroAfter);
    EXPECT_EQ(s.workShape.gMaterialID.value(), c.idAfter);
}

const Stock kFractionalZero{3.0, 0.1234, 0.0f};

INSTANTIATE_TEST_SUITE_P(
    Table, ReviewRoughing,
    ::testing::Values(
        // Tool life writes the tool as it stands (5.5) in every word but the NT label,
        // which takes the whole part, so the load monitor after it shows 5.
        Case{"OuterMacTurnToolLifeFractionalToolBAngle",
             roughOuterGenerator,
             {true, false, true, true, true, false},
             kBlank,
             {{"ToolNumber", "5.5"}, {"B", "45"}, {"StartX", "2"}, {"EndZ", "-2"}, {"M603", nullptr},
              {"CoolantOFF", nullptr}},
             R"((-----< OD.ROUGH >-----)
NOEX VGRIN[5.5]=1 VGRFN[5.5]=1 VGRA1[5.5]=55
NOEX VGRA2[5.5]=3 VGRL[5.5]=1.6
N000 MT=1 TG=5.5
N000 M421
N000 G00 X3 Z0.2 TG=5.5 OG=1 BA=45 M603 M41 S510 M03 M63 M09
NT05     Z0.08 G96 S300
N000 VLMON[5]=2+8
N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01
NAP2 G81
N000 G00 X1.92
N000 G01 Z0.02 G42 F0.006
N000     X2 A135
N000     Z-2
N000     X2.96
N000     X3 A135
N000 G40 K-1
N000 G80
N000 VLMON[5]=0
N000 G00 X8 G97 S510 M63
N000 G21 HP=4 M05 M63 M09
	
)",
             0.1, 0.0f},
        // Both machine flags: the machine type is MacTurn, so no MULTUS word is written.
        Case{"OuterBothMachineFlags",
             roughOuterGenerator,
             {true, true},
             kBlank,
             {{"StartX", "2"}, {"EndZ", "-2"}},
             R"((-----< OD.ROUGH >-----)
N000 MT=101
N000 M421
N000 G00 X3 Z0.2 TL=0101 M602 M41 S510 M03 M63 M08
NT01     Z0.08 G96 S300
N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01
NAP2 G81
N000 G00 X1.92
N000 G01 Z0.02 G42 F0.006
N000     X2 A135
N000     Z-2
N000     X2.96
N000     X3 A135
N000 G40 K-1
N000 G80
N000 G00 X8 G97 S510 M63
N000 G21 HP=4 M05 M63 M09
	
)",
             0.1, 0.0f},
        // A start Z off the face and a chamfer of 0.1 on the bore; B 90 is BT=1 without a
        // shift; the bore left behind is 1.5.
        Case{"InnerMacTurnShapeStartZChamferB90",
             roughInnerGenerator,
             {true, false, false, true},
             kBored,
             {{"StartX", "1.5"}, {"StartZ", "0.5"}, {"EndZ", "-1"}, {"C", "0.1"}, {"B", "90"}},
             R"((-----< ID.ROUGH >-----)
NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60
NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5
N000 MT=701
N000 M421
N000 G00 X1 Z0.2 TL=0707 BT=1 M602 M42 S550 M03 M63 M08
NT07     Z0.58 G96 S250
N000 G85 NAP3 D0.06 U0.02 W0.005 F0.008
NAP3 G81
N000 G00 X1.74
N000 G01 Z0.52 G41 F0.006
N000     X1.5 A-135
N000     Z-1
N000     X1.2
N000     X1 A-135
N000 G40 K-1
N000 G80
N000 G00 Z0.2
N000     X8 G97 S550 M63
N000 G21 HP=4 M05 M63 M09
	
)",
             0.1, 1.5f},
        // The typed start diameter (not the stock) sets the speed and the approach; the
        // pre-filled P-Zero is cut in the NT line; tool life on an other machine.
        Case{"FaceOtherToolLifeTypedStartX",
             roughFaceGenerator,
             {false, false, true, true},
             kFractionalZero,
             {{"StartX", "2.5"}},
             R"((-----< OD.ROUGH FACE >-----)
NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80
NOEX VGRA2[1]=0.2 VGRL[1]=1.6
N000 G00 X2.74 Z0.2 TG=1 OG=1 M41 S830 M03 M63 M08
NT01     Z0.123 G96 S600
N000 G85 NAP1 D0.08 W0.005 F0.012
NAP1 G82
N000 G00 Z0
N000 G01 X2.5 G41 F0.006
N000     X0
N000 G40 I-1
N000 G80
N000 G00 X20 Z10 G97 S830 M63
	
)",
             0.1234, 0.0f},
        // Two stages down to a typed face end; the P-Zero written in the NT line is cut
        // and kept so in the work shape.
        Case{"FaceOuterMacTurnTwoStagesTypedFaceEnd",
             roughFaceOuterGenerator,
             {true, false, false, false, true, true},
             kFractionalZero,
             {{"StartX", "2"}, {"EndZ", "-2"}, {"SZ", "0.5"}},
             R"((-----< OD.ROUGH >-----)
N000 MT=101
N000 M421
N000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08
NT01     Z0.123 G96 S600
N000 VLMON[1]=1+8
N000 G85 NAP1 D0.08 W0.005 F0.012
NAP1 G82
N000 G00 Z0
N000 G01 X0.5
N000 G80
N000 G00 X3 Z0.08
N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015
NAP2 G81
N000 G00 X1.92
N000 G01 Z0.02 G42 F0.006
N000     X2 A135
N000     Z-2
N000     X2.96
N000     X3 A135
N000 G40 K-1
N000 G80
N000 VLMON[1]=0
N000 G00 X8 G97 S1020 M63
N000 G21 HP=4 M05 M63 M09
NSTP M01
	
)",
             0.123, 0.0f},
        // One pass to a typed face end on an other machine, tool-shape data on.
        Case{"FaceOuterOtherSinglePassTypedFaceEnd",
             roughFaceOuterGenerator,
             {false, false, false, true},
             kBlank,
             {{"L", "0.1"}, {"StartX", "2"}, {"EndZ", "-2"}, {"SZ", "0.5"}},
             R"((-----< OD.ROUGH >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80
NOEX VTLA2[1]=0.2 VTLL[1]=1.6
N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08
NT01     Z0.005 G96 S600
N000 G01 X0.5 F0.012
N000 G00 X3 Z0.08
N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015
NAP2 G81
N000 G00 X1.92
N000 G01 Z0.02 G42 F0.006
N000     X2 A135
N000     Z-2
N000     X2.96
N000     X3 A135
N000 G40 K-1
N000 G80
N000 G00 X20 Z10 G97 S1020 M63
	
)",
             0.1, 0.0f}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace

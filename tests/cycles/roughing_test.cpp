#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/documents.h"
#include "support/expected_text.h"
#include "common/shared_state.h"
#include "cycles/roughing.h"
#include "roughing_fixture.h"
#include "platform/rich_text_box.h"

using namespace quillmar;
using test::Document;
using test::crlf;
using test::FakeProcessDialog;

namespace {


using test::kBlank;
using test::kBored;
using test::kMac;
using test::kMul;
using test::kOth;
using test::Machine;
using test::Typing;
using Work = test::Stock;

SharedState stateFor(const Machine& m, const Work& w) { return test::roughingState(m, w); }

struct RoughCase {
    const char* name;
    ProcessGenerator (*generator)();
    Machine profile;
    Work work;
    Typing typed;
    test::Expected expected;
    double previousSpeed = 0;
    std::optional<test::ShapeAfter> shapeAfter = {};  // the work shape left for the next dialogs
};

void PrintTo(const RoughCase& c, std::ostream* os) { *os << c.name; }

class Roughing : public ::testing::TestWithParam<RoughCase> {};

TEST_P(Roughing, WritesTheWholeBlockAtTheCaret) {
    const RoughCase& c = GetParam();
    SharedState s = stateFor(c.profile, c.work);
    s.gSpindleSpeed = c.previousSpeed;
    const QString before = QStringLiteral("N000 G50\r\n");
    const QString after = QStringLiteral("NEND M02\r\n");
    Document doc(before + after, before.size());
    FakeProcessDialog user;
    test::enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    EXPECT_TRUE(user.messages.empty());
    const QString block = c.expected.text(crlf);
    EXPECT_EQ(doc.box.Text().toStdString(), (before + block + after).toStdString());
    EXPECT_EQ(doc.box.SelStart(), before.size() + block.size());
    EXPECT_EQ(doc.changes, 1);
    if (c.shapeAfter) {
        EXPECT_EQ(s.workShape.gPZero, c.shapeAfter->pZero);
        EXPECT_EQ(s.workShape.gMaterialID.value(), c.shapeAfter->id);
    }
}

const Work kFractionalZero{3.0, 0.1234, 0.0f};


const Typing kOuterInput = {{"StartX", "2"}, {"EndZ", "-2"}};
const Typing kInnerInput = {{"StartX", "1.2345"}, {"EndZ", "-1.5"}};

const char* const kOuterOther = R"((-----< OD.ROUGH >-----)
N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08
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
N000 G00 X20 Z10 G97 S510 M63
	
)";

const char* const kInnerOtherToolShape = R"((-----< ID.ROUGH >-----)
NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60
NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5
N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08
NT07     Z0.08 G96 S250
N000 G85 NAP3 D0.06 U0.02 W0.005 F0.008
NAP3 G81
N000 G00 X1.314
N000 G01 Z0.02 G41 F0.006
N000     X1.234 A-135
N000     Z-1.5
N000     X1.04
N000     X1 A-135
N000 G40 K-1
N000 G80
N000 G00 Z0.2
N000     X20 Z10 G97 S650 M63
	
)";

const char* const kFaceOtherShapeMonitor = R"((-----< OD.ROUGH FACE >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80
NOEX VTLA2[1]=0.2 VTLL[1]=1.6
N000 G00 X3.24 Z0.2 T010101 M41 S700 M03 M63 M08
NT01     Z0.1 G96 S600
N000 VLMON[1]=1+8
N000 G85 NAP1 D0.08 W0.005 F0.012
NAP1 G82
N000 G00 Z0
N000 G01 X3 G41 F0.006
N000     X1
N000 G40 I-1
N000 G80
N000 VLMON[1]=0
N000 G00 X20 Z10 G97 S700 M63
	
)";

INSTANTIATE_TEST_SUITE_P(
    Table, Roughing,
    ::testing::Values(
        // The worked example: S = floor(300 × 1000 ÷ 3.14 ÷ 3.28 ÷ 56.8 ÷ 10) × 10.
        RoughCase{"OuterOther", roughOuterGenerator, {kOth}, kBlank, kOuterInput, kOuterOther},
        RoughCase{"OuterMacTurnEverythingButToolLife", roughOuterGenerator, {kMac, true, false, true, true, true}, kBlank,
                  {{"StartX", "2"}, {"EndZ", "-2"}, {"B", "90"}}, {kOuterOther,
                  {{"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=55\n"
                                                                      "NOEX VTLA2[1]=3 VTLL[1]=1.6\n"
                                                                      "N000 MT=101\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3 Z0.2 TL=0101 BT=1 M602 M41 S510 M03 M63 M08"},
                   {"+NT01     Z0.08 G96 S300", "N000 VLMON[1]=2+8"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 VLMON[1]=0\n"
                                                      "N000 G00 X8 G97 S510 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09\n"
                                                      "NSTP M01"}}}},
        // A chamfer of 0.1 keeps its thousandths: 2 − 2 × 0.12 and 3 − 2 × 0.1.
        RoughCase{"OuterMultusToolLifeChamfer", roughOuterGenerator, {kMul, true, true, true}, kBlank,
                  {{"ToolNumber", "12"}, {"C", "0.1"}, {"B", "45"}, {"StartX", "2"}, {"EndZ", "-2"}, {"SpindleCCW", nullptr}},
                  {kOuterOther,
                  {{"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VGRIN[12]=1 VGRFN[12]=1 VGRA1[12]=55\n"
                                                                      "NOEX VGRA2[12]=3 VGRL[12]=1.6\n"
                                                                      "N000 MT=1 TG=12\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3 Z0.2 TG=12 OG=1 BA=45 M602 M41 S510 M04 M63 M08 M263\n"
                                                                      "NT12     Z0.08 G96 S300"},
                   {"N000 G00 X1.92", "N000 G00 X1.76"},
                   {"N000     X2.96", "N000     X2.8"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G20 HP=4 M867 G97 S510 M05 M63 M09\n"
                                                      "N000 M866"}}}},
        RoughCase{"OuterWithoutSpeedKeepsTheLastOne", roughOuterGenerator, {kOth}, kBlank,
                  {{"V", "0"}, {"StartX", "2"}, {"EndZ", "-2"}}, {kOuterOther,
                  {{"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X3 Z0.2 T010101 M41 S777 M03 M63 M08\n"
                                                                      "NT01     Z0.08 G96 S0"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S777 M63"}}},
                  777},
        // A V written as 0 computes no speed: the previous one stays.
        RoughCase{"OuterSpeedWrittenAsZeroKeepsTheLastOne", roughOuterGenerator, {kOth}, kBlank,
                  {{"V", "0.0004"}, {"StartX", "2"}, {"EndZ", "-2"}}, {kOuterOther,
                  {{"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X3 Z0.2 T010101 M41 S1230 M03 M63 M08\n"
                                                                      "NT01     Z0.08 G96 S0"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S1230 M63"}}},
                  1230},
        // P-Zero 0.1005 writes as 0.1: its stock over the start Z is not above a cut of
        // 0.1, so one pass.
        RoughCase{"FaceOuterWrittenStockEqualToTheCutIsOnePass", roughFaceOuterGenerator, {kOth}, Work{3.0, 0.1005, 0.0f},
                  {{"L", "0.1"}, {"StartX", "2"}, {"EndZ", "-2"}},
                  {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.005 G96 S600\n"
                                                                      "N000 G01 X3 G41 F0.012\n"
                                                                      "N000     X0\n"
                                                                      "N000 G40 I-1\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S1020 M63"}}}},
        // The tool-data index comes before the whole part is taken; the T word, the label
        // and the load-monitor lines show the whole number.
        RoughCase{"OuterFractionalTool", roughOuterGenerator, {kOth, true, false, true, true}, kBlank,
                  {{"ToolNumber", "5.5"}, {"StartX", "2"}, {"EndZ", "-2"}}, {kOuterOther,
                  {{"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VTLIN[5.5]=1 VTLFN[5.5]=1 VTLA1[5.5]=55\n"
                                                                      "NOEX VTLA2[5.5]=3 VTLL[5.5]=1.6\n"
                                                                      "N000 G00 X3 Z0.2 T050505 M41 S510 M03 M63 M08\n"
                                                                      "NT05     Z0.08 G96 S300\n"
                                                                      "N000 VLMON[5]=2+8"},
                   {"+N000 G80", "N000 VLMON[5]=0"}}}},
        // The start diameter is cut to 1.234 before the speed: S650, where 1.2345 gives S640.
        RoughCase{"InnerOtherToolShape", roughInnerGenerator, {kOth, true, false, true}, kBored, kInnerInput,
                  kInnerOtherToolShape},
        RoughCase{"InnerMacTurnToolLifeMonitorStop", roughInnerGenerator, {kMac, true, true, false, true, true}, kBored,
                  kInnerInput, {kInnerOtherToolShape,
                  {{"N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08", ""},
                   {"NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5", ""},
                   {"NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60", "N000 MT=1 TG=7\n"
                                                               "N000 M421\n"
                                                               "N000 G00 X1 Z0.2 TG=7 OG=1 M602 M42 S650 M03 M63 M08"},
                   {"+NT07     Z0.08 G96 S250", "N000 VLMON[7]=2+8"},
                   {"+N000 G80", "N000 VLMON[7]=0"},
                   {"N000     X20 Z10 G97 S650 M63", "N000     X8 G97 S650 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09\n"
                                                      "NSTP M01"}}}},
        RoughCase{"InnerMultusToolLifeShape", roughInnerGenerator, {kMul, true, true, true}, kBored, kInnerInput,
                  {kInnerOtherToolShape,
                  {{"N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08", ""},
                   {"NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5", ""},
                   {"NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60", "NOEX VGRIN[7]=2 VGRFN[7]=1 VGRA1[7]=60\n"
                                                               "NOEX VGRA2[7]=3 VGRD[7]=20 VGRL[7]=21.5\n"
                                                               "N000 MT=1 TG=7\n"
                                                               "N000 M421\n"
                                                               "N000 G00 X1 Z0.2 TG=7 OG=1 M602 M42 S650 M03 M63 M08 M263"},
                   {"N000     X20 Z10 G97 S650 M63", "N000 G20 HP=4 M867 G97 S650 M05 M63 M09\n"
                                                      "N000 M866"}}}},
        // From the stock (3, P-Zero 0.1) down to the bore (1) at Z0, all pre-filled.
        RoughCase{"FaceOtherShapeMonitor", roughFaceGenerator, {kOth, true, false, true, true}, kBored, {},
                  kFaceOtherShapeMonitor},
        RoughCase{"FaceMultusStop", roughFaceGenerator, {kMul, true, false, false, false, true}, kBored, {},
                  {kFaceOtherShapeMonitor,
                  {{"N000 G00 X3.24 Z0.2 T010101 M41 S700 M03 M63 M08", ""},
                   {"NOEX VTLA2[1]=0.2 VTLL[1]=1.6", ""},
                   {"NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80", "N000 MT=101\n"
                                                               "N000 M421\n"
                                                               "N000 G00 X3.24 Z0.2 TL=0101 M602 M41 S700 M03 M63 M08 M263"},
                   {"N000 VLMON[1]=1+8", ""},
                   {"N000 G00 X20 Z10 G97 S700 M63", ""},
                   {"N000 VLMON[1]=0", "N000 G20 HP=4 M867 G97 S700 M05 M63 M09\n"
                                        "N000 M866\n"
                                        "NSTP M01"}}}},
        RoughCase{"FaceMacTurnToolLife", roughFaceGenerator, {kMac, true, true, true}, kBored, {{"M603", nullptr}},
                  {kFaceOtherShapeMonitor,
                  {{"N000 G00 X3.24 Z0.2 T010101 M41 S700 M03 M63 M08", ""},
                   {"NOEX VTLA2[1]=0.2 VTLL[1]=1.6", ""},
                   {"NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80", "NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80\n"
                                                               "NOEX VGRA2[1]=0.2 VGRL[1]=1.6\n"
                                                               "N000 MT=1 TG=1\n"
                                                               "N000 M421\n"
                                                               "N000 G00 X3.24 Z0.2 TG=1 OG=1 M603 M41 S700 M03 M63 M08"},
                   {"N000 VLMON[1]=1+8", ""},
                   {"N000 G00 X20 Z10 G97 S700 M63", ""},
                   {"N000 VLMON[1]=0", "N000 G00 X8 G97 S700 M63\n"
                                        "N000 G21 HP=4 M05 M63 M09"}}}},
        // 0.1 of face stock against cuts of 0.08: a facing cycle, through the centre.
        RoughCase{"FaceOuterTwoStagesThroughCentre", roughFaceOuterGenerator, {kOth}, kBlank, kOuterInput,
                  {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.1 G96 S600\n"
                                                                      "N000 G85 NAP1 D0.08 W0.005 F0.012\n"
                                                                      "NAP1 G82\n"
                                                                      "N000 G00 Z0\n"
                                                                      "N000 G01 X3 G41\n"
                                                                      "N000     X0\n"
                                                                      "N000 G40 I-1\n"
                                                                      "N000 G80\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S1020 M63"}}}},
        // A bore of 1 pre-fills the face end 0.88; the face stage stops there.
        RoughCase{"FaceOuterTwoStagesToTheBore", roughFaceOuterGenerator, {kOth, true, false, false, true}, kBored,
                  kOuterInput, {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.1 G96 S600\n"
                                                                      "N000 VLMON[1]=1+8\n"
                                                                      "N000 G85 NAP1 D0.08 W0.005 F0.012\n"
                                                                      "NAP1 G82\n"
                                                                      "N000 G00 Z0\n"
                                                                      "N000 G01 X0.88\n"
                                                                      "N000 G80\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 VLMON[1]=0\n"
                                                      "N000 G00 X20 Z10 G97 S1020 M63"}}}},
        // Face stock no larger than one cut: one pass at the finishing allowance.
        RoughCase{"FaceOuterSinglePassThroughCentre", roughFaceOuterGenerator, {kMac, true, false, true}, kBlank,
                  {{"L", "0.1"}, {"StartX", "2"}, {"EndZ", "-2"}}, {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80\n"
                                                                      "NOEX VTLA2[1]=0.2 VTLL[1]=1.6\n"
                                                                      "N000 MT=101\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.005 G96 S600\n"
                                                                      "N000 G01 X3 G41 F0.012\n"
                                                                      "N000     X0\n"
                                                                      "N000 G40 I-1\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X8 G97 S1020 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09"}}}},
        RoughCase{"FaceOuterSinglePassToTheBoreMultus", roughFaceOuterGenerator, {kMul, true, false, false, true}, kBored,
                  {{"L", "0.1"}, {"StartX", "2"}, {"EndZ", "-2"}}, {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 MT=101\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08 M263\n"
                                                                      "NT01     Z0.005 G96 S600\n"
                                                                      "N000 VLMON[1]=1\n"
                                                                      "N000 G01 X0.88 F0.012\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 VLMON[1]=0\n"
                                                      "N000 G00 Z0.2\n"
                                                      "N000 G20 HP=4 M867 G97 S1020 M05 M63 M09\n"
                                                      "N000 M866"}}}},
        // Before any workpiece input the stock reads as 0.
        RoughCase{"FaceOuterWithoutWorkShape", roughFaceOuterGenerator, {kOth}, Work{}, kOuterInput,
                  {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 G00 X0.2 Z0.2 T010101 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.005 G96 S600\n"
                                                                      "N000 G01 X0 G41 F0.012\n"
                                                                      "N000     X0\n"
                                                                      "N000 G40 I-1\n"
                                                                      "N000 G00 X0 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000     X3 A135", ""},
                   {"N000     X2.96", "N000     X-0.04\n"
                                       "N000     X0 A135"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S1020 M63"}}}},
        // Tool life writes the tool as it stands (5.5) in every word but the NT label,
        // which takes the whole part, so the load monitor after it shows 5.
        RoughCase{"OuterMacTurnToolLifeFractionalToolBAngle",
             roughOuterGenerator,
             {kMac, true, true, true, true, false},
             kBlank,
             {{"ToolNumber", "5.5"}, {"B", "45"}, {"StartX", "2"}, {"EndZ", "-2"}, {"M603", nullptr},
              {"CoolantOFF", nullptr}},
             {kOuterOther,
                  {{"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VGRIN[5.5]=1 VGRFN[5.5]=1 VGRA1[5.5]=55\n"
                                                                      "NOEX VGRA2[5.5]=3 VGRL[5.5]=1.6\n"
                                                                      "N000 MT=1 TG=5.5\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3 Z0.2 TG=5.5 OG=1 BA=45 M603 M41 S510 M03 M63 M09\n"
                                                                      "NT05     Z0.08 G96 S300\n"
                                                                      "N000 VLMON[5]=2+8"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 VLMON[5]=0\n"
                                                      "N000 G00 X8 G97 S510 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09"}}},
             0, test::ShapeAfter{0.1, 0.0f}},
        // Both machine flags: the machine type is MacTurn, so no MULTUS word is written.
        RoughCase{"OuterBothMachineFlags",
             roughOuterGenerator,
             {.kind = kMac, .bothMachineFlags = true},
             kBlank,
             {{"StartX", "2"}, {"EndZ", "-2"}},
             {kOuterOther,
                  {{"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 MT=101\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3 Z0.2 TL=0101 M602 M41 S510 M03 M63 M08"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X8 G97 S510 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09"}}},
             0, test::ShapeAfter{0.1, 0.0f}},
        // A start Z off the face and a chamfer of 0.1 on the bore; B 90 is BT=1 without a
        // shift; the bore left behind is 1.5.
        RoughCase{"InnerMacTurnShapeStartZChamferB90",
             roughInnerGenerator,
             {kMac, true, false, true},
             kBored,
             {{"StartX", "1.5"}, {"StartZ", "0.5"}, {"EndZ", "-1"}, {"C", "0.1"}, {"B", "90"}},
             {kInnerOtherToolShape,
                  {{"NT07     Z0.08 G96 S250", ""},
                   {"N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08", "N000 MT=701\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X1 Z0.2 TL=0707 BT=1 M602 M42 S550 M03 M63 M08\n"
                                                                      "NT07     Z0.58 G96 S250"},
                   {"N000     X1.04", ""},
                   {"N000     Z-1.5", ""},
                   {"N000     X1.234 A-135", ""},
                   {"N000 G01 Z0.02 G41 F0.006", ""},
                   {"N000 G00 X1.314", "N000 G00 X1.74\n"
                                        "N000 G01 Z0.52 G41 F0.006\n"
                                        "N000     X1.5 A-135\n"
                                        "N000     Z-1\n"
                                        "N000     X1.2"},
                   {"N000     X20 Z10 G97 S650 M63", "N000     X8 G97 S550 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09"}}},
             0, test::ShapeAfter{0.1, 1.5f}},
        // The typed start diameter (not the stock) sets the speed and the approach; the
        // pre-filled P-Zero is cut in the NT line; tool life on an other machine.
        RoughCase{"FaceOtherToolLifeTypedStartX",
             roughFaceGenerator,
             {kOth, true, true, true},
             kFractionalZero,
             {{"StartX", "2.5"}},
             {kFaceOtherShapeMonitor,
                  {{"N000 VLMON[1]=1+8", ""},
                   {"NT01     Z0.1 G96 S600", ""},
                   {"N000 G00 X3.24 Z0.2 T010101 M41 S700 M03 M63 M08", ""},
                   {"NOEX VTLA2[1]=0.2 VTLL[1]=1.6", ""},
                   {"NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80", "NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80\n"
                                                               "NOEX VGRA2[1]=0.2 VGRL[1]=1.6\n"
                                                               "N000 G00 X2.74 Z0.2 TG=1 OG=1 M41 S830 M03 M63 M08\n"
                                                               "NT01     Z0.123 G96 S600"},
                   {"N000     X1", ""},
                   {"N000 G01 X3 G41 F0.006", "N000 G01 X2.5 G41 F0.006\n"
                                               "N000     X0"},
                   {"N000 G00 X20 Z10 G97 S700 M63", ""},
                   {"N000 VLMON[1]=0", "N000 G00 X20 Z10 G97 S830 M63"}}},
             0, test::ShapeAfter{0.1234, 0.0f}},
        // Two stages down to a typed face end; the P-Zero written in the NT line is cut
        // and kept so in the work shape.
        RoughCase{"FaceOuterMacTurnTwoStagesTypedFaceEnd",
             roughFaceOuterGenerator,
             {kMac, true, false, false, true, true},
             kFractionalZero,
             {{"StartX", "2"}, {"EndZ", "-2"}, {"SZ", "0.5"}},
             {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "N000 MT=101\n"
                                                                      "N000 M421\n"
                                                                      "N000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.123 G96 S600\n"
                                                                      "N000 VLMON[1]=1+8\n"
                                                                      "N000 G85 NAP1 D0.08 W0.005 F0.012\n"
                                                                      "NAP1 G82\n"
                                                                      "N000 G00 Z0\n"
                                                                      "N000 G01 X0.5\n"
                                                                      "N000 G80\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 VLMON[1]=0\n"
                                                      "N000 G00 X8 G97 S1020 M63\n"
                                                      "N000 G21 HP=4 M05 M63 M09\n"
                                                      "NSTP M01"}}},
             0, test::ShapeAfter{0.123, 0.0f}},
        // One pass to a typed face end on an other machine, tool-shape data on.
        RoughCase{"FaceOuterOtherSinglePassTypedFaceEnd",
             roughFaceOuterGenerator,
             {kOth, true, false, true},
             kBlank,
             {{"L", "0.1"}, {"StartX", "2"}, {"EndZ", "-2"}, {"SZ", "0.5"}},
             {kOuterOther,
                  {{"N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01", ""},
                   {"NT01     Z0.08 G96 S300", ""},
                   {"N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08", "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80\n"
                                                                      "NOEX VTLA2[1]=0.2 VTLL[1]=1.6\n"
                                                                      "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\n"
                                                                      "NT01     Z0.005 G96 S600\n"
                                                                      "N000 G01 X0.5 F0.012\n"
                                                                      "N000 G00 X3 Z0.08\n"
                                                                      "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                   {"N000 G00 X20 Z10 G97 S510 M63", "N000 G00 X20 Z10 G97 S1020 M63"}}},
             0, test::ShapeAfter{0.1, 0.0f}}),
    [](const ::testing::TestParamInfo<RoughCase>& info) { return std::string(info.param.name); });

// --- the dialog as each command shows it ---------------------------------------------------

// What each command offers from the work shape and its fixed texts.
struct ViewCase {
    const char* name;
    ProcessGenerator (*generator)();
    Work work;
    std::vector<std::pair<const char*, const char*>> texts;
};

class RoughingDialog : public ::testing::TestWithParam<ViewCase> {};

TEST_P(RoughingDialog, ComesUpPrefilled) {
    const ViewCase& c = GetParam();
    SharedState s = stateFor({kOth}, c.work);
    Document doc(QString(), 0);
    FakeProcessDialog user;
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    runProcessGenerator(c.generator(), s, &doc.box, nullptr);
    ASSERT_EQ(user.showings, 1);
    for (const auto& [name, text] : c.texts)
        EXPECT_EQ(user.seen.text(name), QString::fromUtf8(text)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoughingDialog,
    ::testing::Values(
        ViewCase{"Outer", roughOuterGenerator, kBored, {{"ToolNumber", "1"}, {"V", "300"}, {"EndX", "3"}, {"StartZ", "0"}, {"StartX", ""}}},
        ViewCase{"OuterBeforeAnyWorkpiece", roughOuterGenerator, Work{}, {{"EndX", ""}, {"StartZ", "0"}}},
        ViewCase{"Inner", roughInnerGenerator, kBored, {{"ToolNumber", "7"}, {"EndX", "1"}, {"StartZ", "0"}}},
        ViewCase{"InnerBeforeAnyWorkpiece", roughInnerGenerator, Work{}, {{"EndX", "0"}}},
        ViewCase{"Face", roughFaceGenerator, kBored,
                 {{"StartX", "3"}, {"StartZ", "0.1"}, {"EndX", "1"}, {"EndZ", "0"}, {"L", "0.08"}}},
        ViewCase{"FaceBeforeAnyWorkpiece", roughFaceGenerator, Work{}, {{"StartX", ""}, {"StartZ", ""}, {"EndX", "0"}, {"EndZ", "0"}}},
        ViewCase{"FaceOuter", roughFaceOuterGenerator, kBored, {{"EndX", "3"}, {"StartZ", "0"}, {"SZ", "0.88"}, {"StartX", ""}}},
        ViewCase{"FaceOuterWithoutBore", roughFaceOuterGenerator, kBlank, {{"SZ", "0"}}},
        ViewCase{"FaceOuterBeforeAnyWorkpiece", roughFaceOuterGenerator, Work{}, {{"EndX", ""}, {"SZ", "0"}}}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.name); });

TEST(RoughingDialog, BAxisFieldsFollowTheMachine) {
    for (MachineKind machine : {kMac, kMul, kOth}) {
        for (auto generator : {roughOuterGenerator, roughInnerGenerator, roughFaceGenerator, roughFaceOuterGenerator}) {
            SharedState s = stateFor({machine}, kBored);
            Document doc(QString(), 0);
            FakeProcessDialog user;
            user.leaveBy(FakeProcessDialog::Leave::Cancel);
            runProcessGenerator(generator(), s, &doc.box, nullptr);
            EXPECT_EQ(user.seen.isHidden("B"), machine == kOth);
            EXPECT_EQ(user.seen.isHidden("TipPostion"), machine == kOth);
        }
    }
}

// --- the bore that inner roughing leaves ----------------------------------------------------

TEST(InnerRoughing, LeavesTheCutBoreAsTheInnerDiameterForTheFaceDialogs) {
    SharedState s = stateFor({kOth}, kBored);
    Document doc(QString(), 0);
    FakeProcessDialog user;
    user.type("StartX", "1.2345");
    runProcessGenerator(roughInnerGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(s.workShape.gMaterialID.value(), 1.234f);
    EXPECT_EQ(s.params.gStartX, 1.234);

    user.clearScript();
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    runProcessGenerator(roughFaceOuterGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("SZ"), QStringLiteral("1.114"));
    runProcessGenerator(roughFaceGenerator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.seen.text("EndX"), QStringLiteral("1.234"));
}

// --- the face stage's choice ----------------------------------------------------------------

TEST(FaceOuterRoughing, EqualStockAndCutIsOnePassWhateverTheBinaryRounding) {
    struct Case {
        double pZero;
        const char* startZ;
        const char* depth;
        bool cycle;
    } cases[] = {
        {0.1, "0", "0.05", true},  {0.1, "0", "0.1", false},  {0.1, "0", "0.2", false},
        {1.1, "0.1", "1", false},  // 1.1 − 0.1 is a hair above 1 in binary
        {1.1, "0.1", "0.999", true},
    };
    for (const Case& c : cases) {
        SharedState s = stateFor({kOth}, Work{3.0, c.pZero, 0.0f});
        Document doc(QString(), 0);
        FakeProcessDialog user;
        user.type("StartZ", c.startZ).type("L", c.depth);
        runProcessGenerator(roughFaceOuterGenerator(), s, &doc.box, nullptr);
        EXPECT_EQ(doc.box.Text().contains(QStringLiteral("G85 NAP1")), c.cycle) << c.pZero << c.startZ << c.depth;
    }
}

TEST(FaceOuterRoughing, AFaceEndThatWritesAsZeroFacesThroughTheCentre) {
    SharedState s = stateFor({kOth}, kBlank);
    Document doc(QString(), 0);
    FakeProcessDialog user;
    user.type("SZ", "0.0004");
    runProcessGenerator(roughFaceOuterGenerator(), s, &doc.box, nullptr);
    EXPECT_TRUE(doc.box.Text().contains(QStringLiteral("N000 G01 X3 G41\r\nN000     X0\r\nN000 G40 I-1\r\n")));
}

// --- failures -------------------------------------------------------------------------------

TEST(Roughing, HugeValuesAreReportedNotWritten) {
    const Typing inputs[] = {{{"StartX", "1E306"}}, {{"EndX", "1E306"}}, {{"C", "3E38"}}};
    for (auto generator : {roughOuterGenerator, roughInnerGenerator, roughFaceGenerator, roughFaceOuterGenerator}) {
        for (const Typing& typed : inputs) {
            if (generator == roughFaceGenerator && typed[0].first == std::string("C"))
                continue;  // facing has no chamfer
            SharedState s = stateFor({kOth}, kBlank);
            Document doc(QStringLiteral("text"), 0);
            FakeProcessDialog user;
            user.type("StartX", "2");
            for (const auto& [box, text] : typed)
                user.type(box, QString::fromLatin1(text));
            runProcessGenerator(generator(), s, &doc.box, nullptr);
            EXPECT_EQ(doc.box.Text(), QStringLiteral("text")) << typed[0].first;
            ASSERT_EQ(user.messages.size(), 1u) << typed[0].first;
            EXPECT_EQ(user.messages[0].title, QStringLiteral("Error 6")) << typed[0].first;
        }
    }
}

}  // namespace

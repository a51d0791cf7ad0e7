#include <gtest/gtest.h>

#include "cycle_fixture.h"
#include "cycles/roughing.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

const Stock kBlank{3.0, 0.1, 0.0f};
const Stock kBored{3.0, 0.1, 1.0f};
const Stock kFractionalZero{3.0, 0.12345, 0.0f};

// O.D. on an other machine, the worked example: S = floor(300 × 1000 ÷ 3.14 ÷ 3.28 ÷ 56.8
// ÷ 10) × 10; approach (8, 0.2), home (20, 10).
const QString kOuter = crlf(R"((-----< OD.ROUGH >-----)
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
	
)");

// I.D. with tool-shape data; the start diameter is cut to 1.234 before the speed (S650,
// where 1.23405 gives S640) and left as the bore.
const QString kInner = crlf(R"((-----< ID.ROUGH >-----)
NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60
NOEX VTLA2[7]=3 VTLD[7]=0.8 VTLL[7]=2.3
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
	
)");

// Facing from the stock (3, P-Zero 0.1) down to the bore (1) at Z0, all pre-filled.
const QString kFace = crlf(R"((-----< OD.ROUGH FACE >-----)
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
	
)");

const char* const kToolCall = "N000 G00 X3 Z0.2 T010101 M41 S510 M03 M63 M08";
const char* const kNt = "NT01     Z0.08 G96 S300";
const char* const kCycle = "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.01";
const char* const kHome = "N000 G00 X20 Z10 G97 S510 M63";
const Typing kOuterInput = {{"StartX", "2"}, {"EndZ", "-2"}};

// One pass at the allowance, through the centre.
const std::vector<Edit> kFaceOuterSinglePass = {{kCycle, ""}, {kNt, ""},
    {kToolCall, "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\nNT01     Z0.005 G96 S600\n"
                "N000 G01 X3 G41 F0.012\nN000     X0\nN000 G40 I-1\nN000 G00 X3 Z0.08\n"
                "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
    {kHome, "N000 G00 X20 Z10 G97 S1020 M63"}};

class Roughing : public ::testing::TestWithParam<CycleCase> {};

TEST_P(Roughing, WholeBlock) { expectWorkCase(GetParam(), kOuter, 8); }

const auto outer = roughOuterGenerator;
const auto inner = roughInnerGenerator;
const auto face = roughFaceGenerator;
const auto faceOuter = roughFaceOuterGenerator;

INSTANTIATE_TEST_SUITE_P(
    Table, Roughing,
    ::testing::Values(
        CycleCase{.name = "Outer", .generator = outer, .machine = {kOth}, .typed = kOuterInput, .speedAfter = 510,
             .work = kBlank},
        // Fractional inch sizes keep their ten-thousandths.
        CycleCase{.name = "OuterFractionalSizes", .generator = outer, .machine = {kOth},
             .typed = {{"StartX", "1.3125"}, {"EndZ", "-0.6875"}},
             .edits = {{kToolCall, "N000 G00 X3 Z0.2 T010101 M41 S740 M03 M63 M08"},
                       {"N000 G00 X1.92", "N000 G00 X1.2325"},
                       {"N000     X2 A135", "N000     X1.3125 A135"}, {"N000     Z-2", "N000     Z-0.6875"},
                       {kHome, "N000 G00 X20 Z10 G97 S740 M63"}}, .speedAfter = 740, .work = kBlank},
        // A chamfer of 0.1 keeps its thousandths: 2 − 2 × 0.12 and 3 − 2 × 0.1.
        CycleCase{.name = "OuterMultusToolLifeChamfer", .generator = outer,
             .machine = {.kind = kMul, .toolLife = true, .toolShape = true},
             .typed = plus(kOuterInput, {{"ToolNumber", "12"}, {"C", "0.1"}, {"B", "45"}, {"SpindleCCW", nullptr}}),
             .edits = {{kNt, ""},
              {kToolCall, "NOEX VGRIN[12]=1 VGRFN[12]=1 VGRA1[12]=55\nNOEX VGRA2[12]=3 VGRL[12]=1.6\n"
                          "N000 MT=1 TG=12\nN000 M421\n"
                          "N000 G00 X3 Z0.2 TG=12 OG=1 BA=45 M602 M41 S510 M04 M63 M08 M263\nNT12     Z0.08 G96 S300"},
              {"N000 G00 X1.92", "N000 G00 X1.76"}, {"N000     X2.96", "N000     X2.8"},
              {kHome, "N000 G20 HP=4 M867 G97 S510 M05 M63 M09\nN000 M866"}}, .work = kBlank},
        // A V written as 0 computes no speed: the earlier one stays and is written.
        CycleCase{.name = "OuterSpeedWrittenAsZeroKeepsTheEarlierOne", .generator = outer, .machine = {kOth},
             .typed = plus(kOuterInput, {{"V", "0.00004"}}),
             .edits = {{kNt, ""}, {kToolCall, "N000 G00 X3 Z0.2 T010101 M41 S1230 M03 M63 M08\nNT01     Z0.08 G96 S0"},
                       {kHome, "N000 G00 X20 Z10 G97 S1230 M63"}}, .speedAfter = kEarlierSpeed, .work = kBlank},
        // Tool life writes the tool as it stands (5.5) in every word but the NT label, which
        // takes the whole part, as does the load monitor after it; the optional stop closes.
        CycleCase{.name = "OuterMacTurnToolLifeFractionalTool", .generator = outer,
             .machine = {.kind = kMac, .toolLife = true, .toolShape = true, .loadMonitor = true, .optionalStop = true},
             .typed = plus(kOuterInput, {{"ToolNumber", "5.5"}, {"B", "45"}, {"M603", nullptr}, {"CoolantOFF", nullptr}}),
             .edits = {{kNt, ""},
              {kToolCall, "NOEX VGRIN[5.5]=1 VGRFN[5.5]=1 VGRA1[5.5]=55\nNOEX VGRA2[5.5]=3 VGRL[5.5]=1.6\n"
                          "N000 MT=1 TG=5.5\nN000 M421\n"
                          "N000 G00 X3 Z0.2 TG=5.5 OG=1 BA=45 M603 M41 S510 M03 M63 M09\nNT05     Z0.08 G96 S300\n"
                          "N000 VLMON[5]=2+8"},
              {kHome, "N000 VLMON[5]=0\nN000 G00 X8 G97 S510 M63\nN000 G21 HP=4 M05 M63 M09\nNSTP M01"}}, .work = kBlank,
             .pZeroAfter = 0.1},

        CycleCase{.name = "Inner", .generator = inner, .machine = {.kind = kOth, .toolShape = true},
             .typed = {{"StartX", "1.23405"}, {"EndZ", "-1.5"}}, .speedAfter = 650, .work = kBored, .base = &kInner,
             .boreAfter = 1.234f},
        // A start Z off the face and a chamfer of 0.1 on the bore; B 90 is BT=1.
        CycleCase{.name = "InnerMacTurnStartZChamferB90", .generator = inner,
             .machine = {.kind = kMac, .toolShape = true},
             .typed = {{"StartX", "1.5"}, {"StartZ", "0.5"}, {"EndZ", "-1"}, {"C", "0.1"}, {"B", "90"}},
             .edits = {{"NT07     Z0.08 G96 S250", ""},
              {"N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08",
               "N000 MT=701\nN000 M421\nN000 G00 X1 Z0.2 TL=0707 BT=1 M602 M42 S550 M03 M63 M08\nNT07     Z0.58 G96 S250"},
              {"N000     X1.04", ""}, {"N000     Z-1.5", ""}, {"N000     X1.234 A-135", ""},
              {"N000 G01 Z0.02 G41 F0.006", ""},
              {"N000 G00 X1.314", "N000 G00 X1.74\nN000 G01 Z0.52 G41 F0.006\nN000     X1.5 A-135\nN000     Z-1\n"
                                  "N000     X1.2"},
              {"N000     X20 Z10 G97 S650 M63", "N000     X8 G97 S550 M63\nN000 G21 HP=4 M05 M63 M09"}}, .work = kBored,
             .base = &kInner, .boreAfter = 1.5f},

        // The boring bar's data under the tool-life names.
        CycleCase{.name = "InnerToolLife", .generator = inner,
             .machine = {.kind = kOth, .toolLife = true, .toolShape = true},
             .typed = {{"StartX", "1.23405"}, {"EndZ", "-1.5"}},
             .edits = {{"NOEX VTLIN[7]=2 VTLFN[7]=1 VTLA1[7]=60", "NOEX VGRIN[7]=2 VGRFN[7]=1 VGRA1[7]=60"},
                       {"NOEX VTLA2[7]=3 VTLD[7]=0.8 VTLL[7]=2.3", "NOEX VGRA2[7]=3 VGRD[7]=0.8 VGRL[7]=2.3"},
                       {"N000 G00 X1 Z0.2 T070707 M42 S650 M03 M63 M08", "N000 G00 X1 Z0.2 TG=7 OG=1 M42 S650 M03 M63 M08"}},
             .speedAfter = 650, .work = kBored, .base = &kInner, .boreAfter = 1.234f},

        CycleCase{.name = "Face", .generator = face, .machine = {.kind = kOth, .toolShape = true, .loadMonitor = true},
             .speedAfter = 700, .work = kBored, .base = &kFace},
        // The typed start diameter (not the stock) sets the speed and the approach; the
        // pre-filled P-Zero is cut in the NT line and kept uncut.
        CycleCase{.name = "FaceToolLifeTypedStartX", .generator = face,
             .machine = {.kind = kOth, .toolLife = true, .toolShape = true}, .typed = {{"StartX", "2.5"}},
             .edits = {{"N000 VLMON[1]=1+8", ""}, {"NT01     Z0.1 G96 S600", ""},
              {"N000 G00 X3.24 Z0.2 T010101 M41 S700 M03 M63 M08", ""}, {"NOEX VTLA2[1]=0.2 VTLL[1]=1.6", ""},
              {"NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80",
               "NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80\nNOEX VGRA2[1]=0.2 VGRL[1]=1.6\n"
               "N000 G00 X2.74 Z0.2 TG=1 OG=1 M41 S830 M03 M63 M08\nNT01     Z0.1234 G96 S600"}, {"N000     X1", ""},
              {"N000 G01 X3 G41 F0.006", "N000 G01 X2.5 G41 F0.006\nN000     X0"},
              {"N000 G00 X20 Z10 G97 S700 M63", ""}, {"N000 VLMON[1]=0", "N000 G00 X20 Z10 G97 S830 M63"}},
             .speedAfter = 830, .work = kFractionalZero, .base = &kFace, .pZeroAfter = 0.12345},

        // 0.1 of face stock against cuts of 0.08: a facing cycle, through the centre.
        CycleCase{.name = "FaceOuterTwoStagesThroughCentre", .generator = faceOuter, .machine = {kOth},
             .typed = kOuterInput,
             .edits = {{kCycle, ""}, {kNt, ""},
                       {kToolCall, "N000 G00 X3.2 Z0.2 T010101 M41 S1020 M03 M63 M08\nNT01     Z0.1 G96 S600\n"
                       "N000 G85 NAP1 D0.08 W0.005 F0.012\nNAP1 G82\nN000 G00 Z0\nN000 G01 X3 G41\nN000     X0\n"
                       "N000 G40 I-1\nN000 G80\nN000 G00 X3 Z0.08\nN000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
                       {kHome, "N000 G00 X20 Z10 G97 S1020 M63"}}, .speedAfter = 1020, .work = kBlank},
        // Two stages down to a typed face end; the P-Zero written is cut and kept so.
        CycleCase{.name = "FaceOuterMacTurnTwoStagesTypedFaceEnd", .generator = faceOuter,
             .machine = {.kind = kMac, .loadMonitor = true, .optionalStop = true},
             .typed = plus(kOuterInput, {{"SZ", "0.5"}}),
             .edits = {{kCycle, ""}, {kNt, ""},
              {kToolCall, "N000 MT=101\nN000 M421\nN000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08\n"
                          "NT01     Z0.1234 G96 S600\nN000 VLMON[1]=1+8\nN000 G85 NAP1 D0.08 W0.005 F0.012\nNAP1 G82\n"
                          "N000 G00 Z0\nN000 G01 X0.5\nN000 G80\nN000 G00 X3 Z0.08\n"
                          "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
              {kHome, "N000 VLMON[1]=0\nN000 G00 X8 G97 S1020 M63\nN000 G21 HP=4 M05 M63 M09\nNSTP M01"}},
             .work = kFractionalZero, .pZeroAfter = 0.1234},
        // One pass at the allowance, to the pre-filled face end 0.88 of the bore.
        CycleCase{.name = "FaceOuterMultusSinglePassToTheBore", .generator = faceOuter,
             .machine = {.kind = kMul, .loadMonitor = true}, .typed = plus(kOuterInput, {{"L", "0.1"}}),
             .edits = {{kCycle, ""}, {kNt, ""},
              {kToolCall, "N000 MT=101\nN000 M421\nN000 G00 X3.2 Z0.2 TL=0101 M602 M41 S1020 M03 M63 M08 M263\n"
                          "NT01     Z0.005 G96 S600\nN000 VLMON[1]=1\nN000 G01 X0.88 F0.012\nN000 G00 X3 Z0.08\n"
                          "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
              {kHome, "N000 VLMON[1]=0\nN000 G00 Z0.2\nN000 G20 HP=4 M867 G97 S1020 M05 M63 M09\nN000 M866"}},
             .work = kBored},
        // A bar of 2.5 is approached, faced and turned from 2.5 itself.
        CycleCase{.name = "FaceOuterFractionalStock", .generator = faceOuter, .machine = {kOth}, .typed = kOuterInput,
             .edits = {{kCycle, ""}, {kNt, ""},
              {kToolCall, "N000 G00 X2.7 Z0.2 T010101 M41 S1020 M03 M63 M08\nNT01     Z0.1 G96 S600\n"
                          "N000 G85 NAP1 D0.08 W0.005 F0.012\nNAP1 G82\nN000 G00 Z0\nN000 G01 X2.5 G41\nN000     X0\n"
                          "N000 G40 I-1\nN000 G80\nN000 G00 X2.5 Z0.08\nN000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"},
              {"N000     X3 A135", "N000     X2.5 A135"}, {"N000     X2.96", "N000     X2.46"},
              {kHome, "N000 G00 X20 Z10 G97 S1020 M63"}}, .work = Stock{2.5, 0.1, 0.0f}},
        // Before any workpiece input the stock is written as 0.
        CycleCase{.name = "FaceOuterWithoutWorkShape", .generator = faceOuter, .machine = {kOth}, .typed = kOuterInput,
             .edits = {{kCycle, ""}, {kNt, ""},
              {kToolCall, "N000 G00 X0.2 Z0.2 T010101 M41 S1020 M03 M63 M08\nNT01     Z0.005 G96 S600\n"
                          "N000 G01 X0 G41 F0.012\nN000     X0\nN000 G40 I-1\nN000 G00 X0 Z0.08\n"
                          "N000 G85 NAP2 D0.1 U0.02 W0.005 F0.015"}, {"N000     X3 A135", ""},
              {"N000     X2.96", "N000     X-0.04\nN000     X0 A135"}, {kHome, "N000 G00 X20 Z10 G97 S1020 M63"}}},
        // P-Zero 0.10005 writes as 0.1: its stock over the start Z is not above a cut of 0.1,
        // so one pass; a face end that writes as 0 faces through the centre.
        CycleCase{.name = "FaceOuterWrittenValuesDecide", .generator = faceOuter, .machine = {kOth},
             .typed = plus(kOuterInput, {{"L", "0.1"}, {"SZ", "0.00004"}}), .edits = kFaceOuterSinglePass,
             .work = Stock{3.0, 0.10005, 0.0f}},
        // A cut too large to write is never written: one pass.
        CycleCase{.name = "FaceOuterCutBeyondDouble", .generator = faceOuter, .machine = {kOth},
             .typed = plus(kOuterInput, {{"L", "1E306"}, {"SZ", "0"}}), .edits = kFaceOuterSinglePass, .work = kBlank},
        CycleCase{.name = "FaceOuterCutBeyondSingle", .generator = faceOuter, .machine = {kOth},
             .typed = plus(kOuterInput, {{"L", "3.4E38"}, {"SZ", "0"}}), .edits = kFaceOuterSinglePass, .work = kBlank}),
    caseName);

// Equal stock and cut is one pass whatever the binary rounding: 0.4 − 0.1 is a hair
// above 0.3.
TEST(FaceOuterRoughing, EqualStockAndCutIsOnePass) {
    for (const auto& [depth, cycle] : {std::pair{"0.3", false}, std::pair{"0.299", true}}) {
        SharedState s = cycleState({kOth}, {3.0, 0.4, 0.0f});
        Document doc;
        FakeProcessDialog user;
        user.type("StartZ", "0.1").type("L", depth);
        runProcessGenerator(roughFaceOuterGenerator(), s, &doc.box, nullptr);
        EXPECT_EQ(doc.box.Text().contains(QStringLiteral("G85 NAP1")), cycle) << depth;
    }
}

// What each command pre-fills from the work shape.
TEST(RoughingDialog, ComesUpPrefilledFromTheWorkShape) {
    const struct {
        ProcessGenerator (*generator)();
        Stock work;
        std::vector<std::pair<const char*, const char*>> texts;
    } cases[] = {
        {outer, kBored, {{"EndX", "3"}, {"StartZ", "0"}, {"StartX", ""}}},
        {faceOuter, {2.5, 0.1, 1.9f}, {{"EndX", "2.5"}, {"SZ", "1.78"}}},
        {face, {}, {{"StartX", ""}, {"StartZ", ""}, {"EndX", "0"}}},
    };
    for (const auto& c : cases) {
        const ProcessDialogView seen = dialogShown(c.generator, c.work);
        for (const auto& [name, text] : c.texts)
            EXPECT_EQ(seen.text(name), QString::fromUtf8(text)) << name;
    }
}

}  // namespace

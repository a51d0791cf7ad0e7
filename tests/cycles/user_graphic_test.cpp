#include <gtest/gtest.h>

#include "cycle_fixture.h"
#include "cycles/user_graphic.h"

using namespace quillmar;
using test::crlf;

namespace {

struct SubCase {
    const char* name;
    UgcInput input;
    test::Expected expected;
};

class UserGraphic : public ::testing::TestWithParam<SubCase> {};

TEST_P(UserGraphic, BuildsTheSubprogram) {
    const SubCase& c = GetParam();
    SharedState s;
    s.gOutputText = QStringLiteral("left over");
    executeUserGraphic(c.input, s);
    EXPECT_EQ(s.gOutputText.toStdString(), c.expected.text(crlf).toStdString());
}

// The usual blank: P-Zero 0.1, jaw 0.5 long and 0.25 deep, 4 long, 3 across.
const char* const kChucked = R"(	
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

INSTANTIATE_TEST_SUITE_P(
    Table, UserGraphic,
    ::testing::Values(
        SubCase{"MainOuterChuck", {.Text9 = "0.1", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3"},
                kChucked},
        // The stock keeps its fractions; only the first P-Zero is cut to a whole number.
        SubCase{"BoreFractionsAndFace",
                {.Text9 = "0.25", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4.7", .Text5 = "2.9", .Text4 = "3.5",
                 .Check2 = true},
                {kChucked,
                  {{"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=2.9 VCHKZ=-4.45"},
                   {"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[2,0],[47,29]\nN000 PS RC,[2.5,0],[47,35],0\nN000 END\n"
                                                 "N000 DEF WORKF\nN000 PF 0,[0,0],29,D\nN000 PF 0,[0,0],35,D,0\n"
                                                 "N000 PO [0,17.5]\nN000 CI [0,0],[0,-17.5],R,0"}}}},
        // The bore's circle has the radius of its diameter, a thin one too.
        SubCase{"FractionalBarAndBore",
                {.Text9 = "0.1", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "2.5", .Text4 = "1.9",
                 .Check2 = true},
                {kChucked,
                  {{"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=2.5 VCHKZ=-3.9"},
                   {"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,25]\nN000 PS RC,[1,0],[40,19],0\nN000 END\n"
                                                 "N000 DEF WORKF\nN000 PF 0,[0,0],25,D\nN000 PF 0,[0,0],19,D,0\n"
                                                 "N000 PO [0,9.5]\nN000 CI [0,0],[0,-9.5],R,0"}}}},
        // The bore's radius is half the diameter the PF line writes, in double precision.
        SubCase{"LargeBoreRadiusInDouble",
                {.Text9 = "0.1", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3", .Text4 = "9999.999",
                 .Check2 = true},
                {kChucked,
                  {{"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,30]\nN000 PS RC,[1,0],[40,99999.99],0\nN000 END\n"
                                                 "N000 DEF WORKF\nN000 PF 0,[0,0],30,D\nN000 PF 0,[0,0],99999.99,D,0\n"
                                                 "N000 PO [0,49999.995]\nN000 CI [0,0],[0,-49999.995],R,0"}}}},
        SubCase{"ThinBore",
                {.Text9 = "0.1", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3", .Text4 = "0.1",
                 .Check2 = true},
                {kChucked,
                  {{"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,30]\nN000 PS RC,[1,0],[40,1],0\nN000 END\n"
                                                 "N000 DEF WORKF\nN000 PF 0,[0,0],30,D\nN000 PF 0,[0,0],1,D,0\n"
                                                 "N000 PO [0,0.5]\nN000 CI [0,0],[0,-0.5],R,0"}}}},
        // The centre's VWKR cuts P-Zero in place, so the PS lines see 0.1234; the inner
        // diameter is still read and drawn, and chucking on it puts it in VCHKX.
        SubCase{"CentreChuckedInTheBore",
                {.Text9 = "0.12345", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3", .Text4 = "2",
                 .Text8 = "1.5", .Text7 = "0.5", .Text6 = "0.75", .OD = false, .Check1 = true},
                {kChucked,
                  {{"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=2 VCHKZ=-3.8766"},
                   {"NOEX VWKR=393", "NOEX VTSDA=0.75 VTSDB=0.5\nNOEX VTSL=1.5 VWKR=0.1234"},
                   {"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[1,0],[40,30]\nN000 PS RC,[1.234,0],[40,20],0"}}}},
        // A negative P-Zero: the whole part of −2.5 is −2; the bore's line keeps −2.5.
        SubCase{"NegativePZeroWithBore",
                {.Text9 = "-0.25", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3", .Text4 = "1"},
                {kChucked,
                  {{"NOEX VCHKX=3 VCHKZ=-3.9", "NOEX VCHKX=3 VCHKZ=-4.25"},
                   {"N000 PS RC,[1,0],[40,30]", "N000 PS RC,[-2,0],[40,30]\nN000 PS RC,[-2.5,0],[40,10],0"}}}},
        // A negative inner diameter is no bore: neither the second "PS" line nor the bore's
        // face lines.
        SubCase{"NegativeInnerDiameterIsNoBore",
                {.Text9 = "0.1", .Text1 = "0.5", .Text2 = "0.25", .Text3 = "4", .Text5 = "3", .Text4 = "-2",
                 .Check2 = true},
                {kChucked, {{"+N000 PS RC,[1,0],[40,30]", "N000 END\nN000 DEF WORKF\nN000 PF 0,[0,0],30,D"}}}}),
    [](const ::testing::TestParamInfo<SubCase>& info) { return std::string(info.param.name); });

TEST(UserGraphic, StoresTheWorkShape) {
    SharedState s;
    executeUserGraphic({.Text9 = "0.12345", .Text1 = "0.5", .Text2 = "0.123456", .Text3 = "4.99", .Text5 = "-2.9",
                        .Text4 = "1.9", .Check3 = true},
                       s);
    const WorkShape& w = s.workShape;
    EXPECT_EQ(w.gPZero, 0.12345);  // only a centre's VWKR cuts it
    EXPECT_EQ(w.gJawClamp, 0.5);
    EXPECT_EQ(w.gJawDepth, 0.1234);  // cut by the VCHKD word
    EXPECT_EQ(w.gMaterialOD, -2.9);
    EXPECT_EQ(w.gLengthOL, 4.99);
    EXPECT_EQ(w.gMaterialID.value(), 1.9f);
    EXPECT_TRUE(w.gUgcCallEnabled);
}

TEST(UserGraphic, WithoutGraphckTheCallIsLeftAsItWas) {
    SharedState s;
    s.workShape.gUgcCallEnabled = true;
    executeUserGraphic({.Text5 = "3"}, s);
    EXPECT_TRUE(s.workShape.gUgcCallEnabled);
}

TEST(UserGraphic, OverflowIsAnErrorAndChangesNothing) {
    // 10 × length, 10 × inner diameter in single, and no number at all.
    const UgcInput cases[] = {{.Text3 = "1E306", .Text5 = "3"}, {.Text5 = "3", .Text4 = "3E38"},
                              {.Text9 = "1E400", .Text5 = "3"}};
    for (const UgcInput& in : cases) {
        SharedState s;
        s.workShape.gPZero = 7.0;
        s.gOutputText = QStringLiteral("before");
        EXPECT_EQ(test::runtimeErrorOf([&] { executeUserGraphic(in, s); }), kErrOverflow);
        EXPECT_EQ(s.workShape.gPZero, 7.0);
        EXPECT_FALSE(s.workShape.gMaterialOD.has_value());
        EXPECT_EQ(s.gOutputText, QStringLiteral("before"));
    }
}

}  // namespace

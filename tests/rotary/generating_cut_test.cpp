#include <gtest/gtest.h>

#include "rotary/generating_cut.h"
#include "rotary_fixture.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// Tool 4, V 200, F 0.004, cutter 0.25; the boxes C, D, L and W are hidden.
const QStringList kRow = {"M-CX", "", "4", "0", "1", "200", "0.004", "0", "0", "0.25", "0", "0"};
const Typing kTyping = {{"StartX", "30"}, {"StartZ", "0"},  {"StartC", "0"},
                              {"EndX", "10"},   {"EndZ", "-2"}, {"EndC", "90"}};
const QString kFaceCut = block(R"(
(-----< FACE ENDMILL D0.25 >-----)
NOEX VTLIN[4]=36 VTLFN[4]=1
NOEX VTLD[4]=0.25 VTLL[4]=2.8
N000 MT=403
N000 M421
N000 G94 M110 TL=0404
NT04 G00 C0 X200 Z50 SB=3050 M13 M63 M08
N000     X30
N000     Z0.08
N000 G01 Z-2 M147 F=SB*0.004
N000 G101 C90 X10 M146
N000 G00 Z50
N000     X200
N000 G21 HP=4 M12 M63 M09
<TAB>
)");
const Family kFamily{kRow, kTyping, kFaceCut};


const Typing kSide = {{"StartX", "30"}, {"StartZ", "-5"}, {"StartC", "45"},
                            {"EndX", "20"},   {"EndZ", "-15"},  {"EndC", "180"}};
const std::vector<Edit> kSideEdits = {
    {"(-----< FACE ENDMILL D0.25 >-----)", "(-----< SIDE ENDMILL D0.25 >-----)"},
    {"NOEX VTLIN[4]=36 VTLFN[4]=1", "NOEX VTLIN[4]=30.2 VTLFN[4]=1"},
    {"NOEX VTLD[4]=0.25 VTLL[4]=2.8", "NOEX VTLD[4]=0.25 VTLL[4]=5.8"},
    {"N000 G94 M110 TL=0404", "N000 G94 M110 TL=0404 G52 BA=90 M66"},
    {"NT04 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT04 G00 C45 X200 Z50 SB=3050 M13 M63 M08"},
    {"N000     X30", "N000     Z-5"}, {"N000     Z0.08", "N000     X30.16"},
    {"N000 G01 Z-2 M147 F=SB*0.004", "N000 G01 X20 M147 F=SB*0.004"},
    {"N000 G101 C90 X10 M146", "N000 G101 C180 Z-15 M146"}, {"N000 G00 Z50", "N000 G00 X200"}, {"N000     X200", ""},
};

INSTANTIATE_TEST_SUITE_P(
    GeneratingCut, RotaryBlocks,
    ::testing::Values(
        RotaryCase{"FaceMacTurn", &kFamily, faceGeneratingCutGenerator, kMacTurnShape, {}, {}},
        // The start Z and the plunge Z written as typed cuts: 0.12345 + 0.08; the start and
        // end C, angles, keep their thousandths of a degree.
        // Without OSP-U100 the M62 stands behind the first positioning line.
        RotaryCase{"FaceMultusToolLifeNoOsp", &kFamily, faceGeneratingCutGenerator,
                  Machine{.kind = MachineKind::Multus, .ospU100 = false, .toolLife = true, .toolShape = true},
                  {{"StartZ", "0.12345"}, {"StartC", "12.3456"}, {"EndC", "90.1234"}},
                  {{"NOEX VTLIN[4]=36 VTLFN[4]=1", "NOEX VGRIN[4]=36 VGRFN[4]=1"},
                   {"NOEX VTLD[4]=0.25 VTLL[4]=2.8", "NOEX VGRD[4]=0.25 VGRL[4]=2.9234"},
                   {"N000 MT=403", "N000 MT=3 TG=4"}, {"N000 G94 M110 TL=0404", "N000 G94 M110 TG=4 OG=1"},
                   {"NT04 G00 C0 X200 Z50 SB=3050 M13 M63 M08", "NT04 G00 C12.345 X200 Z50 SB=3050 M13 M64 M08"},
                   {"N000     X30", "N000     X30 M62"}, {"N000     Z0.08", "N000     Z0.2034"}, {"N000     X200", ""},
                   {"N000 G101 C90 X10 M146", "N000 G101 C90.123 X10 M146"},
                   {"N000 G21 HP=4 M12 M63 M09", "N000 G20 HP=4 M867 M12 M63 M09\nN000 M866"}}},
        RotaryCase{"SideMacTurnNoOsp", &kFamily, sideGeneratingCutGenerator, kMacTurnNoOsp, kSide,
                   plus(kSideEdits, {{"NT04 G00 C45 X200 Z50 SB=3050 M13 M63 M08", "NT04 G00 C45 X200 Z50 SB=3050 M13 M64 M08"},
                                           {"N000     Z-5", "N000     Z-5 M62"}})}),
    blockName);

}  // namespace

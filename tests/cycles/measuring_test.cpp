#include <gtest/gtest.h>

#include <vector>

#include "cycle_fixture.h"
#include "cycles/measuring.h"
#include "cycles/process_error.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

struct MeasureCase {
    const char* name;
    ProcessGenerator (*generator)();
    Machine machine;
    Typing typed;
    std::vector<Edit> edits;  // from the family's whole expected text
    const char* document = "O1000\n";
    qint64 caret = 7;  // where it stays after a measuring pass
};

void PrintTo(const MeasureCase& c, std::ostream* os) { *os << c.name; }

// Runs a command as a user would and checks text, caret, change count and output. A
// measuring pass puts its call at the caret and its subprogram, the output, at the end;
// a zero offset writes one block at the caret, which ends after it.
void expectRun(const MeasureCase& c, const QString& base, int changes) {
    SharedState s = cycleState(c.machine, {});
    Document doc(crlf(c.document), c.caret);
    FakeProcessDialog user;
    enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    EXPECT_TRUE(user.messages.empty());
    const QString expected = edited(base, c.edits);
    EXPECT_EQ(doc.box.Text().toStdString(), expected.toStdString());
    const bool blockAtCaret = changes == 1;
    EXPECT_EQ(doc.box.SelStart(), blockAtCaret ? expected.size() : c.caret);
    EXPECT_EQ(doc.box.SelLength(), 0);
    EXPECT_EQ(doc.changes, changes);
    EXPECT_EQ(s.gOutputText.toStdString(),
              expected.mid(blockAtCaret ? c.caret : expected.indexOf(QLatin1Char('\t'))).toStdString());
    EXPECT_EQ(s.profile.gApproachX, c.machine.approachX);  // the profile is written through copies
}

// --- the four measuring passes ----------------------------------------------------------

const Typing kTarget = {{"EndX", "2.5"}, {"EndZ", "-1"}};

// The inside diameter on an Other machine, the document "O1000" and a line end, the caret
// at its end: the call line at the caret, the subprogram on its own line at the end.
const QString kInsideDiameter = block(R"(
O1000
N000 CALL OME12 (ID.MEASURE D2.5)
<TAB>
----------< ID.MEASURE D2.5 >----------
OME12
N000 IF[VDIN[32]EQ 0]NRTS
N000 G00 X200 Z50 T0505
NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05
$         MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 TOFN=21
N000 G00 X200
N000     X500 Z500
NRTS RTS
)");

class MeasuringPass : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasuringPass, CallAtTheCaretSubprogramAtTheEnd) { expectRun(GetParam(), kInsideDiameter, 2); }

constexpr auto kInD = measureInsideDiameterGenerator;
constexpr auto kInR = measureInsideRadiusGenerator;
constexpr auto kOutD = measureOutsideDiameterGenerator;
constexpr auto kOutR = measureOutsideRadiusGenerator;
const char* const kCall = "N000 CALL OME12 (ID.MEASURE D2.5)";
const char* const kDollar = "$         MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 TOFN=21";

INSTANTIATE_TEST_SUITE_P(
    Table, MeasuringPass,
    ::testing::Values(
        MeasureCase{"InsideDiameter", kInD, {}, kTarget, {}},
        MeasureCase{"MultusToolLifeOptionalStop", kInD, {.kind = kMul, .toolLife = true, .optionalStop = true},
                    {{"EndX", "2.5"}, {"EndZ", "-1"}, {"B", "45"}, {"M603", nullptr}},
                    {{"+N000 IF[VDIN[32]EQ 0]NRTS", "N000 MT=1 TG=5\nN000 M421"},
                     {"N000 G00 X200 Z50 T0505", "N000 G00 X200 Z50 TL=0505 BA=45 M603"},
                     {kDollar, "$         MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 ATG=21 AOG=1"},
                     {"N000     X500 Z500", "N000 G20 HP=4 M867\nN000 M866\nNSTP M01"}}},
        // The sensor goes in 0.4 short of the target diameter, inside the bore.
        MeasureCase{"InsideRadiusStartsInsideTheBore", kInR, {}, kTarget,
                    {{kCall, "N000 CALL OME11 (ID.MEASURE D2.5)"}, {"OME12", "OME11"},
                     {"NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05", "NT05     X2.1\nN000     Z-1"},
                     {kDollar, "N000 CALL OWMXA MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 TOFN=21"},
                     {"N000 G00 X200", "N000 G00 Z50\nN000     X200"}}},
        MeasureCase{"OutsideDiameterFromTheStartPointNoRetract", kOutD, {},
                    {{"StartX", "3"}, {"StartZ", "0.5"}, {"EndX", "2.5"}, {"EndZ", "-1"}},
                    {{kCall, "N000 CALL OME02 (OD.MEASURE D2.5)"},
                     {"----------< ID.MEASURE D2.5 >----------", "----------< OD.MEASURE D2.5 >----------"},
                     {"OME12", "OME02"},
                     {"NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05",
                      "NT05 CALL ODOAA XP1=3 ZP1=0.5 ZP2=-1 TOF1=15 TOF2=05"}, {"N000 G00 X200", ""}}},
        // An inch target and a fine OK band keep their ten-thousandths.
        MeasureCase{"OutsideDiameterInchTolerances", kOutD, {},
                    {{"StartX", "3"}, {"StartZ", "0.5"}, {"EndX", "1.3125"}, {"EndZ", "-1"}, {"U", "0.0005"},
                     {"W", "0.002"}},
                    {{kCall, "N000 CALL OME02 (OD.MEASURE D1.3125)"},
                     {"----------< ID.MEASURE D2.5 >----------", "----------< OD.MEASURE D1.3125 >----------"},
                     {"OME12", "OME02"},
                     {"NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05",
                      "NT05 CALL ODOAA XP1=3 ZP1=0.5 ZP2=-1 TOF1=15 TOF2=05"},
                     {kDollar, "$         MSP=1.3125 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.0005 DNG=0.002 TOFN=21"},
                     {"N000 G00 X200", ""}}},
        MeasureCase{"OutsideRadius", kOutR, {}, {{"V", "3"}, {"EndX", "2.5"}, {"EndZ", "-1"}},
                    {{kCall, "N000 CALL OME01 (OD.MEASURE D2.5)"},
                     {"----------< ID.MEASURE D2.5 >----------", "----------< OD.MEASURE D2.5 >----------"},
                     {"OME12", "OME01"}, {"NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05", "NT05     Z-1"},
                     {kDollar, "N000 CALL OWMXA MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 TOFN=03"}}},
        // The typed hundredth is kept, where binary arithmetic would give D2.0099; the
        // approach X is cut on each writing and kept as entered in the profile.
        MeasureCase{"TargetKeepsItsThousandthApproachFromCopies", kInD, {.approachX = 12.34567},
                    {{"EndX", "2.01"}, {"EndZ", "-1"}},
                    {{kCall, "N000 CALL OME12 (ID.MEASURE D2.01)"},
                     {"----------< ID.MEASURE D2.5 >----------", "----------< ID.MEASURE D2.01 >----------"},
                     {kDollar, "$         MSP=2.01 APP=0.12 APPS=0.08 IMP=0.04 DOK=0.01 DNG=0.05 TOFN=21"},
                     {"N000 G00 X200 Z50 T0505", "N000 G00 X12.3456 Z50 T0505"},
                     {"N000 G00 X200", "N000 G00 X12.3456"}}},
        // A sensor number without sign: the whole part's digits; empty boxes read 0.
        MeasureCase{"NegativeSensorAndEmptyBoxes", kInD, {}, {{"ToolNumber", "-5"}, {"EndX", "2.5"}, {"EndZ", ""}, {"U", "x"}},
                    {{"NT05 CALL ODIAA ZP1=50 ZP2=-1 TOF1=15 TOF2=05", "NT05 CALL ODIAA ZP1=50 ZP2=0 TOF1=05 TOF2=05"},
                     {kDollar, "$         MSP=2.5 APP=0.12 APPS=0.08 IMP=0.04 DOK=0 DNG=0.05 TOFN=21"}}},
        // The call joins the text after the caret; the document ends with a line end, so
        // the subprogram needs none of its own.
        MeasureCase{"CallJoinsTheLineAfterTheCaret", kInD, {}, kTarget,
                    {{kCall, "N000 CALL OME12 (ID.MEASURE D2.5)G00 X1"}}, "O1000\nG00 X1\n"}));

// --- zero offsets -----------------------------------------------------------------------

const Typing kZInput = {{"ToolNumber", "7"}, {"U", ""}, {"W", ""}, {"C", ""},
                        {"StartX", "3"},     {"StartZ", "0.5"}, {"EndZ", "0"}};

const QString kZeroOffsetZ = block(R"(
O1000
(-----< Z-AXIS ZERO OFFSET >-----)
N000 G00 X200 Z50 T0707
NT07     Z0.5
N000     X3
N000 CALL OZOFA MSP=0 APP=0.2 IMP=0.1
N000 G00 Z0.5
N000     X200
N000     X500 Z500
<TAB>
)");

class ZeroOffsetZ : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(ZeroOffsetZ, OneBlockAtTheCaret) { expectRun(GetParam(), kZeroOffsetZ, 1); }

constexpr auto kZ = zeroOffsetZGenerator;
const char* const kOzofa = "N000 CALL OZOFA MSP=0 APP=0.2 IMP=0.1";

INSTANTIATE_TEST_SUITE_P(
    Table, ZeroOffsetZ,
    ::testing::Values(
        MeasureCase{"Other", kZ, {}, kZInput, {}},
        MeasureCase{"DoubleTouchAndTolerances", kZ, {}, plus(kZInput, {{"C", "1"}, {"U", "0.01"}, {"W", "0.05"}}),
                    {{kOzofa, "N000 CALL OZOFA MSP=0 APP=0.2 APPS=1 IMP=0.1 DOK=0.01 DNG=0.05"}}},
        // Each optional word is decided by the value as it would be written.
        MeasureCase{"BelowAThousandthWritesNoWord", kZ, {},
                    plus(kZInput, {{"C", "0.00004"}, {"U", "0.00009"}, {"W", "-1"}}), {}},
        // A word left out is never formatted, so a value too large to write cannot fail it.
        MeasureCase{"UnwrittenWordsNeverFail", kZ, {}, plus(kZInput, {{"W", "-1E300"}, {"C", "-1E15"}}), {}},
        MeasureCase{"MacTurnToolLifeOptionalStop", kZ, {.kind = kMac, .toolLife = true, .optionalStop = true}, kZInput,
                    {{"+(-----< Z-AXIS ZERO OFFSET >-----)", "N000 MT=1 TG=7\nN000 M421"},
                     {"N000 G00 X200 Z50 T0707", "N000 G00 X200 Z50 TL=0707 M602"},
                     {"N000     X500 Z500", "N000 G21 HP=4\nNSTP M01"}}}));

const Typing kCInput = {{"ToolNumber", "7"}, {"V", "1"},       {"F", "2"},     {"W", "3"},    {"D", "45"},
                        {"C", ""},           {"StartX", "3"},  {"StartZ", "0.5"}, {"EndZ", "0"}, {"EndC", "10.5"}};

// The C axis: its cycles between the milling mode's words.
const QString kZeroOffsetC = edited(
    kZeroOffsetZ, {{"(-----< Z-AXIS ZERO OFFSET >-----)", "(-----< C-AXIS ZERO OFFSET >-----)\nN000 G94 M110 M15"},
                   {kOzofa, "N000 CALL OCPFI MSP=0 APP=1 CFW=2 COF=10.5\nN000 CALL OZOFD COF=10.5 CMW=3"},
                   {"+N000     X500 Z500", "N000 G95 M109"}});

class ZeroOffsetC : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(ZeroOffsetC, OneBlockAtTheCaret) { expectRun(GetParam(), kZeroOffsetC, 1); }

constexpr auto kC = zeroOffsetCGenerator;

INSTANTIATE_TEST_SUITE_P(
    Table, ZeroOffsetC,
    ::testing::Values(
        MeasureCase{"Other", kC, {}, kCInput, {}},
        // Single-precision values widen through their shortest decimal.
        MeasureCase{"DoubleTouchSingleTargetC", kC, {}, plus(kCInput, {{"C", "1"}, {"EndC", "0.1"}}),
                    {{"N000 CALL OCPFI MSP=0 APP=1 CFW=2 COF=10.5", "N000 CALL OCPFI MSP=0 APP=1 CFW=2 COF=0.1"},
                     {"N000 CALL OZOFD COF=10.5 CMW=3", "N000 CALL OZOFD COF=0.1 CMW=3 APPS=1"}}},
        // The angles of the C axis keep the thousandth of a degree, the distances the
        // ten-thousandth of an inch.
        MeasureCase{"AnglesToTheThousandth", kC, {},
                    plus(kCInput, {{"V", "1.23456"}, {"F", "12.3456"}, {"W", "30.1234"}, {"C", "1.2345"},
                                   {"EndC", "45.6789"}, {"EndZ", "-0.12345"}}),
                    {{"N000 CALL OCPFI MSP=0 APP=1 CFW=2 COF=10.5",
                      "N000 CALL OCPFI MSP=-0.1235 APP=1.2345 CFW=12.345 COF=45.678"},
                     {"N000 CALL OZOFD COF=10.5 CMW=3", "N000 CALL OZOFD COF=45.678 CMW=30.123 APPS=1.234"}}}));

// --- the outside gauge ------------------------------------------------------------------

TEST(OutsideGauge, CallsTheGaugeAtTheCaretWithoutATable) {
    SharedState s;  // no cutting-condition table at all
    Document doc(crlf("O1000\nM30\n"), 7);
    FakeProcessDialog user;
    ProcessMeasuerOutside_Click(s, &doc.box, nullptr);
    EXPECT_EQ(doc.box.Text().toStdString(), crlf("O1000\nN000 CALL OXMS\nM30\n").toStdString());
    EXPECT_EQ(doc.box.SelStart(), 7 + 16);
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(user.showings, 0);
    EXPECT_EQ(s.gOutputText, crlf("N000 CALL OXMS\n"));
}

// --- failures ---------------------------------------------------------------------------

// A profile value beyond the format after the dialog changes nothing; no document is
// reported before a bad row, and by the gauge, which has no dialog.
TEST(MeasuringFailure, ReportsAndChangesNothing) {
    const struct {
        ProcessGenerator (*generator)();  // none: the gauge
        int error;
        bool document;
    } cases[] = {{measureOutsideRadiusGenerator, 6, true}, {measureOutsideDiameterGenerator, 91, false},
                 {nullptr, 91, false}};
    for (const auto& c : cases) {
        SharedState s = cycleState({.approachX = 1e306}, {});
        s.gCuttingTable.setCell(34, CuttingConditionTable::kSpindleDirection,
                                c.document ? QStringLiteral("0") : QStringLiteral("x"));
        Document doc(crlf("O1000\n"), 7);
        FakeProcessDialog user;
        enter(user, kTarget);
        RichTextBox* target = c.document ? &doc.box : nullptr;
        c.generator ? runProcessGenerator(c.generator(), s, target, nullptr)
                    : ProcessMeasuerOutside_Click(s, target, nullptr);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, processErrorTitle(c.error));
        EXPECT_EQ(user.showings, c.document ? 1 : 0);
        EXPECT_EQ(doc.box.Text(), crlf("O1000\n"));
        EXPECT_EQ(s.gOutputText, QStringLiteral("earlier"));
    }
}

}  // namespace

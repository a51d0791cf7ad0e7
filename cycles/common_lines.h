#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "common/format.h"
#include "common/single.h"
#include "cycles/program_text.h"

namespace quillmar {

// The lines every generator shares. Each appends whole lines to the block and writes
// nothing where the machine profile says the line does not apply.

// "NSTP M01" when the optional stop is on.
void AppendOptionalStop(ProgramText& text);
// How every cycle's block ends: the optional stop, then the closing TAB line.
void appendCycleClosing(ProgramText& text);

// "N000 VLMON[t]=" + value when the load monitor is on; the value is fixed per cycle ("2+8").
void AppendLoadMonitorOn(ProgramText& text, const QString& value);
// "N000 VLMON[t]=0" when the load monitor is on.
void AppendLoadMonitorOff(ProgramText& text);

// The tool-change request of a turning tool on MacTurn and MULTUS ("N000 MT=" t "01" or,
// with tool life, "N000 MT=1 TG=" t; then the ATC macro line); nothing on other machines.
void AppendToolChange(ProgramText& text);
// The same for a rotary tool: "03" and "MT=3" on an H2 turret, "01" and "MT=1" on H1.
void AppendMToolChange(ProgramText& text);

// One variable of a tool-data line: the name after its VTL / VGR prefix ("IN", "A1",
// "L") and its value, a fixed text or a number formatted only when the line is written.
struct ToolDatum {
    ToolDatum(const char* name, const char* text) : name(QString::fromLatin1(name)), text(QString::fromLatin1(text)) {}
    ToolDatum(const char* name, QString text) : name(QString::fromLatin1(name)), text(std::move(text)) {}
    ToolDatum(const char* name, double number) : name(QString::fromLatin1(name)), number(number) {}
    QString name;
    QString text;
    std::optional<double> number;
};
// The two tool-data lines "NOEX VTLIN[t]=1 VTLFN[t]=1 ..." when the tool-shape option is
// on; with tool life the names read VGR instead of VTL.
void appendToolData(ProgramText& text, std::initializer_list<ToolDatum> firstLine,
                    std::initializer_list<ToolDatum> secondLine);

// Tool-shape sizes in inches, 20 mm each: the shank of a boring bar (the D of the inner
// turning tools), and how much longer than the depth it reaches a tool is that works
// along its own axis.
inline constexpr double kBoringBarShank = 0.8;
inline constexpr double kToolLengthMargin = 0.8;

// The length datum of a tool reaching from the start Z to the end Z: (StartZ − EndZ)
// plus the margin. It is formatted only where the tool-data lines are written, so a
// length too large to write fails only there.
ToolDatum toolLengthAlongZ(const ProcessParameters& p);

// How often the two-digit tool number follows the T of the tool word on other machines:
// three times in roughing, finishing and grooving, twice in threading, drilling, spindle
// tapping and measuring.
enum class OtherToolWord { Thrice, Twice };

// The standard tool word: " TG=" t " OG=1" with tool life, " TL=" tt tt on MacTurn and
// MULTUS, " T" and tt repeated on other machines.
QString standardToolWord(ProgramText& text, OtherToolWord other);

// The words of a turning tool call after its position: tool word (the other machines'
// T word as `other` says), B-axis and tip words, speedRange (" M41 S" or " M42 S") +
// spindle speed, spindle, coolant and M263 words.
QString toolCallWords(ProgramText& text, const QString& speedRange, OtherToolWord other = OtherToolWord::Thrice);

// The tool-call line of the turning cycles: "N000 G00 X" + approachX + " Z" + approach Z
// + toolCallWords. Roughing, finishing and grooving write the two-digit tool number three
// times on other machines, threading and drilling twice.
void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange,
                        OtherToolWord other = OtherToolWord::Thrice);

// The one spindle-speed rule of turning and driven tools: a cutting speed V (feet per
// minute) gives floor(V × 1000 ÷ 3.14 ÷ 3.28 ÷ each divisor in turn) × 10. The order of
// the divisors is part of the rule: the same terms in another order round differently
// now and then. A divisor of 0 fails with division by zero (11), a result beyond double
// with overflow (6).
double spindleSpeedDividing(double v, std::initializer_list<double> divisors);

// The speed on a working diameter d in millimetres: the divisors d and 10.
double spindleSpeed(double v, double diameterMm);

// The speed of a drill, a tap or a driven tool on its diameter U in inches: the divisors
// U, 10 and 25.4, the inch converted last. Dividing by the diameter in millimetres
// instead, as the turning cycles do, rounds differently now and then.
double spindleSpeedInches(double v, double diameterInches);

// The turning cycles take their speed at the start diameter in millimetres plus a margin
// (6 in roughing and finishing, 4 outside and -4 inside a groove), judged on the V the
// tool line writes: a V written as 0 or less computes nothing and the speed an earlier
// cycle left stays.
void takeSpeedAtStartDiameter(SharedState& state, double marginMm);

// How the first line of a turning cycle's ending moves the tool: as a rapid block of its
// own ("N000 G00 X...") or as a continuation of the block before ("N000     X...").
enum class ReturnMove { Rapid, Continuation };

// The ending of the turning cycles that stop the spindle with its speed word. MacTurn: to
// the approach X with " G97 S" + speed + " M63", then "N000 G21 HP=4 M05 M63 M09". MULTUS:
// "N000 G20 HP=4 M867 G97 S" + speed + " M05 M63 M09", then "N000 M866". Other machines:
// to the home X and Z with " G97 S" + speed + " M63".
void appendSpindleStopEnding(ProgramText& text, ReturnMove move);

// Whether a value as its word writes it (FormatCoord, or FormatAngle for an angle) is
// above the threshold; a value too large to write is above, and fails only where it is
// written.
inline bool writtenAbove(double value, double threshold, Measure measure = Measure::Length) {
    return writtenValue(value, measure) > threshold;
}
inline bool writtenAbove(Single value, double threshold, Measure measure = Measure::Length) {
    return static_cast<double>(writtenValue(value, measure).value()) > threshold;
}

// address + value when the written value is above the threshold (" D" when above 0);
// otherwise nothing, and the value stays uncut: a value that is not written can never
// fail the run.
QString wordIfAbove(const char* address, double& value, double threshold, Measure measure = Measure::Length);
QString wordIfAbove(const char* address, Single& value, double threshold, Measure measure = Measure::Length);
// The same for a count (" Q" when above 1), a whole-number word.
QString countIfAbove(const char* address, Single& value, double threshold);

// The ending of the turning cycles whose retreat line already stopped the constant
// surface speed with " G97 S" + speed. MacTurn: "N000     X" + approach X when asked,
// then "N000 G21 HP=4 M05 M63 M09". MULTUS: "N000 G20 HP=4 M867" + the speed word when
// asked + " M05 M63 M09", then "N000 M866". Other machines: "N000     X" + home X + " Z"
// + home Z.
enum class MacTurnReturn { None, ToApproachX };
enum class MultusSpeedWord { Omitted, Written };
void appendEndingAfterSpeedRetreat(ProgramText& text, MacTurnReturn macTurn, MultusSpeedWord multus);

// Lines of a generator's table, as data. A line is a run of pieces, each a literal text
// followed, where given, by a value the generator formats when the line is written; the
// values are formatted in the order of the pieces, so a value cut in place (a bare
// parameter through FormatCoord) is seen cut by the pieces and lines after it.
using LineValue = QString (*)(ProgramText&);
struct LinePiece {
    const char* text;
    LineValue value = nullptr;
};
using LineTemplate = std::vector<LinePiece>;

QString lineText(ProgramText& text, const LineTemplate& line);
void appendLines(ProgramText& text, const std::vector<LineTemplate>& lines);

// Values that line tables share. The profile's points are written through copies; the
// spindle speed and the parameters are cut in place.
QString approachXValue(ProgramText& text);
QString approachZValue(ProgramText& text);
QString spindleSpeedValue(ProgramText& text);
QString toolLabelValue(ProgramText& text);  // "NT" + tt

// How a turning cycle leaves the work: its retreat lines, written for every machine,
// then the spindle-stop ending with its speed word (appendSpindleStopEnding, the first
// line moving as `move` says) or, when the retreat already wrote " G97 S", the ending
// after it (appendEndingAfterSpeedRetreat).
struct TurningEnding {
    std::vector<LineTemplate> retreat;
    bool speedInRetreat = false;
    ReturnMove move = ReturnMove::Rapid;
    MacTurnReturn macTurn = MacTurnReturn::None;
    MultusSpeedWord multus = MultusSpeedWord::Omitted;
};
void appendTurningEnding(ProgramText& text, const TurningEnding& ending);

// "N000 G00 X" + approach X + " G97 S" + speed + " M63": the retreat of the outer cycles.
LineTemplate speedRetreatToApproachX();

// --- threading, drilling and spindle tapping ---------------------------------------------

// Whether the MacTurn ending returns to the approach X before it stops the spindle.
enum class ApproachReturn { Yes, No };

// The ending of the cycles that write no G97 word. MacTurn: to the approach X (when asked)
// and "N000 G21 HP=4" + stopWords. MULTUS: "N000 G20 HP=4 M867" + stopWords, then
// "N000 M866". Other machines: to the home X and Z. stopWords are " M05 M63 M09" for a
// cycle that stops the spindle, " M09" for the tapping cycles, which leave that to the
// control.
void appendHomeEnding(ProgramText& text, ReturnMove move, ApproachReturn approach, const QString& stopWords);

}  // namespace quillmar

#pragma once

#include <QString>
#include <initializer_list>

#include "cycles/program_text.h"

namespace quillmar {

// The lines every generator shares. Each appends whole lines to the block and writes
// nothing where the machine profile says the line does not apply.

// "NSTP M01" when the optional stop is on.
void AppendOptionalStop(ProgramText& text);

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
// "L") and its value as written.
struct ToolDatum {
    QString name;
    QString value;
};
// The two tool-data lines "NOEX VTLIN[t]=1 VTLFN[t]=1 ..." when the tool-shape option is
// on; with tool life the names read VGR instead of VTL.
void appendToolData(ProgramText& text, std::initializer_list<ToolDatum> firstLine,
                    std::initializer_list<ToolDatum> secondLine);

// How often the two-digit tool number follows the T of the tool word on other machines:
// three times in roughing, finishing and grooving, twice in threading, drilling, spindle
// tapping and measuring.
enum class OtherToolWord { Thrice, Twice };

// The standard tool word: " TG=" t " OG=1" with tool life, " TL=" tt tt on MacTurn and
// MULTUS, " T" and tt repeated on other machines.
QString standardToolWord(ProgramText& text, OtherToolWord other);

// The tool-call line of the roughing and finishing cycles: "N000 G00 X" + approachX +
// " Z" + approach Z + tool word + B-axis and tip words + speedRange (" M41 S" or " M42 S")
// + spindle speed + spindle, coolant and M263 words.
void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange);

// The spindle speed of a cutting speed V (feet per minute) on a working diameter d in
// millimetres: floor(V × 1000 ÷ 3.14 ÷ 3.28 ÷ d ÷ 10) × 10, in this order. A d of 0 fails
// with division by zero (11), a result beyond double with overflow (6).
double spindleSpeed(double v, double diameterMm);

// How the first line of a turning cycle's ending moves the tool: as a rapid block of its
// own ("N000 G00 X...") or as a continuation of the block before ("N000     X...").
enum class ReturnMove { Rapid, Continuation };

// The ending of the turning cycles that stop the spindle with its speed word. MacTurn: to
// the approach X with " G97 S" + speed + " M63", then "N000 G21 HP=4 M05 M63 M09". MULTUS:
// "N000 G20 HP=4 M867 G97 S" + speed + " M05 M63 M09", then "N000 M866". Other machines:
// to the home X and Z with " G97 S" + speed + " M63".
void appendSpindleStopEnding(ProgramText& text, ReturnMove move);

// --- threading, drilling and spindle tapping ---------------------------------------------

// Whether a value, as FormatCoord writes it (cut toward minus infinity to thousandths), is
// above the threshold: a word and the condition that writes it agree, so 0.0004 counts
// as 0.
bool writtenAbove(double value, double threshold);
bool writtenAbove(Single value, double threshold);

// address + FormatCoord(value) when the value is writtenAbove the threshold (" U" above 0,
// " Q" above 1); otherwise nothing, and the value stays uncut.
QString wordWhenWrittenAbove(const char* address, double& value, double threshold);
QString wordWhenWrittenAbove(const char* address, Single& value, double threshold);

// The tool-call line of appendToolCallLine with the other machines' T word chosen: the
// threading and drilling cycles write the two-digit tool number twice there.
void appendToolCallLine(ProgramText& text, const QString& approachX, const QString& speedRange,
                        OtherToolWord other);

// The spindle speed of a cutting speed V (feet per minute) on an inch diameter:
// floor(V × 1000 ÷ 3.14 ÷ 3.28 ÷ each divisor in the order given) × 10. The cycles differ
// in where 25.4 and 10 come (threading: diameter, 25.4, 10; drilling and tapping:
// diameter, 10, 25.4), and the last digit of S with them. A zero divisor fails with
// division by zero (11), or overflow (6) when V is 0 too; a result beyond double with
// overflow.
double spindleSpeedDividing(double v, std::initializer_list<double> divisors);

// Whether the MacTurn ending returns to the approach X before it stops the spindle.
enum class ApproachReturn { Yes, No };

// The ending of the cycles that write no G97 word. MacTurn: to the approach X (when asked)
// and "N000 G21 HP=4" + stopWords. MULTUS: "N000 G20 HP=4 M867" + stopWords, then
// "N000 M866". Other machines: to the home X and Z. stopWords are " M05 M63 M09" for a
// cycle that stops the spindle, " M09" for the tapping cycles, which leave that to the
// control.
void appendHomeEnding(ProgramText& text, ReturnMove move, ApproachReturn approach, const QString& stopWords);

}  // namespace quillmar

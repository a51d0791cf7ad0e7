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

// The one spindle-speed rule of turning and driven tools. A diameter in millimetres
// divides as spindleSpeed says; one in inches is divided as in millimetres and the
// quotient then by 25.4 before the floor (rotarySpindleSpeed).
enum class SpeedUnit { Millimetres, Inches };
double spindleSpeedOf(double v, double diameter, SpeedUnit unit);

// How the first line of a turning cycle's ending moves the tool: as a rapid block of its
// own ("N000 G00 X...") or as a continuation of the block before ("N000     X...").
enum class ReturnMove { Rapid, Continuation };

// The ending of the turning cycles that stop the spindle with its speed word. MacTurn: to
// the approach X with " G97 S" + speed + " M63", then "N000 G21 HP=4 M05 M63 M09". MULTUS:
// "N000 G20 HP=4 M867 G97 S" + speed + " M05 M63 M09", then "N000 M866". Other machines:
// to the home X and Z with " G97 S" + speed + " M63".
void appendSpindleStopEnding(ProgramText& text, ReturnMove move);

}  // namespace quillmar

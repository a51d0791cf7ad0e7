#pragma once

#include <QString>

#include "common/single.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"
#include "rotary/rotary_commands.h"

namespace quillmar {

struct ProcessParameters;

// The block of a rotary-tool generator. Besides the parameters, a block writes the
// approach and home points of the machine profile. Those are never cut: each line writes
// a cut copy, and a clearance or a half of the approach X reads the point as entered
// (approach Z 50.00009 over a start Z of -0.00005 leaves a clearance of 49.9201, not 49.92).
class RotaryText : public ProgramText {
public:
    explicit RotaryText(SharedState& state);

    const double appX;
    const double appZ;
    const double homeX;
    const double homeZ;
};

// The tilted plane's conditions, on the written B, C and SZ.
bool bIsNinety(const ProcessParameters& p);
bool bTilts(const ProcessParameters& p);     // B neither 0 nor 90
bool zeroShifted(const ProcessParameters& p);  // C or SZ not 0

// Tool-data lines (when the tool-shape option is on): "NOEX VTLIN[t]=" kind " VTLFN[t]=1"
// (a drill adds " VTLA1[t]=118", its point angle) and "NOEX VTLD[t]=" U " VTLL[t]="
// length; VGR names with tool life. The length of a tool along Z (face, tilted plane) is
// StartZ − EndZ + 0.8, along X (side) (StartX − EndX) / 2 + 0.8 (kToolLengthMargin).
enum class ToolLength { AlongZ, AlongX };
void appendRotaryToolData(RotaryText& text, const char* kind, bool pointAngle, ToolLength length);

// Mode words that open the tool-call line.
inline const QString kMillingMode = QStringLiteral("N000 G94 M110");
inline const QString kTappingMode = QStringLiteral("N000 G95 M110");

// " TG=" t " OG=1" with tool life; otherwise " TL=" and the two-digit tool number
// `repeats` times on every machine type.
QString tiltedToolWord(RotaryText& text, int repeats);
// Plane words of a side tool call: the words and " M66" on MacTurn, the words alone on
// MULTUS, nothing on other machines.
QString machinePlaneWords(const ProgramText& text, const QString& words);
// B words of a tilted-plane tool call, by the turning cycles' rule (bAxisWords): none for
// B 0, " BT=1" for 90, " G52 BA=" B otherwise. B is cut in place.
QString tiltedPlaneWords(RotaryText& text);

// The words that end a driven tool's approach line: " M63" and the coolant word with
// the OSP-U100 control, " M64" and the coolant word without it.
QString ospWords(const ProgramText& text);
// "N000     M62" without the OSP-U100 control; nothing with it.
void appendOspM62Line(ProgramText& text);

// The first positioning line of the keyways and generating cuts, which write no M62 line
// of their own after the approach: "N000     X" StartX on the face, "N000     Z" StartZ on
// the side, with " M62" behind it without the OSP-U100 control.
void appendFirstPositioning(RotaryText& text, RotaryPlane plane);

// The approach line "NT" tt " G00" [" C" masterC] " X" AppX " Z" AppZ " SB=" S, ended by
// the spindle words: a driven tool " M13" and the OSP words, followed by the M62 line or
// leaving the M62 to a later line of the generator's; a tap only the coolant word.
// masterC is the written C value, empty for none.
enum class ApproachEnd { SpindleOn, SpindleOnM62Later, CoolantOnly };
void appendRotaryApproach(RotaryText& text, const QString& masterC, ApproachEnd end);

// Set-up of the tilted plane: "N000 G138", the zero shift "N000 G174 SX=" C " SZ=" SZ
// when shifted, and "N000 G127 B" B when B tilts.
void appendTiltedPlaneSetUp(RotaryText& text);
// Positioning in the tilted plane: "N000 G00  X" AppX / 2 " Y" StartZ " Z" StartC for
// B 90, otherwise "N000 G00  X" StartX " Y" StartZ " Z" AppZ.
void appendTiltedPositioning(RotaryText& text);

// The clearance word of a fixed cycle, from the approach point to the gap short of the
// start: " K" (AppZ − StartZ) − gap on the face, " I" (AppX − StartX) − gap on the side.
QString clearanceWord(RotaryText& text, RotaryPlane plane, double gap);

// The hole of a drill or a tap in the tilted plane, after its C word: for B 90 the bottom
// is an X, " X" EndC " Y" StartZ " Z" StartC, with the clearance " I" (AppX / 2 − StartX)
// − 0.08; otherwise " X" StartX " Y" StartZ " Z" EndC with " K" (AppZ − StartC) − 2.
QString tiltedHoleWords(RotaryText& text);

// The retract after the cycle: "N000 G00 Z" AppZ on the face, "N000 G00 X" AppX on the
// side; in the tilted plane "N000 G00 X" AppX / 2 for B 90 and the face form otherwise.
void appendRotaryRetract(RotaryText& text, RotaryPlane plane);

// Reset of the tilted plane: "N000 G175" when shifted, "N000 G126" when B tilts, and
// "N000 G136".
void appendTiltedPlaneReset(RotaryText& text);

// Circle milling and planet tapping in the tilted plane set the plane up and take it
// down without conditions: the plane words " G52 BA=" B of the tool call (" M66" after
// them on MacTurn, none on other machines; B 90 too); "N000 G138", "N000 G174 SX=" C
// " SZ=" SZ, "N000 G127 B" B, "N000 G17" and the rapid move over the centre
// "N000 G00 X" StartX " Y" StartZ " Z" AppZ; after the cut "N000 G00 Z" AppZ,
// "N000 G126 M146", "N000 G175" and "N000 G136", then the spindle-stop ending and the
// cycle's closing lines.
QString slantMillingPlaneWords(RotaryText& text);
void appendSlantMillingSetUp(RotaryText& text);
void appendSlantMillingLeave(RotaryText& text);

// Machine endings. SpindleStop (drills, keyways, generating cuts, circle milling, planet
// tapping): MacTurn "N000 G21 HP=4 M12 M63 M09"; MULTUS "N000 G20 HP=4 M867 M12 M63 M09"
// and "N000 M866"; other machines the home point "N000     X" HomeX " Z" HomeZ with
// " M12 M63", or " M12 M64" and "N000     M62" without the OSP-U100 control. Tap: the
// same but the other machines' line ends at the home point. TiltedTap: without M12 M63.
// returnToApproachX puts "N000     X" AppX before the MacTurn line (face tools).
enum class RotaryEnding { SpindleStop, Tap, TiltedTap };
void appendRotaryEnding(RotaryText& text, RotaryEnding ending, bool returnToApproachX);

// How a fixed cycle leaves the work: the retract of its plane (appendRotaryRetract), the
// tilted plane's reset (appendTiltedPlaneReset) in the tilted plane, the machine ending
// and the cycle's closing lines.
void appendRotaryLeave(RotaryText& text, RotaryPlane plane, RotaryEnding ending, bool returnToApproachX);

}  // namespace quillmar

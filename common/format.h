#pragma once

#include <QString>

#include "common/single.h"

namespace quillmar {

// The value of pi the calculators convert angles with. It is a little larger than pi
// and must stay so: stored programs were computed with it.
inline constexpr double gPi = 3.14159265398;

// The plain decimal text of a number: 15 significant digits for double, 7 for single,
// no trailing zeros, no digit before the point below magnitude 1, and a leading blank
// for zero or positive values or a minus sign for negative ones.
QString numberText(double v);
QString numberText(Single v);
// The same without the blank of a positive number and with a "0" before a leading point
// ("0.5", "-0.25", "1000"): how numbers are stored in settings and shown in boxes.
QString plainNumberText(double v);
QString plainNumberText(Single v);

// The most whole digits a number is written with before it takes exponent notation.
constexpr int kPlainWholeDigits = 15;

// The one limit of every number written into a program: the value unchanged, or an
// overflow (6) when its text would need exponent notation, that is when it rounds to
// 1e15 or more at the digits it is written with (15 for double, 7 for single). A value
// that is not finite is an overflow too.
double writableValue(double value);
Single writableValue(Single value);

// What a number measures decides its last written decimal. Lengths, diameters, depths,
// feeds, leads and tolerances are written to the ten-thousandth, the least increment of
// an inch program; angles in degrees (C-axis positions, B-axis angles) to the thousandth.
enum class Measure { Length, Angle };

// The last decimal a measure is written with.
constexpr int writtenDecimals(Measure measure) { return measure == Measure::Angle ? 3 : 4; }

// The value FormatCoord (or FormatAngle) writes, without writing it: cut toward minus
// infinity to the measure's last decimal, in the variable's precision. Conditions on a
// value are judged on this, so that a word and its condition agree; a value too large to
// write fails only where it is written, never in a condition.
double writtenValue(double value, Measure measure = Measure::Length);
Single writtenValue(Single value, Measure measure = Measure::Length);

// Program-word text of a length: its written value (four decimals), stored back into
// the variable so that later uses see what was written, as plain text (writableValue's
// limit).
QString FormatCoord(double& value);
QString FormatCoord(Single& value);
// The same for an expression whose cut value nobody keeps.
QString FormatCoordValue(double value);
QString FormatCoordValue(Single value);

// The same for an angle in degrees, cut to three decimals.
QString FormatAngle(double& value);
QString FormatAngle(Single& value);
QString FormatAngleValue(double value);
QString FormatAngleValue(Single value);

// Either of the two by the measure.
QString formatMeasured(double& value, Measure measure);
QString formatMeasured(Single& value, Measure measure);

// FormatCoord for a whole-number word (a count, a tool number): one whose text lies
// beyond a 32-bit whole number is an overflow.
QString FormatWholeWord(double& value);
QString FormatWholeWord(Single& value);

// Whole part (toward minus infinity, stored back) without sign, at least two digits.
QString FormatTwoDigits(double& value);
QString FormatTwoDigits(Single& value);
QString FormatTwoDigitsValue(double value);

}  // namespace quillmar

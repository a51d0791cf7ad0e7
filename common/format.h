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

// Program-word text of a number, cut to three decimals toward minus infinity. The cut
// value is stored back into the variable, so later uses see what was written.
QString FormatCoord(double& value);
QString FormatCoord(Single& value);
// The same for an expression whose cut value nobody keeps.
QString FormatCoordValue(double value);
QString FormatCoordValue(Single value);

// Whole part (toward minus infinity, stored back) without sign, at least two digits.
QString FormatTwoDigits(double& value);
QString FormatTwoDigits(Single& value);
QString FormatTwoDigitsValue(double value);

}  // namespace quillmar

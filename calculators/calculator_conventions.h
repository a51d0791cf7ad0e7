#pragma once

#include <QString>
#include <initializer_list>

#include "common/format.h"

namespace quillmar {

// The drawing plane of a calculator. In the X-Z plane X is a diameter and Z runs
// across the picture; in the X-Y plane X runs across and Y up.
enum class Plane { XZ, XY };

// The failure text of the drawing calculators.
inline const QString kNoCrossingText = QStringLiteral("交点が求まりません!!");

// True when none of the box texts is empty.
bool allFilled(std::initializer_list<QString> texts);

// Degrees from the horizontal axis to radians, with the program's own pi.
// Fails with overflow when the angle is too large to convert.
double degreesToRadians(double degrees);

// A result box's text: the value lifted before it is cut, so that a value a hair below
// its last decimal is not cut down. A length is lifted by half its step and so shows the
// nearest ten-thousandth, as the arithmetic near 90 degrees needs; an angle keeps its
// ten-thousandth lift at thousandths. Fails with overflow on a value too large to write.
QString liftedResultText(double value, Measure measure = Measure::Length);

// True when two directions (radians) are parallel as the program measures angles:
// they differ by a whole number of half turns of its pi. The tangent formulas would
// answer such lines with a crossing point billions of units away instead of failing.
bool parallelDirections(double a1, double a2);

// A read-out line of two letters, each followed by its number cut to thousandths toward
// minus infinity in the number's own precision and written in the picture's number style
// with one blank after it. The read-out has no failure of its own: a point with a number
// it cannot write (its thousandths overflow, or it lies at or beyond the limit that every
// written number keeps) shows nothing at all.
QString readoutLine(const QString& first, float a, const QString& second, float b);
QString readoutLine(const QString& first, double a, const QString& second, double b);

// The coordinate read-out for the mouse at x, y of the picture's scale (the vertical
// coordinate is drawn negated): in the X-Z plane "X" with the diameter and " Z", in
// the X-Y plane "X" and " Y", in single precision (readoutLine).
QString readoutText(float x, float y, Plane plane);

}  // namespace quillmar

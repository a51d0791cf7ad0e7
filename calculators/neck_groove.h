#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// The neck (undercut) groove: an arc of radius R tangent to a face and touching the
// groove's bottom diameter, and a flank at angle A from the arc out to a start diameter.
// X values are diameters. The corner option (1 to 4, captions "4", "3", "1", "2") puts the
// arc centre on the larger or smaller diameter side and on the plus or minus Z side.

struct NeckInput {
    QString bottomX, faceZ, r, angle, startX;
    int option = 2;
};

// One recompute: the four points and the arc's I and K from P3 (absent: the box keeps
// its text), and the figure.
struct NeckRun {
    std::optional<QString> p1x, p1z, p2x, p2z, p3x, p3z, i, k, p4x, p4z;
    Figure figure;
};

// Clears the picture first, then works by which boxes are filled: the bottom line alone,
// with the face, the arc, the arc and flank, or the whole groove; any other set of filled
// boxes, and every run-time fault, ends in the failure text.
NeckRun runNeck(const NeckInput& input);

// A number's plain decimal text rounded to 15 significant digits, never in exponent form;
// one that would need it from 1e15 on is an overflow, as in a program word.
QString plainDecimalText(double value);

// The boxes the whole contour is inserted from, as they stand.
struct NeckContourBoxes {
    QString p1x, p1z;
    QString p3x, p3z;
    QString p4x, p4z;
    QString r;
};

// The three lines "CCW" (P1, arc, P4) or "CW" (P4, P3, arc to P1) insert one by one; the
// arc word follows the option.
QStringList neckContour(bool ccw, int option, const NeckContourBoxes& boxes);

}  // namespace quillmar

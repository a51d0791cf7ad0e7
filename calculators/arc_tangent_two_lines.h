#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// The arc of radius R that joins two straight lines, each given by a point and its
// angle. The second coordinate (z) is Z in the X-Z plane and Y in the X-Y plane; in the
// X-Z plane x is a diameter. Angles are in radians.

struct CrossingPoint {
    double x = 0.0;
    double z = 0.0;
};

// Where the two lines cross. Parallel lines fail with division by zero, a result too
// large for a double with overflow.
CrossingPoint crossingPoint(double x1, double z1, double a1, double x2, double z2, double a2, Plane plane);

// The arc in one of the four corners around the crossing point (1 to 4, the window's
// "Circle position"): its centre, the tangent points on line 1 and line 2 and, for each,
// the vector from the tangent point to the centre (I as a radius in the X-Z plane).
struct TangentArc {
    double cx = 0.0, cz = 0.0;
    double t1x = 0.0, t1z = 0.0, i1 = 0.0, k1 = 0.0;
    double t2x = 0.0, t2z = 0.0, i2 = 0.0, k2 = 0.0;
};

TangentArc tangentArc(const CrossingPoint& crossing, double a1, double a2, double r, int corner, Plane plane);

// What the window holds when it recomputes: the input boxes as they stand and the options.
struct ArcTangentInput {
    QString x1, z1, a1;  // line 1
    QString x2, z2, a2;  // line 2
    QString r;
    Plane plane = Plane::XZ;
    int corner = 1;
    bool zoom = false;   // the Zoom check is ticked
};

// The result box texts of the arc, each a number lifted and cut to ten-thousandths.
// They are made box by box in the window's order (centre, tangent point 1 with its K,
// tangent point 2 with its K, then both I), so that a value too large to write leaves
// the boxes before it written and those from it on as they were.
struct ArcTangentTexts {
    std::optional<QString> centreX, centreZ;
    std::optional<QString> tangent1X, tangent1Z, tangent1I, tangent1K;
    std::optional<QString> tangent2X, tangent2Z, tangent2I, tangent2K;
};

// One recompute: the texts to write (absent: that box keeps its text), whether the Zoom
// check is to be enabled or disabled (absent: left as it is) and the figure to draw.
struct ArcTangentRun {
    std::optional<QString> crossingX, crossingZ;
    ArcTangentTexts arc;
    std::optional<bool> zoomEnabled;
    Figure figure;
};

// Runs the stages of a recompute on the box texts: nothing while line 1 is incomplete;
// line 1's direction alone while line 2 is incomplete; the crossing point and the two
// rays while R is empty; then the arc, zoomed on its centre when asked. R is taken by its
// size: a radius typed negative gives the same arc. Every run-time fault ends the run
// with the figure marked failed and the texts written before it.
ArcTangentRun runArcTangent(const ArcTangentInput& input);

}  // namespace quillmar

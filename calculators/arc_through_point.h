#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// "1point Line tangent circle": the arc of radius R through an end point that touches a
// line given by a point and its angle; of the two such arcs, option 1 or 2. In the X-Y
// plane the Z boxes hold Y.
struct ArcThroughPointInput {
    QString lineX, lineZ, angle;
    QString endX, endZ;
    QString r;
    Plane plane = Plane::XZ;
    int option = 1;
};

// The centre, the tangent (start) point and the vector from it to the centre, each lifted
// and cut to ten-thousandths. Absent: not reached, the box keeps its text. An end point
// farther than 2R from the line and a radius of 0 or below fail.
struct ArcThroughPointRun {
    std::optional<QString> centreX, centreZ;
    std::optional<QString> startX, startZ, i, k;
    Figure figure;
};

ArcThroughPointRun runArcThroughPoint(const ArcThroughPointInput& input);

// The typed angle brought into (-90, 90] by whole half turns; 90 itself becomes 89.9999.
double lineAngleDegrees(double degrees);

}  // namespace quillmar

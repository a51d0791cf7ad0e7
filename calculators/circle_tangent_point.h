#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// " Circle with tangent point": where a line of the direction A touches the circle given
// by its centre and radius, on the side option 1 or 2 chooses. In the X-Y plane the Z
// boxes hold Y.
struct CircleTangentInput {
    QString centreX, centreZ, r;
    QString angle;
    Plane plane = Plane::XZ;
    int option = 1;
};

// The point and the vector from it to the centre, cut to ten-thousandths with nothing
// added; the vector is made first. Absent: not reached, the box keeps its text. The point
// is drawn where the boxes put it.
struct CircleTangentRun {
    std::optional<QString> x, z, i, k;
    Figure figure;
};

CircleTangentRun runCircleTangentPoint(const CircleTangentInput& input);

}  // namespace quillmar

#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// "Line & Circle": where a line, given by a point and its angle, crosses a circle given
// by its centre and radius. In the X-Y plane the Z boxes hold Y.
struct LineCircleInput {
    QString lineX, lineZ, angle;
    QString centreX, centreZ, r;
    Plane plane = Plane::XZ;
};

// The two crossing points and the vector from each to the centre (I as a radius in the
// X-Z plane), each lifted and cut to ten-thousandths; both I are made first. Absent: not
// reached, the box keeps its text. A line that misses or only touches the circle fails.
struct LineCircleRun {
    std::optional<QString> x1, z1, i1, k1;
    std::optional<QString> x2, z2, i2, k2;
    Figure figure;
};

LineCircleRun runLineCircleCrossing(const LineCircleInput& input);

}  // namespace quillmar

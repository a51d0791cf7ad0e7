#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// " 2-Circle clos point": where two circles cross, each given by its centre and radius.
// In the X-Y plane the Z boxes hold Y.
struct TwoCircleInput {
    QString x1, z1, r1;
    QString x2, z2, r2;
    Plane plane = Plane::XZ;
};

// Crossing point 1, to the left of the way from centre 1 to centre 2, and crossing point
// 2, cut to ten-thousandths with nothing added; circles that touch give their one point
// in both. Absent: not reached, the box keeps its text. With one circle complete, that
// circle alone is drawn.
struct TwoCircleRun {
    std::optional<QString> x1, z1, x2, z2;
    Figure figure;
};

TwoCircleRun runTwoCircleCrossing(const TwoCircleInput& input);

}  // namespace quillmar

#pragma once

#include <QString>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// "2-Line & 2-Circle": two parallel lines joined by arc 1 of radius R1 touching line 1
// at P1 and arc 2 of radius R2 touching line 2 at P2, the arcs touching each other at P3.
// "Hori" (vertical false): the lines X = P1 X and X = P2 X run along Z, and the first
// filled of P1 Z, P2 Z, P3 Z places the contact points along them. "Verti": the lines
// Z = P1 Z and Z = P2 Z run along X, placed by P1 X, P2 X, P3 X. Option 2 puts arc 2
// toward smaller Z (X) of arc 1.
struct TwoLinesTwoArcsInput {
    QString p1x{}, p1z{}, r1{};
    QString p2x{}, p2z{}, r2{};
    QString p3x{}, p3z{};
    int option = 1;
    bool vertical = false;
};

// The placed contact points, the centre of each arc and the vector to it from P3. Every
// coordinate is cut to ten-thousandths when it is made and later steps go on with the cut
// value. Absent: not reached or not placed, the box keeps its text.
struct TwoLinesTwoArcsRun {
    std::optional<QString> p1x, p1z, p2x, p2z, p3x, p3z;
    std::optional<QString> c1x, c1z, i1, k1;
    std::optional<QString> c2x, c2z, i2, k2;
    Figure figure;
};

TwoLinesTwoArcsRun runTwoLinesTwoArcs(const TwoLinesTwoArcsInput& input);

}  // namespace quillmar

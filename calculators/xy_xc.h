#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"

namespace quillmar {

// Points of the face plane between their X-Y form (the spindle centre the origin) and
// their X-C form (X a diameter, C in degrees), and the line through two of them with
// what machining it in Y-axis mode needs: the master C, at right angles to the line,
// and each point's X along and Y across that direction (absolute values).

// The fixed scale of the picture: 500 units across with 0, 0 in the middle.
UserScale xyXcScale();
inline constexpr QRgb kAxisColour = 0xFFA0A0A0;         // the system's button shadow
inline constexpr QRgb kSecondPointColour = 0xFFFF8000;  // orange
inline constexpr QRgb kCentreLineColour = 0xFF0000FF;   // blue

// A point's boxes: X and Y, and its X-C form (X as a diameter, C).
struct XyXcPoint {
    QString x, y, diameter, c;
};

struct XyXcInput {
    std::array<XyXcPoint, 2> points;
    bool xcMode = false;
};

struct XyXcPointTexts {
    std::optional<QString> x, y, diameter, c;
};

// The texts to write (absent: the box keeps its text): each point's other form, the
// line's angle, length and master C, and each point's X and Y in Y-axis mode; and the
// figure (drawn at the fixed scale).
struct XyXcRun {
    std::array<XyXcPointTexts, 2> points;
    std::optional<QString> angle, length, masterC;
    std::array<XyXcPointTexts, 2> yAxis;  // x and y only
    Figure figure;
};

XyXcRun runXyXc(const XyXcInput& input);

// C in degrees for a point, from 0 up to 360: 90 straight above the centre and at it,
// 270 straight below. Fails with overflow when y / x is beyond the double range (an x
// tiny but not zero).
double polarAngle(double x, double y);

// The X-C read-out for the mouse at x, y of the plane: "X" with the diameter and " C",
// each cut to thousandths in double precision (readoutLine); nothing for a point it
// cannot measure or write.
QString xcReadoutText(double x, double y);

}  // namespace quillmar

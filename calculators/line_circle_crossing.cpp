#include "calculators/line_circle_crossing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// A point as typed: X (a diameter in the X-Z plane) and the second coordinate.
struct Point {
    double x = 0.0;
    double s = 0.0;
};

struct Circle {
    Point centre;
    double r = 0.0;
};

// The direction (radians) of the vector h, v, from the line point to the centre.
double directionTo(double h, double v) {
    if (h > 0.0)
        return std::atan(checkedDiv(v, h));
    if (h < 0.0)
        return std::atan2(v, h);
    return v < 0.0 ? -gPi / 2.0 : gPi / 2.0;
}

// Where the line through the point at the angle crosses the circle.
std::pair<Point, Point> crossingsOf(const Point& line, double a, const Circle& circle, bool xz) {
    const double x1 = line.x;
    const double s1 = line.s;
    const double xc = circle.centre.x;
    const double sc = circle.centre.s;
    const double r = circle.r;
    // Taken toward the centre's side in the X-Z plane, so that a centre at smaller Z
    // answers for the line at 180 degrees less the angle.
    double h = 0.0;
    double v = 0.0;
    double phi = 0.0;
    if (xz) {
        v = checkedSub(xc, x1) / 2.0;
        h = std::fabs(checkedSub(sc, s1));
        phi = h == 0.0 ? (xc < x1 ? -gPi / 2.0 : gPi / 2.0) : std::atan(checkedDiv(v, h));
    } else {
        h = checkedSub(xc, x1);
        v = checkedSub(sc, s1);
        phi = directionTo(h, v);
    }
    const double q = checkedMul(checkedSqrt(checkedAdd(checkedMul(h, h), checkedMul(v, v))), std::sin(phi - a));
    const double u = checkedDiv(q, r);
    const double beta = std::atan(checkedDiv(-u, checkedSqrt(1.0 - u * u))) + 2.0 * std::atan(1.0);
    const double t1 = (a - gPi / 2.0) - beta;
    const double t2 = (a - gPi / 2.0) + beta;

    auto crossing = [&](double t) {
        if (xz)
            return Point{checkedAdd(xc, 2.0 * r * std::sin(t)),
                         sc > s1 ? checkedAdd(sc, r * std::cos(t)) : checkedSub(sc, r * std::cos(t))};
        return Point{checkedAdd(xc, r * std::cos(t)), checkedAdd(sc, r * std::sin(t))};
    };
    const Point p1 = crossing(t1);
    return {p1, crossing(t2)};
}

void writeTexts(LineCircleRun& run, const Point& p1, const Point& p2, const Point& centre, double k) {
    run.i1 = liftedResultText(checkedSub(centre.x, p1.x) / k);
    run.i2 = liftedResultText(checkedSub(centre.x, p2.x) / k);
    run.x1 = liftedResultText(p1.x);
    run.z1 = liftedResultText(p1.s);
    run.k1 = liftedResultText(checkedSub(centre.s, p1.s));
    run.x2 = liftedResultText(p2.x);
    run.z2 = liftedResultText(p2.s);
    run.k2 = liftedResultText(checkedSub(centre.s, p2.s));
}

// The circle, its centre, the crossing points and a guide along the line, in a scale
// fitted to the line point and the circle.
void drawCrossings(Figure& figure, const Point& linePoint, double a, const Circle& circle, const Point& p1,
                   const Point& p2, bool xz) {
    const double r = circle.r;
    // Drawing coordinates, up positive.
    auto drawn = [xz](const Point& p) { return xz ? QPointF(p.s, p.x / 2.0) : QPointF(p.x, p.s); };
    const QPointF line = drawn(linePoint);
    const QPointF centre = drawn(circle.centre);
    const QPointF d1 = drawn(p1);
    const QPointF d2 = drawn(p2);
    const UserScale scale = fittedScale(
        std::min({line.x(), centre.x() + r, centre.x() - r}), std::max({line.x(), centre.x() + r, centre.x() - r}),
        std::min({line.y(), centre.y() + r, centre.y() - r}), std::max({line.y(), centre.y() + r, centre.y() - r}),
        1.2, 0.1);
    figure.setScale(scale);
    const double sw = scaleWidthOf(scale);
    // The guide runs from the line point toward crossing point 2 along each axis.
    const double up = std::fabs(sw * std::sin(a));
    const double across = std::fabs(sw * std::cos(a));
    const QPointF guideEnd(d2.x() > line.x() ? line.x() + across : line.x() - across,
                           d2.y() > line.y() ? line.y() + up : line.y() - up);
    auto flip = [](QPointF p) { return QPointF(p.x(), -p.y()); };

    figure.textColour(kLabelColour);
    figure.line(flip(line), flip(guideEnd), kGeometryColour);
    figure.circle(flip(centre), r, kGeometryColour);
    figure.circle(flip(d1), 0.001 * sw, kMarkerColour);
    figure.circle(flip(centre), 0.001 * sw, kMarkerColour);
    figure.circle(flip(d2), 0.001 * sw, kMarkerColour);
    figure.text(flip(d1), QStringLiteral("1"));
    figure.text(flip(d2), QStringLiteral("2"));
}

}  // namespace

LineCircleRun runLineCircleCrossing(const LineCircleInput& in) {
    LineCircleRun run;
    if (!allFilled({in.lineX, in.lineZ, in.angle}))
        return run;
    Figure& figure = run.figure;
    try {
        const Point line{ReadNumber(in.lineX), ReadNumber(in.lineZ)};
        double degrees = ReadNumber(in.angle);
        if (degrees > 180.0)
            degrees -= 360.0;
        const double a = degreesToRadians(degrees);
        figure.clear();
        if (!allFilled({in.centreX, in.centreZ, in.r})) {
            drawDirection(figure, a);
            return run;
        }
        const Circle circle{{ReadNumber(in.centreX), ReadNumber(in.centreZ)}, ReadNumber(in.r)};
        const bool xz = in.plane == Plane::XZ;
        const auto [p1, p2] = crossingsOf(line, a, circle, xz);
        writeTexts(run, p1, p2, circle.centre, xz ? 2.0 : 1.0);
        drawCrossings(figure, line, a, circle, p1, p2, xz);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar

#include "calculators/line_circle_crossing.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// The direction (radians) of the vector h, v, from the line point to the centre.
double directionTo(double h, double v) {
    if (h > 0.0)
        return std::atan(checkedDiv(v, h));
    if (h < 0.0)
        return std::atan2(v, h);
    return v < 0.0 ? -gPi / 2.0 : gPi / 2.0;
}

}  // namespace

LineCircleRun runLineCircleCrossing(const LineCircleInput& in) {
    LineCircleRun run;
    if (!allFilled({in.lineX, in.lineZ, in.angle}))
        return run;
    Figure& figure = run.figure;
    try {
        const double x1 = ReadNumber(in.lineX);
        const double s1 = ReadNumber(in.lineZ);
        double degrees = ReadNumber(in.angle);
        if (degrees > 180.0)
            degrees -= 360.0;
        const double a = degreesToRadians(degrees);
        figure.clear();

        if (!allFilled({in.centreX, in.centreZ, in.r})) {
            figure.setScale(defaultCalculatorScale());
            figure.line({10000.0 * std::cos(a), -10000.0 * std::sin(a)},
                        {-10000.0 * std::cos(a), 10000.0 * std::sin(a)}, kGeometryColour);
            return run;
        }
        const double xc = ReadNumber(in.centreX);
        const double sc = ReadNumber(in.centreZ);
        const double r = ReadNumber(in.r);
        const bool xz = in.plane == Plane::XZ;
        const double k = xz ? 2.0 : 1.0;

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

        struct Point {
            double x, s;
        };
        auto crossing = [&](double t) {
            if (xz)
                return Point{checkedAdd(xc, 2.0 * r * std::sin(t)),
                             sc > s1 ? checkedAdd(sc, r * std::cos(t)) : checkedSub(sc, r * std::cos(t))};
            return Point{checkedAdd(xc, r * std::cos(t)), checkedAdd(sc, r * std::sin(t))};
        };
        const Point p1 = crossing(t1);
        const Point p2 = crossing(t2);
        run.i1 = liftedResultText(checkedSub(xc, p1.x) / k);
        run.i2 = liftedResultText(checkedSub(xc, p2.x) / k);
        run.x1 = liftedResultText(p1.x);
        run.z1 = liftedResultText(p1.s);
        run.k1 = liftedResultText(checkedSub(sc, p1.s));
        run.x2 = liftedResultText(p2.x);
        run.z2 = liftedResultText(p2.s);
        run.k2 = liftedResultText(checkedSub(sc, p2.s));

        // Drawing coordinates, up positive.
        auto drawn = [&](double x, double s) { return xz ? QPointF(s, x / 2.0) : QPointF(x, s); };
        const QPointF line = drawn(x1, s1);
        const QPointF centre = drawn(xc, sc);
        const QPointF d1 = drawn(p1.x, p1.s);
        const QPointF d2 = drawn(p2.x, p2.s);
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
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
